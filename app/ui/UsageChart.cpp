// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsageChart.h"

#include "TavrinFont.h"
#include "ThemeColors.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

UsageChart::UsageChart(QWidget* parent)
    : QChartView(parent)
    , m_line(new QLineSeries)
    // The area series only points at its edges; the view owns them.
    , m_areaEdge(new QLineSeries(this))
    , m_areaBase(new QLineSeries(this))
    , m_area(new QAreaSeries(m_areaEdge, m_areaBase))
    , m_pastDots(new QScatterSeries)
    , m_currentDot(new QScatterSeries)
    , m_currentHourRule(new QLineSeries)
    , m_hours(new QValueAxis)
    , m_percent(new QValueAxis)
{
    setAccessibleName(QStringLiteral("今日疲劳曲线"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(240);
    setFrameShape(QFrame::NoFrame);
    // The card shows through. No style sheet: it would fix the palette and hide appearance changes.
    setBackgroundBrush(Qt::NoBrush);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);

    // The view's own chart: setChart() would release it to nobody.
    QChart* chart = this->chart();
    chart->setBackgroundVisible(false);
    chart->setPlotAreaBackgroundVisible(false);
    chart->legend()->hide();
    chart->setMargins(QMargins(0, 0, 8, 0));
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);

    m_area->setName(QStringLiteral("疲劳值"));
    m_line->setName(QStringLiteral("疲劳值"));
    m_currentHourRule->setName(QStringLiteral("当前时间"));
    m_pastDots->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_currentDot->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_pastDots->setMarkerSize(UsageChartData::symbolDiameter(UsageChartData::kPastHourSymbol));
    m_currentDot->setMarkerSize(UsageChartData::symbolDiameter(UsageChartData::kCurrentHourSymbol));
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{m_area, m_line, m_currentHourRule, m_pastDots, m_currentDot}) {
        chart->addSeries(series);
    }

    // The ranges reach a little beyond 0 so that a dot at midnight or at 0 % is drawn whole, not cut by the
    // plot area; the ticks stay on the hours and the percentages.
    m_hours->setRange(-kDotRoom * 24 / 100, 24);
    m_hours->setTickType(QValueAxis::TicksDynamic);
    m_hours->setTickAnchor(0);
    m_hours->setTickInterval(2);
    m_hours->setLabelFormat(QStringLiteral("%d"));
    m_hours->setGridLineVisible(false);
    m_hours->setMinorGridLineVisible(false);
    m_percent->setRange(-kDotRoom, 100);
    m_percent->setTickType(QValueAxis::TicksDynamic);
    m_percent->setTickAnchor(0);
    m_percent->setTickInterval(20);
    m_percent->setLabelFormat(QStringLiteral("%d%%"));
    m_percent->setMinorGridLineVisible(false);
    chart->addAxis(m_hours, Qt::AlignBottom);
    chart->addAxis(m_percent, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(m_hours);
        series->attachAxis(m_percent);
    }
    applyColours();
}

void UsageChart::setValues(const QList<double>& values, int currentHour)
{
    QList<UsagePoint> points = UsageChartData::points(values, currentHour);
    if (points == m_points && currentHour == m_currentHour) {
        return;
    }
    m_points = std::move(points);
    m_currentHour = currentHour;

    QList<QPointF> curve;
    QList<QPointF> base;
    QList<QPointF> past;
    QList<QPointF> current;
    for (const UsagePoint& point : m_points) {
        const QPointF at(point.hour, point.value);
        curve.append(at);
        base.append(QPointF(point.hour, 0));
        const int size = UsageChartData::symbolSize(point, currentHour);
        if (size == UsageChartData::kCurrentHourSymbol) {
            current.append(at);
        } else if (size == UsageChartData::kPastHourSymbol) {
            past.append(at);
        }
    }
    m_line->replace(curve);
    m_areaEdge->replace(curve);
    m_areaBase->replace(base);
    m_pastDots->replace(past);
    m_currentDot->replace(current);
    m_currentHourRule->replace({QPointF(currentHour, 0), QPointF(currentHour, 100)});
}

void UsageChart::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColours();
    }
}

void UsageChart::applyColours()
{
    const QColor accent = ThemeColors::accent(palette());

    QLinearGradient fill(0, 0, 0, 1);
    fill.setCoordinateMode(QGradient::ObjectBoundingMode);
    fill.setColorAt(0, ThemeColors::withAlpha(accent, 0.24));
    fill.setColorAt(1, ThemeColors::withAlpha(accent, 0.02));
    m_area->setBrush(fill);
    m_area->setPen(Qt::NoPen);

    QPen line(accent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    m_line->setPen(line);

    for (QScatterSeries* dots : {m_pastDots, m_currentDot}) {
        dots->setColor(accent);
        dots->setBorderColor(accent);
    }

    QPen rule(ThemeColors::withAlpha(accent, 0.3), 1.5, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    // Dash lengths are in units of the pen width: 5 px on, 5 px off.
    rule.setDashPattern({5 / 1.5, 5 / 1.5});
    m_currentHourRule->setPen(rule);

    const QFont labels = TavrinFont::make(11, QFont::Medium);
    const QColor secondary = ThemeColors::secondaryText(palette());
    for (QValueAxis* axis : {m_hours, m_percent}) {
        axis->setLabelsFont(labels);
        axis->setLabelsColor(secondary);
        axis->setLinePen(Qt::NoPen);
        axis->setShadesVisible(false);
    }
    m_percent->setGridLinePen(QPen(ThemeColors::withAlpha(accent, 0.11), 1));
}
