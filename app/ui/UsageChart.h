// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UsageChartData.h"

#include <QChartView>

class QAreaSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The day's fatigue curve: an accent area under a line with dots, one point per hour up to the current
// hour, a dashed marker at the current hour, hours 0…24 along the bottom and 0%…100% at the left.
// Colours are taken from the palette each time it changes.
class UsageChart final : public QChartView
{
    Q_OBJECT

public:
    explicit UsageChart(QWidget* parent = nullptr);

    void setValues(const QList<double>& values, int currentHour);
    const QList<UsagePoint>& points() const { return m_points; }
    int currentHour() const { return m_currentHour; }

    // The area and the line share this, set explicitly on both: straight segments between the hours.
    static constexpr bool kLinearInterpolation = true;
    // Room below 0 % (and, scaled, before midnight) for the dots, in percentage points.
    static constexpr double kDotRoom = 2.5;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColours();

    QLineSeries* m_line;
    QLineSeries* m_areaEdge;
    QLineSeries* m_areaBase;
    QAreaSeries* m_area;
    QScatterSeries* m_pastDots;
    QScatterSeries* m_currentDot;
    QLineSeries* m_currentHourRule;
    QValueAxis* m_hours;
    QValueAxis* m_percent;
    QList<UsagePoint> m_points;
    int m_currentHour = -1;
};
