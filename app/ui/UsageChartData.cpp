// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsageChartData.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace UsageChartData {

QList<UsagePoint> points(const QList<double>& values, int currentHour)
{
    QList<UsagePoint> result;
    const int last = std::clamp(currentHour, 0, 23);
    result.reserve(last + 1);
    for (int hour = 0; hour <= last; ++hour) {
        const double value = hour < values.size() ? values.at(hour) : 0.0;
        // NaN is not a fatigue: plot it as nothing rather than let it poison the axis range.
        result.append({hour, std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 100.0)});
    }
    return result;
}

int symbolSize(const UsagePoint& point, int currentHour)
{
    if (point.hour == currentHour) {
        return kCurrentHourSymbol;
    }
    return point.value > 0 ? kPastHourSymbol : 0;
}

double symbolDiameter(int symbolSize)
{
    return 2 * std::sqrt(symbolSize / std::numbers::pi);
}

Geometry geometry(const QList<UsagePoint>& points, int currentHour, const QSizeF& size, const QSizeF& label)
{
    Geometry result;
    result.percentGutter = label.width() + 14;
    // Room above 100 % for its label, a row under the hours for theirs, half a "24" at the right.
    result.plot =
        QRectF(QPointF(0, 0), size)
            .adjusted(result.percentGutter, label.height() / 2 + 10, -(label.width() / 2 + 9), -(label.height() + 16));
    const QRectF& plot = result.plot;
    const double firstHour = -kDotRoom * 24 / 100;
    const auto x = [&](double hour) { return plot.left() + (hour - firstHour) / (24 - firstHour) * plot.width(); };
    const auto y = [&](double percent) {
        return plot.bottom() - (percent + kDotRoom) / (100 + kDotRoom) * plot.height();
    };
    result.zeroY = y(0);
    for (const UsagePoint& point : points) {
        const QPointF at(x(point.hour), y(point.value));
        result.curve.append(at);
        if (const int symbol = symbolSize(point, currentHour); symbol > 0) {
            result.dots.append({at, symbolDiameter(symbol)});
        }
    }
    if (currentHour >= 0 && currentHour <= 24) {
        result.markerX = x(currentHour);
    }
    for (int hour = 0; hour <= 24; hour += 2) {
        result.hourLabels.append({x(hour), QString::number(hour)});
    }
    for (int percent = 0; percent <= 100; percent += 20) {
        result.percentTicks.append({(percent + kDotRoom) / (100 + kDotRoom), QString::number(percent) + u'%'});
    }
    return result;
}

} // namespace UsageChartData
