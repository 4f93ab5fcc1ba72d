// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

// The history that AppState keeps: active seconds and fatigue peaks per day and hour, and the breaks.
// The usage database provides it; failures are logged there, never thrown.
class UsageStore
{
public:
    using HourlyValues = std::array<double, 24>;

    virtual ~UsageStore() = default;

    // True when the row reached the store.
    virtual bool addUsage(const QString& day, int hour, double seconds, double fatiguePeak) = 0;
    // A postponed break is also skipped: it did not happen then.
    virtual bool recordBreak(const QDateTime& startedAt, const QDateTime& endedAt, bool skipped, bool postponed,
                             const QString& trigger) = 0;
    // A micro-pause shown, taken or missed.
    virtual bool recordMicroPause(const QDateTime& startedAt, const QDateTime& endedAt, bool taken) = 0;
    virtual std::optional<HourlyValues> hourlySeconds(const QString& day) = 0;
    virtual std::optional<HourlyValues> hourlyFatiguePeaks(const QString& day) = 0;
    virtual std::optional<double> totalSeconds(const QString& day) = 0;
    // Why the last write was refused, for the person: the file and the reason.
    virtual QString lastError() const { return {}; }
};
