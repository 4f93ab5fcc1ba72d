// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusReport.h"

#include "AppState.h"
#include "FormatDuration.h"
#include "ReminderStatus.h"
#include "WholeNumbers.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

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
    return mode == u"working"   ? QStringLiteral("工作中")
           : mode == u"resting" ? QStringLiteral("休息中")
                                : QStringLiteral("空闲");
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
    const qint64 workSeconds = settings.rule.workSeconds;
    const double remaining = std::max(static_cast<double>(workSeconds) - fatigue.continuousWork, 0.0);
    const qint64 minutesUntilBreak = WholeNumbers::roundedUp(remaining / 60.0);
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
    status.insert(QStringLiteral("meeting"), settings.movieMode);
    const auto wait = state.breakWaitReason();
    if (wait) {
        status.insert(QStringLiteral("quietReason"),
                      *wait == QuietReason::call ? QStringLiteral("call") : QStringLiteral("fullScreen"));
    }

    status.insert(QStringLiteral("percentage"), percentage);
    status.insert(QStringLiteral("text"), QString(QString::number(percentage) + u'%'));
    QStringList tooltip{QStringLiteral("Tavrin · ") + modeText(mode) + QStringLiteral(" · 疲劳 ") +
                            QString::number(percentage) + u'%',
                        QStringLiteral("今日 ") + formatDuration(state.todaySeconds()),
                        QStringLiteral("距离休息 ") + QString::number(minutesUntilBreak) + QStringLiteral(" 分钟")};
    if (settings.movieMode) {
        tooltip.append(QStringLiteral("会议/观影模式"));
    }
    if (const QString held = ReminderStatus::text(state); !held.isEmpty()) {
        tooltip.append(held);
    }
    status.insert(QStringLiteral("tooltip"), tooltip.join(u'\n'));
    status.insert(QStringLiteral("class"), settings.movieMode ? QStringLiteral("meeting")
                                           : pausedUntil      ? QStringLiteral("paused")
                                                              : mode);
    return status;
}

QString line(const QVariantMap& status)
{
    QStringList parts{modeText(status.value(QStringLiteral("mode")).toString()),
                      QStringLiteral("疲劳 ") + status.value(QStringLiteral("text")).toString(),
                      QStringLiteral("今日 ") + formatDuration(status.value(QStringLiteral("todaySeconds")).toDouble()),
                      QStringLiteral("距离休息 ") + status.value(QStringLiteral("minutesUntilBreak")).toString() +
                          QStringLiteral(" 分钟")};
    if (status.value(QStringLiteral("meeting")).toBool()) {
        parts.append(QStringLiteral("会议/观影模式"));
    }
    if (status.contains(QStringLiteral("pausedUntil"))) {
        const QDateTime end = QDateTime::fromSecsSinceEpoch(status.value(QStringLiteral("pausedUntil")).toLongLong());
        parts.append(ReminderStatus::text(end.toLocalTime(), std::nullopt));
    }
    const QString quiet = status.value(QStringLiteral("quietReason")).toString();
    if (!quiet.isEmpty()) {
        parts.append(
            ReminderStatus::text(std::nullopt, quiet == u"call" ? QuietReason::call : QuietReason::fullScreen));
    }
    return parts.join(QStringLiteral(" · "));
}

QByteArray json(const QVariantMap& status)
{
    QJsonObject object = QJsonObject::fromVariantMap(status);
    for (const char* optional : {"pausedUntil", "quietReason"}) {
        if (!object.contains(QLatin1StringView(optional))) {
            object.insert(QLatin1StringView(optional), QJsonValue::Null);
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace StatusReport
