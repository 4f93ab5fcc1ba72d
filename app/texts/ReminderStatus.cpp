// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderStatus.h"

#include "AppState.h"
#include "ClockTime.h"

QString ReminderStatus::text(const std::optional<QDateTime>& pausedUntil, std::optional<QuietReason> waitReason,
                             const QDateTime& now)
{
    if (pausedUntil) {
        const QString until = ClockTime::relative(*pausedUntil, now);
        return QStringLiteral("提醒已暂停，至") + (until.startsWith(u'明') ? until : u' ' + until);
    }
    if (waitReason == QuietReason::call) {
        return QStringLiteral("通话中，休息已推迟");
    }
    if (waitReason == QuietReason::fullScreen) {
        return QStringLiteral("全屏应用中，休息已推迟");
    }
    return {};
}

QString ReminderStatus::text(const AppState& state)
{
    return text(state.remindersPausedUntil(), state.breakWaitReason(), state.localNow());
}

QString ReminderStatus::postponed(const QDateTime& until, const QDateTime& now)
{
    return QStringLiteral("已推迟，") + ClockTime::relative(until, now) + QStringLiteral(" 再提醒");
}

QString ReminderStatus::startsAtPause()
{
    return QStringLiteral("停手后开始休息");
}

QString ReminderStatus::minutesUntilBreak(qint64 minutes)
{
    return QStringLiteral("距离休息 ") + QString::number(minutes) + QStringLiteral(" 分钟");
}

QString ReminderStatus::nextBreak(const AppState& state)
{
    if (state.breakWaitsForPauseUntil()) {
        return startsAtPause();
    }
    if (QString held = text(state); !held.isEmpty()) {
        return held;
    }
    if (const auto until = state.breakPostponedUntil()) {
        return postponed(*until, state.localNow());
    }
    return minutesUntilBreak(state.minutesUntilBreak());
}
