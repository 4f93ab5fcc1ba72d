// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// The stored history read back by day, for the history window and the export. Reads only; a store that
// cannot answer gives nothing (and logs why).
class UsageHistory
{
public:
    struct Day
    {
        QString day; // "yyyy-MM-dd", local
        double activeSeconds = 0;
        double fatiguePeak = 0;
    };
    struct Break
    {
        QDateTime startedAt; // UTC
        bool skipped = false;
        bool postponed = false;
    };

    virtual ~UsageHistory() = default;

    // The days from first to last (inclusive) that have usage rows, in order.
    virtual std::vector<Day> dailyUsage(const QString& firstDay, const QString& lastDay) = 0;
    // The breaks that started from `from` (inclusive) to `to` (exclusive), in order.
    virtual std::vector<Break> breaksStarted(const QDateTime& from, const QDateTime& to) = 0;
    // When the micro-pauses taken from `from` (inclusive) to `to` (exclusive) started, in order.
    virtual std::vector<QDateTime> microPausesTaken(const QDateTime& from, const QDateTime& to) = 0;
    // Writes usage.csv, breaks.csv and micro_pauses.csv into the folder; false with a reason when it could not.
    virtual bool exportCsv(const QString& folder, QString* error) = 0;
};
