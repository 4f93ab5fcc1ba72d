// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryChart.h"

#include "ChartPlot.h"
#include "TavrinFont.h"
#include "ThemeColors.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryChart)
};

const QColor kPeakColour(0xFF, 0x95, 0x00);
constexpr double kLeft = 40;
constexpr double kRight = 44;
constexpr double kTop = 28;
constexpr double kBottom = 30;

// Every day for a week, then every fifth or fifteenth, so that the dates never run into each other.
int labelStride(std::size_t days)
{
    return days <= 7 ? 1 : days <= 31 ? 5 : 15;
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(Texts::tr("每日使用时长与疲劳峰值"));
    setFont(TavrinFont::make(11));
}

void HistoryChart::setDays(std::vector<HistoryModel::Day> days)
{
    m_days = std::move(days);
    double most = 0;
    for (const auto& day : m_days) {
        most = std::max(most, day.activeSeconds);
    }
    const int hours = std::max(2, static_cast<int>(std::ceil(std::min(most, 24.0 * 3600) / 3600.0)));
    m_topHours = hours > 6 ? hours + hours % 2 : hours;
    m_hovered.reset();
    update();
}

QRectF HistoryChart::plotArea() const
{
    return QRectF(rect()).adjusted(kLeft, kTop, -kRight, -kBottom);
}

double HistoryChart::slotWidth() const
{
    return m_days.empty() ? 0 : plotArea().width() / static_cast<double>(m_days.size());
}

QRectF HistoryChart::barRect(std::size_t index) const
{
    const QRectF area = plotArea();
    const double slot = slotWidth();
    const double width = std::max(2.0, slot * 0.62);
    const double hours = std::min(m_days[index].activeSeconds / 3600.0, double(m_topHours));
    const double height = area.height() * hours / m_topHours;
    return {area.left() + slot * double(index) + (slot - width) / 2, area.bottom() - height, width, height};
}

std::optional<std::size_t> HistoryChart::dayAt(const QPoint& point) const
{
    const QRectF area = plotArea();
    if (m_days.empty() || point.x() < area.left() || point.x() >= area.right() || point.y() < area.top() ||
        point.y() > area.bottom() + kBottom) {
        return std::nullopt;
    }
    return std::min(m_days.size() - 1, static_cast<std::size_t>((point.x() - area.left()) / slotWidth()));
}

QString HistoryChart::accessibleItemText(int index) const
{
    return HistoryModel::dayDetails(m_days[static_cast<std::size_t>(index)]);
}

QRect HistoryChart::accessibleItemRect(int index) const
{
    const QRectF area = plotArea();
    return QRectF(area.left() + slotWidth() * index, area.top(), slotWidth(), area.height()).toAlignedRect();
}

void HistoryChart::choose(std::size_t index)
{
    m_hovered = index;
    update();
    const QRect slot = accessibleItemRect(static_cast<int>(index));
    ChartPlot::showTip(this, mapToGlobal(QPoint(slot.center().x(), slot.top())),
                       accessibleItemText(static_cast<int>(index)));
    Accessibility::itemFocused(this, static_cast<int>(index));
}

void HistoryChart::keyPressEvent(QKeyEvent* event)
{
    if (m_days.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const std::size_t last = m_days.size() - 1;
    const std::size_t at = m_hovered.value_or(last);
    switch (event->key()) {
    case Qt::Key_Left:
        choose(at == 0 ? 0 : at - 1);
        break;
    case Qt::Key_Right:
        choose(std::min(at + 1, last));
        break;
    case Qt::Key_Home:
        choose(0);
        break;
    case Qt::Key_End:
        choose(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void HistoryChart::focusInEvent(QFocusEvent* event)
{
    // Today first: the day a person most often looks for.
    if (!m_days.empty()) {
        choose(m_hovered.value_or(m_days.size() - 1));
    }
    QWidget::focusInEvent(event);
}

void HistoryChart::focusOutEvent(QFocusEvent* event)
{
    m_hovered.reset();
    ChartPlot::showTip(this, {}, QString());
    update();
    QWidget::focusOutEvent(event);
}

void HistoryChart::mouseMoveEvent(QMouseEvent* event)
{
    const auto day = dayAt(event->position().toPoint());
    if (day != m_hovered) {
        m_hovered = day;
        update();
    }
    ChartPlot::showTip(this, event->globalPosition().toPoint(),
                       day ? HistoryModel::dayDetails(m_days[*day]) : QString());
}

void HistoryChart::leaveEvent(QEvent* event)
{
    m_hovered.reset();
    update();
    QWidget::leaveEvent(event);
}

void HistoryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = plotArea();
    const ChartPlot::Colours colours = ChartPlot::Colours::of(palette());
    const QColor& accent = colours.accent;
    const QColor& secondary = colours.secondary;
    const QFontMetricsF metrics(font());
    if (hasFocus()) {
        painter.setPen(QPen(ThemeColors::withAlpha(accent, 0.6), 1.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 7, 7);
    }

    // Axes: hours at the left, percent at the right, on the same grid lines.
    const int step = m_topHours <= 6 ? 1 : m_topHours <= 12 ? 2 : 4;
    painter.setPen(secondary);
    painter.drawText(QRectF(0, 0, kLeft + 40, kTop - 8), Qt::AlignLeft | Qt::AlignBottom, Texts::tr("小时"));
    painter.drawText(QRectF(width() - kRight - 60, 0, kRight + 60, kTop - 8), Qt::AlignRight | Qt::AlignBottom,
                     Texts::tr("疲劳峰值"));
    QList<ChartPlot::Tick> hours;
    for (int hour = 0; hour <= m_topHours; hour += step) {
        hours.append({double(hour) / m_topHours, QString::number(hour)});
    }
    ChartPlot::drawValueAxis(painter, area, hours, Qt::LeftEdge, kLeft, colours, true);
    ChartPlot::drawValueAxis(painter, area,
                             {{0, QStringLiteral("0%")}, {0.5, QStringLiteral("50%")}, {1, QStringLiteral("100%")}},
                             Qt::RightEdge, kRight, colours, false);

    const double slot = slotWidth();
    const int stride = labelStride(m_days.size());
    QPainterPath peaks;
    bool drawing = false;
    for (std::size_t i = 0; i < m_days.size(); ++i) {
        const HistoryModel::Day& day = m_days[i];
        const double centre = area.left() + slot * (double(i) + 0.5);
        if (m_hovered == i) {
            painter.fillRect(QRectF(area.left() + slot * double(i), area.top(), slot, area.height()),
                             ThemeColors::withAlpha(accent, 0.08));
        }
        const bool today = i + 1 == m_days.size();
        if (day.hasUsage()) {
            const QRectF bar = barRect(i);
            const double radius = std::min(3.0, bar.width() / 2);
            QPainterPath shape;
            shape.addRoundedRect(bar.adjusted(0, 0, 0, radius), radius, radius);
            painter.save();
            painter.setClipRect(QRectF(area.left(), area.top() - 1, area.width(), area.height() + 1));
            painter.fillPath(shape, ThemeColors::withAlpha(accent, today ? 1.0 : 0.72));
            painter.restore();
            const QPointF peak(centre, area.bottom() - area.height() * std::clamp(day.fatiguePeak, 0.0, 100.0) / 100);
            drawing ? peaks.lineTo(peak) : peaks.moveTo(peak);
            drawing = true;
        } else {
            // Kept in its place: a short mark where the bar would stand.
            drawing = false;
            painter.setPen(QPen(ThemeColors::withAlpha(secondary, 0.5), 1.5, Qt::SolidLine, Qt::RoundCap));
            const double half = std::max(1.0, slot * 0.2);
            painter.drawLine(QPointF(centre - half, area.bottom() - 1), QPointF(centre + half, area.bottom() - 1));
        }
        // Counted back from today, so that today always has its label.
        if ((m_days.size() - 1 - i) % std::size_t(stride) == 0) {
            const QString text =
                today ? Texts::tr("今天") : QStringLiteral("%1/%2").arg(day.date.month()).arg(day.date.day());
            const double textWidth = metrics.horizontalAdvance(text) + 4;
            painter.setPen(secondary);
            painter.drawText(QRectF(centre - textWidth / 2, area.bottom() + 8, textWidth, kBottom - 8),
                             Qt::AlignHCenter | Qt::AlignTop, text);
        }
    }
    // The fatigue peaks: a thin line through the days in use, a dot on each.
    painter.setPen(QPen(ThemeColors::withAlpha(kPeakColour, 0.7), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(peaks);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPeakColour);
    const double dot = std::clamp(slot * 0.18, 2.5, 4.0);
    for (std::size_t i = 0; i < m_days.size(); ++i) {
        if (m_days[i].hasUsage()) {
            const double centre = area.left() + slot * (double(i) + 0.5);
            const double y = area.bottom() - area.height() * std::clamp(m_days[i].fatiguePeak, 0.0, 100.0) / 100;
            painter.drawEllipse(QPointF(centre, y), dot, dot);
        }
    }
}
