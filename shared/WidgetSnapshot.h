// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "ReminderState.h"

#include <optional>

// What the application tells the desktop widget: one small record, written whole as JSON.
struct WidgetSnapshot
{
    enum class Mode
    {
        working,
        resting,
        idle,
    };

    static constexpr qint64 kStaleAfterSeconds = 180;

    double fatiguePercent = 0;
    Mode mode = Mode::idle;
    double continuousWorkSeconds = 0;
    double todaySeconds = 0;
    qint64 workSeconds = 0;
    qint64 restSeconds = 0;
    QDateTime updatedAt = {};
    // The end of a pause of reminders (seconds since 1970), while there is one. Added later: files
    // without it are read as not paused, and readers that do not know it ignore it.
    std::optional<qint64> pausedUntil = std::nullopt;
    // Added with pausedUntil's rule, so that the widget says what the panel says: when a break that was put
    // off comes back, when the break on screen ends, when a break that waits for a pause comes at the latest,
    // what holds a due break back (quietReason: "call" or "fullScreen"), and meeting mode (only while on).
    std::optional<qint64> postponedUntil = std::nullopt;
    std::optional<qint64> breakEndsAt = std::nullopt;
    std::optional<qint64> breakAtPauseBy = std::nullopt;
    std::optional<ReminderState::Quiet> quietReason = std::nullopt;
    bool meeting = false;
    // The language chosen in Tavrin ("zh_CN", "en"); absent: the desktop's.
    std::optional<QString> language = std::nullopt;

    bool operator==(const WidgetSnapshot&) const = default;

    // Whole minutes until continuous work reaches the work period, rounded up, never negative.
    qint64 minutesUntilBreak() const;
    // Today's active time: "45 分钟" below an hour, "1 小时 5 分" from an hour on.
    QString workedText() const;
    // More than 180 seconds after updatedAt (or before it); exactly 180 is still current.
    bool isStale(const QDateTime& at) const;
    // Reminders are paused at that instant.
    bool isPaused(const QDateTime& at) const;

    // The facts above, for the one table of words; the countdown is minutesUntilBreak().
    ReminderState reminder() const;
    void setReminder(const ReminderState& reminder);

    static QString modeRawValue(Mode mode);
    static std::optional<Mode> modeFromRawValue(const QString& text);

    // Compact JSON; updatedAt as seconds since 1970 with a fraction; the optional members only while they
    // hold something.
    QByteArray toJson() const;
    // Strict: all seven members with their types are required, and figures must lie within what Tavrin
    // writes (a percentage from 0 to 100, periods from 0 to a billion seconds); a pausedUntil that is not
    // whole seconds is read as no pause, and so on for each optional member; other members are ignored.
    static std::optional<WidgetSnapshot> fromJson(const QByteArray& data);
};
