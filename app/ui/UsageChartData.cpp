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

} // namespace UsageChartData
