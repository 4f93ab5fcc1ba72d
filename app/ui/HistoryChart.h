// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Accessibility.h"
#include "HistoryModel.h"

#include <QWidget>

// The period's days side by side: a bar of active time per day (hours at the left), the day's fatigue
// peak as a dot over it (percent at the right), dates along the bottom. A day without use keeps its
// place with a short mark on the baseline. Hovering a day shows its figures. Drawn with the palette in
// force, so it follows a light/dark switch. From the keyboard, the arrow keys, Home and End go from day to day
// with the same figures; assistive technology reads every day's.
class HistoryChart final : public QWidget, public AccessibleItems
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

    int accessibleItemCount() const override { return static_cast<int>(m_days.size()); }
    QString accessibleItemText(int index) const override;
    QRect accessibleItemRect(int index) const override;
    int accessibleCurrentItem() const override { return m_hovered ? static_cast<int>(*m_hovered) : -1; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRectF plotArea() const;
    double slotWidth() const;
    void choose(std::size_t index);

    std::vector<HistoryModel::Day> m_days;
    int m_topHours = 2;
    std::optional<std::size_t> m_hovered;
};
