// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderState.h"

#include "ClockTime.h"
#include "WholeNumbers.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <algorithm>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReminderState)
};

bool ahead(const std::optional<qint64>& until, const QDateTime& at)
{
    return until && at.toSecsSinceEpoch() < *until;
}

QDateTime instant(qint64 seconds, const QDateTime& at)
{
    return QDateTime::fromSecsSinceEpoch(seconds, at.timeZone());
}

// Whole minutes left until that instant, rounded up: a break with 20 s to go still has "1 分钟".
int minutesLeft(qint64 until, const QDateTime& at)
{
    const double seconds = static_cast<double>(std::max<qint64>(until - at.toSecsSinceEpoch(), 0));
    return static_cast<int>(WholeNumbers::roundedUp(seconds / 60.0));
}

} // namespace

ReminderState::Kind ReminderState::kind(const QDateTime& at) const
{
    if (ahead(breakEndsAt, at)) {
        return Kind::inBreak;
    }
    if (meeting) {
        return Kind::meeting;
    }
    if (ahead(breakAtPauseBy, at)) {
        return Kind::waitingForPause;
    }
    if (ahead(pausedUntil, at)) {
        return Kind::paused;
    }
    if (quiet) {
        return *quiet == Quiet::call ? Kind::heldByCall : Kind::heldByFullScreen;
    }
    if (ahead(postponedUntil, at)) {
        return Kind::postponed;
    }
    return Kind::countdown;
}

QString ReminderState::line(const QDateTime& at) const
{
    switch (kind(at)) {
    case Kind::inBreak:
        return Texts::tr("休息中，还剩 %n 分钟", nullptr, minutesLeft(*breakEndsAt, at));
    case Kind::meeting:
        return Texts::tr("会议/观影模式，暂停计时和提醒");
    case Kind::waitingForPause:
        return Texts::tr("停手后开始休息");
    case Kind::paused: {
        const QDateTime until = instant(*pausedUntil, at);
        // "明天" joins the words; a time or a date reads apart from them.
        return at.date().daysTo(until.date()) == 1 ? Texts::tr("提醒已暂停，至%1").arg(ClockTime::relative(until, at))
                                                   : Texts::tr("提醒已暂停，至 %1").arg(ClockTime::relative(until, at));
    }
    case Kind::heldByCall:
        return Texts::tr("通话中，休息已推迟");
    case Kind::heldByFullScreen:
        return Texts::tr("全屏应用中，休息已推迟");
    case Kind::postponed:
        return Texts::tr("已推迟，%1 再提醒").arg(ClockTime::relative(instant(*postponedUntil, at), at));
    case Kind::countdown:
        break;
    }
    return Texts::tr("距离休息 %n 分钟", nullptr, static_cast<int>(minutesUntilBreak));
}

ReminderState::Block ReminderState::block(const QDateTime& at) const
{
    switch (kind(at)) {
    case Kind::inBreak:
        return {Texts::tr("休息中，还剩"), Texts::tr("%n 分钟", nullptr, minutesLeft(*breakEndsAt, at))};
    case Kind::meeting:
        return {Texts::tr("会议/观影模式"), Texts::tr("暂停计时")};
    case Kind::waitingForPause:
        return {Texts::tr("停手后开始休息"),
                Texts::tr("最迟 %1").arg(ClockTime::relative(instant(*breakAtPauseBy, at), at))};
    case Kind::paused:
        return {Texts::tr("提醒暂停至"), ClockTime::relative(instant(*pausedUntil, at), at)};
    case Kind::heldByCall:
        return {Texts::tr("通话中"), Texts::tr("休息已推迟")};
    case Kind::heldByFullScreen:
        return {Texts::tr("全屏应用中"), Texts::tr("休息已推迟")};
    case Kind::postponed:
        return {Texts::tr("已推迟，再提醒于"), ClockTime::relative(instant(*postponedUntil, at), at)};
    case Kind::countdown:
        break;
    }
    return {Texts::tr("距离下次休息"), Texts::tr("%n 分钟", nullptr, static_cast<int>(minutesUntilBreak))};
}

QString ReminderState::badge(const QDateTime& at) const
{
    switch (kind(at)) {
    case Kind::inBreak:
        return Texts::tr("休息中");
    case Kind::meeting:
        return Texts::tr("会议/观影模式");
    case Kind::waitingForPause:
        return Texts::tr("停手后休息");
    case Kind::paused:
        return Texts::tr("提醒已暂停");
    case Kind::heldByCall:
    case Kind::heldByFullScreen:
        return Texts::tr("休息已推迟");
    case Kind::postponed:
        return Texts::tr("已推迟");
    case Kind::countdown:
        break;
    }
    return {};
}

QString ReminderState::microPause(qint64 minutes)
{
    return Texts::tr("微休息 %n 分钟后", nullptr, static_cast<int>(minutes));
}
