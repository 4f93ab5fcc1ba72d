// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"

#include "JsonValues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

template <typename E>
std::optional<E> enumFromJson(const QJsonValue& value)
{
    const auto text = JsonValues::toString(value);
    return text ? fromRawValue<E>(*text) : std::nullopt;
}

} // namespace

const AppSettings& AppSettings::factoryDefaults()
{
    static const AppSettings defaults;
    return defaults;
}

AppSettings AppSettings::withinLimits() const
{
    AppSettings bounded = *this;
    bounded.rule.workSeconds = std::clamp(rule.workSeconds, kMinimumPeriodSeconds, kMaximumWorkSeconds);
    bounded.rule.restSeconds = std::clamp(rule.restSeconds, kMinimumPeriodSeconds, kMaximumRestSeconds);
    bounded.nagIntervalSeconds = std::clamp(nagIntervalSeconds, kMinimumPeriodSeconds, kMaximumNagIntervalSeconds);
    // The nearest of the postponement choices, the shorter one between two.
    // Held near the choices first, so that no stored value, however extreme, overflows the distances.
    const qint64 wanted = std::clamp(postponeMinutes, qint64{0}, kPostponeChoices.back() + 1);
    bounded.postponeMinutes =
        *std::min_element(kPostponeChoices.begin(), kPostponeChoices.end(), [&](qint64 a, qint64 b) {
            const qint64 da = a > wanted ? a - wanted : wanted - a;
            const qint64 db = b > wanted ? b - wanted : wanted - b;
            return da < db || (da == db && a < b);
        });
    if (rule.breakMessage.size() > kMaximumBreakMessageLength) {
        qsizetype length = kMaximumBreakMessageLength;
        // Never half of a surrogate pair.
        if (rule.breakMessage.at(length - 1).isHighSurrogate()) {
            --length;
        }
        bounded.rule.breakMessage.truncate(length);
    }
    return bounded;
}

QByteArray AppSettings::toJson() const
{
    QJsonObject object{
        {QStringLiteral("launchAtStartup"), launchAtStartup},
        {QStringLiteral("showStatusBarIcon"), showStatusBarIcon},
        {QStringLiteral("showTodayInStatusBar"), showTodayInStatusBar},
        {QStringLiteral("showDockIcon"), showDockIcon},
        {QStringLiteral("notificationEnabled"), notificationEnabled},
        {QStringLiteral("reminderStyle"), rawValue(reminderStyle)},
        {QStringLiteral("notifyBeforeOverlay"), notifyBeforeOverlay},
        {QStringLiteral("playSoundOnEnd"), playSoundOnEnd},
        {QStringLiteral("showSkipButton"), showSkipButton},
        {QStringLiteral("overlayBackground"), rawValue(overlayBackground)},
        {QStringLiteral("movieMode"), movieMode},
        {QStringLiteral("theme"), rawValue(theme)},
        {QStringLiteral("rule"), rule.toJson()},
        {QStringLiteral("nagIntervalSeconds"), nagIntervalSeconds},
        {QStringLiteral("postponeMinutes"), postponeMinutes},
        {QStringLiteral("quietDuringCalls"), quietDuringCalls},
        {QStringLiteral("quietDuringFullScreen"), quietDuringFullScreen},
        {QStringLiteral("startBreakAtPause"), startBreakAtPause},
        {QStringLiteral("guideDuringBreak"), guideDuringBreak},
    };
    if (!excludedMoves.isEmpty()) {
        object.insert(QStringLiteral("excludedMoves"), QJsonArray::fromStringList(excludedMoves));
    }
    if (overlayBackgroundImagePath) {
        object.insert(QStringLiteral("overlayBackgroundImagePath"), *overlayBackgroundImagePath);
    }
    if (pausedUntil) {
        object.insert(QStringLiteral("pausedUntil"), *pausedUntil);
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
    bool valid = true;

    // A member that is there must decode; one that is missing or null keeps the default. An optional one
    // that does not decode keeps the default too, and costs only itself.
    auto decodeMember = [&](const char* name, auto& field, auto decode, bool optional) {
        const QJsonValue value = object.value(QLatin1StringView(name));
        if (!valid || JsonValues::isMissing(value)) {
            return;
        }
        if (auto decoded = decode(value)) {
            field = std::move(*decoded);
        } else if (optional) {
            if (ignoredMembers) {
                ignoredMembers->append(QLatin1StringView(name));
            }
        } else {
            valid = false;
        }
    };
    auto read = [&](const char* name, auto& field, auto decode) { decodeMember(name, field, decode, false); };
    auto readOptional = [&](const char* name, auto& field, auto decode) { decodeMember(name, field, decode, true); };

    read("launchAtStartup", settings.launchAtStartup, JsonValues::toBool);
    read("showStatusBarIcon", settings.showStatusBarIcon, JsonValues::toBool);
    read("showTodayInStatusBar", settings.showTodayInStatusBar, JsonValues::toBool);
    read("showDockIcon", settings.showDockIcon, JsonValues::toBool);
    read("notificationEnabled", settings.notificationEnabled, JsonValues::toBool);
    read("reminderStyle", settings.reminderStyle, enumFromJson<ReminderStyle>);
    read("notifyBeforeOverlay", settings.notifyBeforeOverlay, JsonValues::toBool);
    read("playSoundOnEnd", settings.playSoundOnEnd, JsonValues::toBool);
    read("showSkipButton", settings.showSkipButton, JsonValues::toBool);
    read("overlayBackground", settings.overlayBackground, enumFromJson<OverlayBackgroundStyle>);
    read("overlayBackgroundImagePath", settings.overlayBackgroundImagePath, JsonValues::toString);
    read("movieMode", settings.movieMode, JsonValues::toBool);
    read("theme", settings.theme, enumFromJson<ThemeMode>);
    read("rule", settings.rule, RuleConfig::fromJson);
    read("nagIntervalSeconds", settings.nagIntervalSeconds, JsonValues::toInt64);
    readOptional("postponeMinutes", settings.postponeMinutes, JsonValues::toInt64);
    readOptional("pausedUntil", settings.pausedUntil, JsonValues::toInt64);
    readOptional("quietDuringCalls", settings.quietDuringCalls, JsonValues::toBool);
    readOptional("quietDuringFullScreen", settings.quietDuringFullScreen, JsonValues::toBool);
    readOptional("startBreakAtPause", settings.startBreakAtPause, JsonValues::toBool);
    readOptional("guideDuringBreak", settings.guideDuringBreak, JsonValues::toBool);
    readOptional("excludedMoves", settings.excludedMoves, [](const QJsonValue& value) -> std::optional<QStringList> {
        QStringList ids;
        for (const QJsonValue& id : value.toArray()) {
            if (!id.isString()) {
                return std::nullopt;
            }
            ids.append(id.toString());
        }
        return value.isArray() ? std::optional(ids) : std::nullopt;
    });

    if (!valid) {
        return std::nullopt;
    }
    return settings;
}
