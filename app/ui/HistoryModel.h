// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LocalCalendar.h"
#include "UsageHistory.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The history window's figures: one entry per day of the period (days without rows too), today with
// the live figures AppState has not stored yet, and the period's summary.
namespace HistoryModel {

struct Day
{
    QDate date;
    double activeSeconds = 0;
    double fatiguePeak = 0;
    int completed = 0;
    int skipped = 0;     // skipped without being put off
    int postponed = 0;   // put off (a later break of the same due time may follow)
    int microPauses = 0; // micro-pauses taken
    bool hasUsage() const { return activeSeconds > 0; }
};

struct Summary
{
    // Over the days with any use.
    std::optional<double> averageSeconds;
    // Completed over completed and skipped; a break put off is neither, it comes back.
    std::optional<double> completionRate;
    std::optional<Day> longestDay;
};

struct Report
{
    std::vector<Day> days; // oldest first, today last
    Summary summary;
};

// What today has so far, from AppState (stored and pending seconds).
struct Today
{
    double activeSeconds = 0;
    double fatiguePeak = 0;
};

inline constexpr int kPeriods[] = {7, 30, 90};

// Queries the store for the `days` days ending with today.
Report build(UsageHistory& store, const LocalCalendar& calendar, const QDateTime& now, int days, const Today& today);
Summary summarize(const std::vector<Day>& days);

// "12月7日"
QString dayText(const QDate& date);
// "85%", or "—" when there is nothing to count.
QString rateText(std::optional<double> rate);
// The tooltip of a day: date, active time, fatigue peak, breaks.
QString dayDetails(const Day& day);

} // namespace HistoryModel
