// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsageChart.h"

#include "TavrinFont.h"
#include "ThemeColors.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UsageChart)
};

} // namespace

UsageChart::UsageChart(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(Texts::tr("今日疲劳曲线"));
    setMinimumHeight(240);
    setMouseTracking(true);
    setFont(TavrinFont::make(11, QFont::Medium));
}

void UsageChart::setValues(const QList<double>& values, int currentHour)
{
    QList<UsagePoint> points = UsageChartData::points(values, currentHour);
    if (points == m_points && currentHour == m_currentHour) {
        return;
    }
    m_points = std::move(points);
    m_currentHour = currentHour;
    update();
}

UsageChartData::Geometry UsageChart::plotGeometry() const
{
    const QFontMetricsF metrics(font());
    return UsageChartData::geometry(m_points, m_currentHour, size(),
                                    QSizeF(metrics.horizontalAdvance(QStringLiteral("100%")), metrics.height()));
}

int UsageChart::accessibleItemCount() const
{
    return static_cast<int>(m_points.size()) + (m_currentHour >= 0 ? 1 : 0);
}

QString UsageChart::accessibleItemText(int index) const
{
    if (index == m_points.size()) {
        return Texts::tr("当前时间");
    }
    const UsagePoint& point = m_points[index];
    return Texts::tr("%1:00 · 疲劳 %2%").arg(point.hour, 2, 10, QLatin1Char('0')).arg(std::lround(point.value));
}

QRect UsageChart::accessibleItemRect(int index) const
{
    const UsageChartData::Geometry layout = plotGeometry();
    if (index < layout.curve.size()) {
        return QRectF(layout.curve[index] - QPointF(5, 5), QSizeF(10, 10)).toAlignedRect();
    }
    const double x = layout.markerX.value_or(layout.plot.right());
    return QRectF(x - 2, layout.plot.top(), 4, layout.zeroY - layout.plot.top()).toAlignedRect();
}

void UsageChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const UsageChartData::Geometry layout = plotGeometry();
    const ChartPlot::Colours colours = ChartPlot::Colours::of(palette());
    const QRectF& plot = layout.plot;

    ChartPlot::drawValueAxis(painter, plot, layout.percentTicks, Qt::LeftEdge, layout.percentGutter, colours, true);
    painter.setPen(colours.secondary);
    for (const auto& [x, text] : layout.hourLabels) {
        painter.drawText(QRectF(x - 20, plot.bottom() + 5, 40, plot.height()), Qt::AlignHCenter | Qt::AlignTop, text);
    }

    if (layout.markerX) {
        QPen rule(ThemeColors::withAlpha(colours.accent, 0.3), 1.5, Qt::CustomDashLine, Qt::FlatCap);
        // Dash lengths are in units of the pen width: 5 px on, 5 px off.
        rule.setDashPattern({5 / 1.5, 5 / 1.5});
        painter.setPen(rule);
        painter.drawLine(QPointF(*layout.markerX, layout.zeroY), QPointF(*layout.markerX, plot.top()));
    }
    if (layout.curve.isEmpty()) {
        return;
    }
    // The area under the curve down to 0 %, fading toward it; the line over it; the dots over both.
    QPainterPath line;
    line.moveTo(layout.curve.first());
    for (qsizetype i = 1; i < layout.curve.size(); ++i) {
        line.lineTo(layout.curve[i]);
    }
    QPainterPath area = line;
    area.lineTo(layout.curve.last().x(), layout.zeroY);
    area.lineTo(layout.curve.first().x(), layout.zeroY);
    area.closeSubpath();
    const QRectF bounds = area.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, ThemeColors::withAlpha(colours.accent, 0.24));
    fill.setColorAt(1, ThemeColors::withAlpha(colours.accent, 0.02));
    painter.fillPath(area, fill);
    painter.setPen(QPen(colours.accent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    // Outlined in the same colour, as a marker with a border: a pixel wider than its area alone.
    painter.setPen(QPen(colours.accent, 1));
    painter.setBrush(colours.accent);
    for (const UsageChartData::Geometry::Dot& dot : layout.dots) {
        painter.drawEllipse(dot.centre, dot.diameter / 2, dot.diameter / 2);
    }
}

void UsageChart::mouseMoveEvent(QMouseEvent* event)
{
    // The hour nearest the pointer, of those plotted.
    const UsageChartData::Geometry layout = plotGeometry();
    QString text;
    if (!layout.curve.isEmpty() && layout.plot.adjusted(-8, -8, 8, 8).contains(event->position())) {
        const double step = layout.curve.size() > 1 ? layout.curve[1].x() - layout.curve[0].x() : layout.plot.width();
        const auto index = static_cast<qsizetype>(std::lround((event->position().x() - layout.curve[0].x()) / step));
        if (index >= 0 && index < m_points.size()) {
            text = accessibleItemText(static_cast<int>(index));
        }
    }
    ChartPlot::showTip(this, event->globalPosition().toPoint(), text);
}

void UsageChart::leaveEvent(QEvent* event)
{
    ChartPlot::showTip(this, {}, QString());
    QWidget::leaveEvent(event);
}
