// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// What Tavrin is doing about the next break, decided once and said the same way on every surface: the tray
// panel and its tooltip, the dashboard, tavrin --status and the desktop widget. The facts travel as they are
// (in the status record and in the widget's snapshot) and every reader turns them into words here. Instants
// are seconds since 1970.
struct ReminderState
{
    // In the order in which they speak: a break on screen says more than meeting mode, and so on down.
    enum class Kind
    {
        inBreak,
        meeting,
        waitingForPause,
        paused,
        heldByCall,
        heldByFullScreen,
        postponed,
        countdown,
    };

    enum class Quiet
    {
        call,
        fullScreen,
    };

    // A widget block: a caption over a value, "距离下次休息" over "12 分钟".
    struct Block
    {
        QString title;
        QString value;

        bool operator==(const Block&) const = default;
    };

    bool meeting = false;
    // When the break on screen ends.
    std::optional<qint64> breakEndsAt;
    std::optional<qint64> pausedUntil;
    // When a break that was put off comes back.
    std::optional<qint64> postponedUntil;
    // When a due break that waits for the person to stop typing comes at the latest.
    std::optional<qint64> breakAtPauseBy;
    // What holds a due break back.
    std::optional<Quiet> quiet;
    // Whole minutes, rounded up, until continuous work reaches the work period.
    qint64 minutesUntilBreak = 0;

    bool operator==(const ReminderState&) const = default;

    // Which fact speaks at that instant. An end that has come speaks no more, so that a reader with an older
    // record (the widget between two snapshots) still says what is true now.
    Kind kind(const QDateTime& at) const;
    // One sentence, for the panel, the tooltip, the dashboard and --status: "距离休息 12 分钟",
    // "已推迟，14:35 再提醒". Times are said in the zone of at.
    QString line(const QDateTime& at) const;
    // The same for the widget's block, as a caption and a value.
    Block block(const QDateTime& at) const;
    // A word or two for the widget's badge; empty for the countdown, where the badge speaks of fatigue.
    QString badge(const QDateTime& at) const;
    // The second rhythm, said beside the line: "微休息 3 分钟后".
    static QString microPause(qint64 minutes);
};
