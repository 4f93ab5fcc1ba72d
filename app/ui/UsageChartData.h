// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// One plotted hour of the day's fatigue curve.
struct UsagePoint
{
    int hour = 0;
    double value = 0;

    bool operator==(const UsagePoint&) const = default;
};

namespace UsageChartData {

// One point per hour from midnight up to the current hour: missing hours are zero, values are clamped
// to 0…100, hours after the current one are not plotted.
QList<UsagePoint> points(const QList<double>& values, int currentHour);

// The dot's area in square points: 100 at the current hour, 32 for a past hour above zero, 0 (no dot)
// for a past hour at zero.
int symbolSize(const UsagePoint& point, int currentHour);
// The dot's diameter in pixels for a symbol area: a circle of that area.
double symbolDiameter(int symbolSize);

inline constexpr int kCurrentHourSymbol = 100;
inline constexpr int kPastHourSymbol = 32;

} // namespace UsageChartData
