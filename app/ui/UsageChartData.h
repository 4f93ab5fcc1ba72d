// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChartPlot.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>

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
// Room below 0 % (and, scaled, before midnight) for the dots, in percentage points: a dot at midnight or
// at 0 % is drawn whole.
inline constexpr double kDotRoom = 2.5;

// Where everything of the chart goes in a widget of the given size, with labels of the given extent (the
// widest percent label and the line height).
struct Geometry
{
    QRectF plot;
    // The 0 % line, a little above the plot's bottom: the area under the curve and the marker start there.
    double zeroY = 0;
    // The curve through the hours, left to right.
    QList<QPointF> curve;
    struct Dot
    {
        QPointF centre;
        double diameter = 0;

        bool operator==(const Dot&) const = default;
    };
    QList<Dot> dots;
    // The dashed marker of the current hour, from 0 % to 100 %.
    std::optional<double> markerX;
    // The hours along the bottom (every second one, 0 to 24): where their labels are centred.
    QList<std::pair<double, QString>> hourLabels;
    // 0 % to 100 % in steps of 20, with grid lines.
    QList<ChartPlot::Tick> percentTicks;
    double percentGutter = 0;
};
Geometry geometry(const QList<UsagePoint>& points, int currentHour, const QSizeF& size, const QSizeF& label);

} // namespace UsageChartData
