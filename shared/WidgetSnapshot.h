// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

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
    QDateTime updatedAt;
    // The end of a pause of reminders (seconds since 1970), while there is one. Added later: files
    // without it are read as not paused, and readers that do not know it ignore it.
    std::optional<qint64> pausedUntil;

    bool operator==(const WidgetSnapshot&) const = default;

    // Whole minutes until continuous work reaches the work period, rounded up, never negative.
    qint64 minutesUntilBreak() const;
    // Today's active time: "45 分钟" below an hour, "1 小时 5 分" from an hour on.
    QString workedText() const;
    // More than 180 seconds after updatedAt (or before it); exactly 180 is still current.
    bool isStale(const QDateTime& at) const;
    // Reminders are paused at that instant.
    bool isPaused(const QDateTime& at) const;

    static QString modeRawValue(Mode mode);
    static std::optional<Mode> modeFromRawValue(const QString& text);

    // Compact JSON; updatedAt as seconds since 1970 with a fraction; pausedUntil only while there is one.
    QByteArray toJson() const;
    // Strict: all seven members with their types are required, and figures must lie within what Tavrin
    // writes (a percentage from 0 to 100, periods from 0 to a billion seconds); a pausedUntil that is not
    // whole seconds is read as no pause; other members are ignored.
    static std::optional<WidgetSnapshot> fromJson(const QByteArray& data);
};
