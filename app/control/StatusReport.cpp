// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusReport.h"

#include "AppState.h"
#include "FormatDuration.h"
#include "ReminderStatus.h"
#include "WholeNumbers.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StatusReport)
};

QString modeName(FatigueMode mode)
{
    switch (mode) {
    case FatigueMode::working:
        return QStringLiteral("working");
    case FatigueMode::resting:
        return QStringLiteral("resting");
    case FatigueMode::idle:
        break;
    }
    return QStringLiteral("idle");
}

QString modeText(const QString& mode)
{
    return ReminderStatus::modeText(mode == u"working"   ? FatigueMode::working
                                    : mode == u"resting" ? FatigueMode::resting
                                                         : FatigueMode::idle);
}

// The reminder's facts as the record's members: each instant only while there is one.
const std::pair<const char*, std::optional<qint64> ReminderState::*> kInstants[] = {
    {"pausedUntil", &ReminderState::pausedUntil},
    {"postponedUntil", &ReminderState::postponedUntil},
    {"breakAtPauseBy", &ReminderState::breakAtPauseBy},
    {"breakEndsAt", &ReminderState::breakEndsAt},
};

ReminderState reminderOf(const QVariantMap& status)
{
    ReminderState reminder;
    for (const auto& [key, member] : kInstants) {
        if (status.contains(QLatin1StringView(key))) {
            reminder.*member = status.value(QLatin1StringView(key)).toLongLong();
        }
    }
    const QString quiet = status.value(QStringLiteral("quietReason")).toString();
    if (!quiet.isEmpty()) {
        reminder.quiet = quiet == u"call" ? ReminderState::Quiet::call : ReminderState::Quiet::fullScreen;
    }
    reminder.meeting = status.value(QStringLiteral("meeting")).toBool();
    // While a break is put off, the record's minutes count down to its return; the line says the time instead.
    reminder.minutesUntilBreak = status.value(QStringLiteral("minutesUntilBreak")).toLongLong();
    return reminder;
}

} // namespace

namespace StatusReport {

QVariantMap of(const AppState& state)
{
    const FatigueState& fatigue = state.fatigue();
    const AppSettings& settings = state.settings();
    const ReminderState reminder = state.reminderState();
    QVariantMap status;
    const QString mode = modeName(fatigue.mode);
    const qint64 percentage = std::clamp<qint64>(WholeNumbers::rounded(fatigue.percent), 0, 100);
    status.insert(QStringLiteral("mode"), mode);
    // Whole percents: finer, the record would change (and every status bar be woken) every few seconds
    // while nobody is at the computer.
    status.insert(QStringLiteral("fatiguePercent"), static_cast<double>(percentage));
    status.insert(QStringLiteral("todaySeconds"), WholeNumbers::truncated(state.todaySeconds()));
    status.insert(QStringLiteral("continuousWorkSeconds"), WholeNumbers::truncated(fatigue.continuousWork));
    status.insert(QStringLiteral("minutesUntilBreak"), state.minutesUntilBreak());
    for (const auto& [key, member] : kInstants) {
        if (const std::optional<qint64>& at = reminder.*member) {
            status.insert(QLatin1StringView(key), *at);
        }
    }
    status.insert(QStringLiteral("meeting"), settings.movieMode);
    if (const auto minutes = state.minutesUntilMicroPause()) {
        status.insert(QStringLiteral("microPauseInMinutes"), *minutes);
    }
    if (reminder.quiet) {
        status.insert(QStringLiteral("quietReason"), *reminder.quiet == ReminderState::Quiet::call
                                                         ? QStringLiteral("call")
                                                         : QStringLiteral("fullScreen"));
    }

    status.insert(QStringLiteral("percentage"), percentage);
    status.insert(QStringLiteral("text"), QString(QString::number(percentage) + u'%'));
    QStringList tooltip{Texts::tr("Tavrin · %1 · 疲劳 %2%").arg(modeText(mode), QString::number(percentage)),
                        Texts::tr("今日 %1").arg(formatDuration(state.todaySeconds())),
                        ReminderStatus::nextBreak(state)};
    if (const auto minutes = state.minutesUntilMicroPause()) {
        tooltip.append(ReminderState::microPause(*minutes));
    }
    status.insert(QStringLiteral("tooltip"), tooltip.join(u'\n'));
    status.insert(QStringLiteral("class"), settings.movieMode     ? QStringLiteral("meeting")
                                           : reminder.pausedUntil ? QStringLiteral("paused")
                                                                  : mode);
    return status;
}

QString line(const QVariantMap& status, const QDateTime& now)
{
    QStringList parts{modeText(status.value(QStringLiteral("mode")).toString()),
                      Texts::tr("疲劳 %1").arg(status.value(QStringLiteral("text")).toString()),
                      Texts::tr("今日 %1").arg(formatDuration(status.value(QStringLiteral("todaySeconds")).toDouble())),
                      reminderOf(status).line(now)};
    if (status.contains(QStringLiteral("microPauseInMinutes"))) {
        parts.append(ReminderState::microPause(status.value(QStringLiteral("microPauseInMinutes")).toLongLong()));
    }
    return parts.join(QStringLiteral(" · "));
}

QByteArray json(const QVariantMap& status)
{
    QJsonObject object = QJsonObject::fromVariantMap(status);
    for (const char* optional :
         {"pausedUntil", "postponedUntil", "breakAtPauseBy", "breakEndsAt", "quietReason", "microPauseInMinutes"}) {
        if (!object.contains(QLatin1StringView(optional))) {
            object.insert(QLatin1StringView(optional), QJsonValue::Null);
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace StatusReport
