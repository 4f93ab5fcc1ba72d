// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryModel.h"

#include <QWidget>

// The period's days side by side: a bar of active time per day (hours at the left), the day's fatigue
// peak as a dot over it (percent at the right), dates along the bottom. A day without use keeps its
// place with a short mark on the baseline. Hovering a day shows its figures. Drawn with the palette in
// force, so it follows a light/dark switch.
class HistoryChart final : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryChart(QWidget* parent = nullptr);

    void setDays(std::vector<HistoryModel::Day> days);
    const std::vector<HistoryModel::Day>& days() const { return m_days; }
    // The hours at the top of the left axis: whole, even above six, at least two.
    int topHours() const { return m_topHours; }
    // The day under a point of the widget, if any.
    std::optional<std::size_t> dayAt(const QPoint& point) const;
    QRectF barRect(std::size_t index) const;

    QSize minimumSizeHint() const override { return {480, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRectF plotArea() const;
    double slotWidth() const;

    std::vector<HistoryModel::Day> m_days;
    int m_topHours = 2;
    std::optional<std::size_t> m_hovered;
};
