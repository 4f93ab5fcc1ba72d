// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"

#include "JsonValues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// How one member's value is written and read. decode fails (nullopt) instead of guessing.
struct BoolCodec
{
    static QJsonValue encode(bool value) { return value; }
    static std::optional<bool> decode(const QJsonValue& value) { return JsonValues::toBool(value); }
};

struct Int64Codec
{
    static QJsonValue encode(qint64 value) { return value; }
    static std::optional<qint64> decode(const QJsonValue& value) { return JsonValues::toInt64(value); }
};

struct StringCodec
{
    static QJsonValue encode(const QString& value) { return value; }
    static std::optional<QString> decode(const QJsonValue& value) { return JsonValues::toString(value); }
};

// An enumeration as its raw text, matched exactly.
template <typename E>
struct EnumCodec
{
    static QJsonValue encode(E value) { return rawValue(value); }
    static std::optional<E> decode(const QJsonValue& value)
    {
        const auto text = JsonValues::toString(value);
        return text ? fromRawValue<E>(*text) : std::nullopt;
    }
};

struct RuleCodec
{
    static QJsonValue encode(const RuleConfig& rule) { return rule.toJson(); }
    static std::optional<RuleConfig> decode(const QJsonValue& value) { return RuleConfig::fromJson(value); }
};

// Every element a string, or nothing.
struct StringListCodec
{
    static QJsonValue encode(const QStringList& values) { return QJsonArray::fromStringList(values); }
    static std::optional<QStringList> decode(const QJsonValue& value)
    {
        if (!value.isArray()) {
            return std::nullopt;
        }
        QStringList strings;
        for (const QJsonValue& element : value.toArray()) {
            if (!element.isString()) {
                return std::nullopt;
            }
            strings.append(element.toString());
        }
        return strings;
    }
};

// Whether a member that is there but does not decode fails the whole record (those of the first release)
// or costs only itself (those added since, which an older or hand-edited record may have wrong).
enum class Decoding
{
    required,
    optional,
};

// Whether a list is written while it is empty. A member that may hold no value (std::optional) is left out
// while it holds none.
enum class Writing
{
    always,
    unlessEmpty,
};

// One member of the stored record: its key, where it lives in AppSettings, how it is written and read,
// and the limits a loaded value is held to.
struct Member
{
    QLatin1StringView key;
    Decoding decoding;
    // The member's JSON value, or nothing to leave it out.
    std::optional<QJsonValue> (*encode)(const AppSettings&);
    bool (*decode)(const QJsonValue&, AppSettings&);
    void (*limit)(AppSettings&);
};

// Builds a row from a pointer to the member, its codec and, where there is one, its limit. An optional
// value (std::optional<T>) is written and read through the codec of T.
template <auto Field, typename Codec, Writing writing = Writing::always, auto Limit = nullptr>
constexpr Member member(const char* key, Decoding decoding)
{
    Member row{QLatin1StringView(key), decoding, nullptr, nullptr, nullptr};
    row.encode = [](const AppSettings& settings) -> std::optional<QJsonValue> {
        const auto& value = settings.*Field;
        if constexpr (requires { value.has_value(); }) {
            return value ? std::optional(Codec::encode(*value)) : std::nullopt;
        } else if constexpr (writing == Writing::unlessEmpty) {
            return value.isEmpty() ? std::nullopt : std::optional(Codec::encode(value));
        } else {
            return Codec::encode(value);
        }
    };
    row.decode = [](const QJsonValue& json, AppSettings& settings) {
        auto decoded = Codec::decode(json);
        if (decoded) {
            settings.*Field = std::move(*decoded);
        }
        return decoded.has_value();
    };
    if constexpr (!std::is_null_pointer_v<decltype(Limit)>) {
        row.limit = [](AppSettings& settings) { Limit(settings.*Field); };
    }
    return row;
}

// The limits: periods of at least kMinimumPeriodSeconds and at most what the window offers, a message of
// at most kMaximumBreakMessageLength characters, the nearest postponement choice.
void limitRule(RuleConfig& rule)
{
    rule.workSeconds =
        std::clamp(rule.workSeconds, AppSettings::kMinimumPeriodSeconds, AppSettings::kMaximumWorkSeconds);
    rule.restSeconds =
        std::clamp(rule.restSeconds, AppSettings::kMinimumPeriodSeconds, AppSettings::kMaximumRestSeconds);
    if (rule.breakMessage.size() > AppSettings::kMaximumBreakMessageLength) {
        qsizetype length = AppSettings::kMaximumBreakMessageLength;
        // Never half of a surrogate pair.
        if (rule.breakMessage.at(length - 1).isHighSurrogate()) {
            --length;
        }
        rule.breakMessage.truncate(length);
    }
}

void limitNagInterval(qint64& seconds)
{
    seconds = std::clamp(seconds, AppSettings::kMinimumPeriodSeconds, AppSettings::kMaximumNagIntervalSeconds);
}

void limitPostponement(qint64& minutes)
{
    // The nearest of the postponement choices, the shorter one between two.
    // Held near the choices first, so that no stored value, however extreme, overflows the distances.
    const auto& choices = AppSettings::kPostponeChoices;
    const qint64 wanted = std::clamp(minutes, qint64{0}, choices.back() + 1);
    minutes = *std::min_element(choices.begin(), choices.end(), [&](qint64 a, qint64 b) {
        const qint64 da = a > wanted ? a - wanted : wanted - a;
        const qint64 db = b > wanted ? b - wanted : wanted - b;
        return da < db || (da == db && a < b);
    });
}

// No path a file system takes is longer; a longer one is no path, not one to cut.
void limitImagePath(std::optional<QString>& path)
{
    if (path && path->size() > AppSettings::kMaximumPathLength) {
        path.reset();
    }
}

// Move ids are short words: a longer entry is no id, and no person leaves out more moves than there are, many
// times over.
void limitExcludedMoves(QStringList& moves)
{
    moves.removeIf([](const QString& id) { return id.size() > AppSettings::kMaximumMoveIdLength; });
    if (moves.size() > AppSettings::kMaximumExcludedMoves) {
        moves.resize(AppSettings::kMaximumExcludedMoves);
    }
}

void limitMicroPauseMinutes(qint64& minutes)
{
    minutes = std::clamp(minutes, AppSettings::kMicroPauseMinutesMin, AppSettings::kMicroPauseMinutesMax);
}

void limitMicroPauseSeconds(qint64& seconds)
{
    seconds = std::clamp(seconds, AppSettings::kMicroPauseSecondsMin, AppSettings::kMicroPauseSecondsMax);
}

using S = AppSettings;
constexpr auto required = Decoding::required;
constexpr auto optional = Decoding::optional;

// The stored record, member by member. A new setting is one more row here, decoded as optional.
const std::array kMembers{
    member<&S::launchAtStartup, BoolCodec>("launchAtStartup", required),
    member<&S::showStatusBarIcon, BoolCodec>("showStatusBarIcon", required),
    member<&S::showTodayInStatusBar, BoolCodec>("showTodayInStatusBar", required),
    member<&S::showDockIcon, BoolCodec>("showDockIcon", required),
    member<&S::notificationEnabled, BoolCodec>("notificationEnabled", required),
    member<&S::reminderStyle, EnumCodec<ReminderStyle>>("reminderStyle", required),
    member<&S::notifyBeforeOverlay, BoolCodec>("notifyBeforeOverlay", required),
    member<&S::playSoundOnEnd, BoolCodec>("playSoundOnEnd", required),
    member<&S::showSkipButton, BoolCodec>("showSkipButton", required),
    member<&S::overlayBackground, EnumCodec<OverlayBackgroundStyle>>("overlayBackground", required),
    member<&S::overlayBackgroundImagePath, StringCodec, Writing::always, limitImagePath>("overlayBackgroundImagePath",
                                                                                         required),
    member<&S::movieMode, BoolCodec>("movieMode", required),
    member<&S::theme, EnumCodec<ThemeMode>>("theme", required),
    member<&S::rule, RuleCodec, Writing::always, limitRule>("rule", required),
    member<&S::nagIntervalSeconds, Int64Codec, Writing::always, limitNagInterval>("nagIntervalSeconds", required),
    member<&S::postponeMinutes, Int64Codec, Writing::always, limitPostponement>("postponeMinutes", optional),
    member<&S::pausedUntil, Int64Codec>("pausedUntil", optional),
    member<&S::quietDuringCalls, BoolCodec>("quietDuringCalls", optional),
    member<&S::quietDuringFullScreen, BoolCodec>("quietDuringFullScreen", optional),
    member<&S::startBreakAtPause, BoolCodec>("startBreakAtPause", optional),
    member<&S::guideDuringBreak, BoolCodec>("guideDuringBreak", optional),
    member<&S::excludedMoves, StringListCodec, Writing::unlessEmpty, limitExcludedMoves>("excludedMoves", optional),
    member<&S::microPauses, BoolCodec>("microPauses", optional),
    member<&S::microPauseMinutes, Int64Codec, Writing::always, limitMicroPauseMinutes>("microPauseMinutes", optional),
    member<&S::microPauseSeconds, Int64Codec, Writing::always, limitMicroPauseSeconds>("microPauseSeconds", optional),
    member<&S::language, EnumCodec<LanguageChoice>>("language", optional),
};

} // namespace

const AppSettings& AppSettings::factoryDefaults()
{
    static const AppSettings defaults;
    return defaults;
}

AppSettings AppSettings::withinLimits() const
{
    AppSettings bounded = *this;
    for (const Member& member : kMembers) {
        if (member.limit) {
            member.limit(bounded);
        }
    }
    return bounded;
}

QByteArray AppSettings::toJson() const
{
    QJsonObject object;
    for (const Member& member : kMembers) {
        if (auto value = member.encode(*this)) {
            object.insert(member.key, *value);
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<AppSettings> AppSettings::fromJson(const QByteArray& data, QStringList* ignoredMembers)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    AppSettings settings = factoryDefaults();
    // A member that is missing or null keeps the default; one that is there must decode, or it fails the
    // record (required) or keeps its default and is named (optional).
    for (const Member& member : kMembers) {
        const QJsonValue value = object.value(member.key);
        if (JsonValues::isMissing(value) || member.decode(value, settings)) {
            continue;
        }
        if (member.decoding == Decoding::required) {
            return std::nullopt;
        }
        if (ignoredMembers) {
            ignoredMembers->append(member.key);
        }
    }
    return settings;
}
