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

} // namespace

namespace StatusReport {

QVariantMap of(const AppState& state)
{
    const FatigueState& fatigue = state.fatigue();
    const AppSettings& settings = state.settings();
    QVariantMap status;
    const QString mode = modeName(fatigue.mode);
    const qint64 percentage = std::clamp<qint64>(WholeNumbers::rounded(fatigue.percent), 0, 100);
    const qint64 minutesUntilBreak = state.minutesUntilBreak();
    status.insert(QStringLiteral("mode"), mode);
    // Whole percents: finer, the record would change (and every status bar be woken) every few seconds
    // while nobody is at the computer.
    status.insert(QStringLiteral("fatiguePercent"), static_cast<double>(percentage));
    status.insert(QStringLiteral("todaySeconds"), WholeNumbers::truncated(state.todaySeconds()));
    status.insert(QStringLiteral("continuousWorkSeconds"), WholeNumbers::truncated(fatigue.continuousWork));
    status.insert(QStringLiteral("minutesUntilBreak"), minutesUntilBreak);
    const auto pausedUntil = state.remindersPausedUntil();
    if (pausedUntil) {
        status.insert(QStringLiteral("pausedUntil"), pausedUntil->toSecsSinceEpoch());
    }
    if (const auto postponedUntil = state.breakPostponedUntil()) {
        status.insert(QStringLiteral("postponedUntil"), postponedUntil->toSecsSinceEpoch());
    }
    if (const auto latest = state.breakWaitsForPauseUntil()) {
        status.insert(QStringLiteral("breakAtPauseBy"), latest->toSecsSinceEpoch());
    }
    status.insert(QStringLiteral("meeting"), settings.movieMode);
    const auto wait = state.breakWaitReason();
    if (wait) {
        status.insert(QStringLiteral("quietReason"),
                      *wait == QuietReason::call ? QStringLiteral("call") : QStringLiteral("fullScreen"));
    }

    status.insert(QStringLiteral("percentage"), percentage);
    status.insert(QStringLiteral("text"), QString(QString::number(percentage) + u'%'));
    QStringList tooltip{QStringLiteral("Tavrin · ") + modeText(mode) + Texts::tr(" · 疲劳 ") +
                            QString::number(percentage) + u'%',
                        Texts::tr("今日 ") + formatDuration(state.todaySeconds())};
    if (settings.movieMode) {
        tooltip.append(Texts::tr("会议/观影模式"));
    }
    tooltip.append(ReminderStatus::nextBreak(state));
    status.insert(QStringLiteral("tooltip"), tooltip.join(u'\n'));
    status.insert(QStringLiteral("class"), settings.movieMode ? QStringLiteral("meeting")
                                           : pausedUntil      ? QStringLiteral("paused")
                                                              : mode);
    return status;
}

QString line(const QVariantMap& status, const QDateTime& now)
{
    QStringList parts{modeText(status.value(QStringLiteral("mode")).toString()),
                      Texts::tr("疲劳 ") + status.value(QStringLiteral("text")).toString(),
                      Texts::tr("今日 ") + formatDuration(status.value(QStringLiteral("todaySeconds")).toDouble())};
    if (status.value(QStringLiteral("meeting")).toBool()) {
        parts.append(Texts::tr("会议/观影模式"));
    }
    // When the next break comes: what holds it back says it instead.
    const auto at = [&status, &now](const char* key) {
        return QDateTime::fromSecsSinceEpoch(status.value(QLatin1StringView(key)).toLongLong(), now.timeZone());
    };
    const QString quiet = status.value(QStringLiteral("quietReason")).toString();
    if (status.contains(QStringLiteral("breakAtPauseBy"))) {
        parts.append(ReminderStatus::startsAtPause());
    } else if (status.contains(QStringLiteral("pausedUntil"))) {
        parts.append(ReminderStatus::text(at("pausedUntil"), std::nullopt, now));
    } else if (!quiet.isEmpty()) {
        parts.append(
            ReminderStatus::text(std::nullopt, quiet == u"call" ? QuietReason::call : QuietReason::fullScreen, now));
    } else if (status.contains(QStringLiteral("postponedUntil"))) {
        parts.append(ReminderStatus::postponed(at("postponedUntil"), now));
    } else {
        parts.append(ReminderStatus::minutesUntilBreak(status.value(QStringLiteral("minutesUntilBreak")).toLongLong()));
    }
    return parts.join(QStringLiteral(" · "));
}

QByteArray json(const QVariantMap& status)
{
    QJsonObject object = QJsonObject::fromVariantMap(status);
    for (const char* optional : {"pausedUntil", "postponedUntil", "breakAtPauseBy", "quietReason"}) {
        if (!object.contains(QLatin1StringView(optional))) {
            object.insert(QLatin1StringView(optional), QJsonValue::Null);
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace StatusReport
