// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetSnapshot.h"

#include <QCoreApplication>

#include "JsonValues.h"
#include "WholeNumbers.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <utility>

qint64 WidgetSnapshot::minutesUntilBreak() const
{
    const double remaining = std::max(static_cast<double>(workSeconds) - continuousWorkSeconds, 0.0);
    return WholeNumbers::roundedUp(remaining / 60.0);
}

QString WidgetSnapshot::workedText() const
{
    const qint64 seconds = WholeNumbers::truncated(todaySeconds);
    if (seconds < 3600) {
        const int minutes = static_cast<int>(seconds / 60);
        return QCoreApplication::translate("WidgetSnapshot", "%n 分钟", nullptr, minutes);
    }
    return QCoreApplication::translate("WidgetSnapshot", "%1 小时 %2 分").arg(seconds / 3600).arg(seconds % 3600 / 60);
}

bool WidgetSnapshot::isStale(const QDateTime& at) const
{
    // Also one from the future: written before the clock was set back, by a Tavrin that has not written
    // since.
    return std::abs(updatedAt.msecsTo(at)) > kStaleAfterSeconds * 1000;
}

bool WidgetSnapshot::isPaused(const QDateTime& at) const
{
    return pausedUntil && at.toSecsSinceEpoch() < *pausedUntil;
}

ReminderState WidgetSnapshot::reminder() const
{
    ReminderState state;
    state.meeting = meeting;
    state.breakEndsAt = breakEndsAt;
    state.pausedUntil = pausedUntil;
    state.postponedUntil = postponedUntil;
    state.breakAtPauseBy = breakAtPauseBy;
    state.quiet = quietReason;
    state.minutesUntilBreak = minutesUntilBreak();
    return state;
}

void WidgetSnapshot::setReminder(const ReminderState& reminder)
{
    meeting = reminder.meeting;
    breakEndsAt = reminder.breakEndsAt;
    pausedUntil = reminder.pausedUntil;
    postponedUntil = reminder.postponedUntil;
    breakAtPauseBy = reminder.breakAtPauseBy;
    quietReason = reminder.quiet;
}

QString WidgetSnapshot::modeRawValue(Mode mode)
{
    switch (mode) {
    case Mode::working:
        return QStringLiteral("working");
    case Mode::resting:
        return QStringLiteral("resting");
    case Mode::idle:
        break;
    }
    return QStringLiteral("idle");
}

std::optional<WidgetSnapshot::Mode> WidgetSnapshot::modeFromRawValue(const QString& text)
{
    for (const Mode mode : {Mode::working, Mode::resting, Mode::idle}) {
        if (text == modeRawValue(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

QByteArray WidgetSnapshot::toJson() const
{
    QJsonObject object{
        {QStringLiteral("fatiguePercent"), fatiguePercent},
        {QStringLiteral("mode"), modeRawValue(mode)},
        {QStringLiteral("continuousWorkSeconds"), continuousWorkSeconds},
        {QStringLiteral("todaySeconds"), todaySeconds},
        {QStringLiteral("workSeconds"), workSeconds},
        {QStringLiteral("restSeconds"), restSeconds},
        {QStringLiteral("updatedAt"), static_cast<double>(updatedAt.toMSecsSinceEpoch()) / 1000.0},
    };
    const std::pair<const char*, const std::optional<qint64>*> instants[] = {
        {"pausedUntil", &pausedUntil},
        {"postponedUntil", &postponedUntil},
        {"breakEndsAt", &breakEndsAt},
        {"breakAtPauseBy", &breakAtPauseBy},
    };
    for (const auto& [name, value] : instants) {
        if (*value) {
            object.insert(QLatin1StringView(name), **value);
        }
    }
    if (quietReason) {
        object.insert(QStringLiteral("quietReason"), *quietReason == ReminderState::Quiet::call
                                                         ? QStringLiteral("call")
                                                         : QStringLiteral("fullScreen"));
    }
    if (meeting) {
        object.insert(QStringLiteral("meeting"), true);
    }
    if (language) {
        object.insert(QStringLiteral("language"), *language);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<WidgetSnapshot> WidgetSnapshot::fromJson(const QByteArray& data)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    // Figures only within what Tavrin can write: a percentage, and periods of up to a billion seconds.
    constexpr double kMaxSeconds = 1e9;
    auto number = [&](const char* name, double max) -> std::optional<double> {
        const QJsonValue value = object.value(QLatin1StringView(name));
        if (!value.isDouble() || !(value.toDouble() >= 0 && value.toDouble() <= max)) {
            return std::nullopt;
        }
        return value.toDouble();
    };
    auto period = [&](const char* name) -> std::optional<qint64> {
        const auto value = JsonValues::toInt64(object.value(QLatin1StringView(name)));
        return value && *value >= 0 && *value <= qint64(kMaxSeconds) ? value : std::nullopt;
    };
    const auto fatigue = number("fatiguePercent", 100);
    const auto continuous = number("continuousWorkSeconds", kMaxSeconds);
    const auto today = number("todaySeconds", kMaxSeconds);
    const auto work = period("workSeconds");
    const auto rest = period("restSeconds");
    // Not a number reads as NaN, which the check below refuses.
    const double updated = object.value(QLatin1StringView("updatedAt")).toDouble(qQNaN());
    const auto modeText = JsonValues::toString(object.value(QLatin1StringView("mode")));
    const auto mode = modeText ? modeFromRawValue(*modeText) : std::nullopt;
    // Beyond about ±292 million years the instant cannot be held in milliseconds.
    constexpr double kLimitSeconds = 9.0e12;
    if (!fatigue || !continuous || !today || !work || !rest || !mode || !std::isfinite(updated) ||
        std::abs(updated) > kLimitSeconds) {
        return std::nullopt;
    }
    const QDateTime updatedAt = QDateTime::fromMSecsSinceEpoch(std::llround(updated * 1000.0), Qt::UTC);
    WidgetSnapshot snapshot{.fatiguePercent = *fatigue,
                            .mode = *mode,
                            .continuousWorkSeconds = *continuous,
                            .todaySeconds = *today,
                            .workSeconds = *work,
                            .restSeconds = *rest,
                            .updatedAt = updatedAt};
    // Optional and later than the others: a value of the wrong kind is read as absent, not as a bad file.
    const auto instant = [&object](const char* name) {
        return JsonValues::toInt64(object.value(QLatin1StringView(name)));
    };
    snapshot.pausedUntil = instant("pausedUntil");
    snapshot.postponedUntil = instant("postponedUntil");
    snapshot.breakEndsAt = instant("breakEndsAt");
    snapshot.breakAtPauseBy = instant("breakAtPauseBy");
    const QString quiet = object.value(QLatin1StringView("quietReason")).toString();
    if (quiet == u"call") {
        snapshot.quietReason = ReminderState::Quiet::call;
    } else if (quiet == u"fullScreen") {
        snapshot.quietReason = ReminderState::Quiet::fullScreen;
    }
    snapshot.meeting = object.value(QLatin1StringView("meeting")).toBool(false);
    snapshot.language = JsonValues::toString(object.value(QLatin1StringView("language")));
    return snapshot;
}
