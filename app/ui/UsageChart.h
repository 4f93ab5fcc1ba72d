// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Accessibility.h"
#include "UsageChartData.h"

#include <QWidget>

// The day's fatigue curve: an accent area under a line with dots, one point per hour up to the current
// hour, a dashed marker at the current hour, hours 0…24 along the bottom and 0%…100% at the left. Hovering
// an hour shows its fatigue. Painted with the palette in force, so it follows a light/dark switch. Assistive
// technology reads each hour's fatigue and the current hour's marker.
class UsageChart final : public QWidget, public AccessibleItems
{
    Q_OBJECT

public:
    explicit UsageChart(QWidget* parent = nullptr);

    void setValues(const QList<double>& values, int currentHour);
    const QList<UsagePoint>& points() const { return m_points; }
    int currentHour() const { return m_currentHour; }
    UsageChartData::Geometry plotGeometry() const;

    QSize minimumSizeHint() const override { return {320, 240}; }

    int accessibleItemCount() const override;
    QString accessibleItemText(int index) const override;
    QRect accessibleItemRect(int index) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QList<UsagePoint> m_points;
    int m_currentHour = -1;
};
