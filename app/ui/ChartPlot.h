// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QPalette;
class QWidget;

// What Tavrin's painted charts (the day's fatigue curve, the history's days) have in common: their colours,
// the value axes with their grid, and the tooltip of the place under the pointer. Each chart draws only
// what is its own.
namespace ChartPlot {

struct Colours
{
    QColor accent;
    QColor secondary;
    QColor grid;

    static Colours of(const QPalette& palette);
};

// A label on a value axis: where along the axis (0 at the bottom of the plot, 1 at the top) and its text.
struct Tick
{
    double fraction = 0;
    QString text;

    bool operator==(const Tick&) const = default;
};

// Labels beside the plot, right-aligned in the gutter at the left or left-aligned in the one at the right,
// centred on their heights; with grid lines across the plot when asked.
void drawValueAxis(QPainter& painter, const QRectF& plot, const QList<Tick>& ticks, Qt::Edge side, double gutter,
                   const Colours& colours, bool gridLines);
// Shows the text as the tooltip at the pointer, or hides the tooltip for an empty text.
void showTip(QWidget* chart, const QPoint& globalPosition, const QString& text);

} // namespace ChartPlot
