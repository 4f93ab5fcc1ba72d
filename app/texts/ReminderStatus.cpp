// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderStatus.h"

#include <QCoreApplication>

#include "AppState.h"
#include "ClockTime.h"

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReminderStatus)
};

} // namespace

QString ReminderStatus::text(const std::optional<QDateTime>& pausedUntil, std::optional<QuietReason> waitReason,
                             const QDateTime& now)
{
    if (pausedUntil) {
        const QString until = ClockTime::relative(*pausedUntil, now);
        return Texts::tr("提醒已暂停，至") + (until.startsWith(u'明') ? until : u' ' + until);
    }
    if (waitReason == QuietReason::call) {
        return Texts::tr("通话中，休息已推迟");
    }
    if (waitReason == QuietReason::fullScreen) {
        return Texts::tr("全屏应用中，休息已推迟");
    }
    return {};
}

QString ReminderStatus::text(const AppState& state)
{
    return text(state.remindersPausedUntil(), state.breakWaitReason(), state.localNow());
}

QString ReminderStatus::postponed(const QDateTime& until, const QDateTime& now)
{
    return Texts::tr("已推迟，") + ClockTime::relative(until, now) + Texts::tr(" 再提醒");
}

QString ReminderStatus::startsAtPause()
{
    return Texts::tr("停手后开始休息");
}

QString ReminderStatus::minutesUntilBreak(qint64 minutes)
{
    return Texts::tr("距离休息 ") + QString::number(minutes) + Texts::tr(" 分钟");
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

QString ReminderStatus::modeText(FatigueMode mode)
{
    switch (mode) {
    case FatigueMode::working:
        return Texts::tr("工作中");
    case FatigueMode::resting:
        return Texts::tr("休息中");
    case FatigueMode::idle:
        break;
    }
    return Texts::tr("空闲");
}
