// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartPlot.h"

#include "ThemeColors.h"

#include <QPainter>
#include <QPalette>
#include <QToolTip>

namespace ChartPlot {

Colours Colours::of(const QPalette& palette)
{
    const QColor accent = ThemeColors::accent(palette);
    return {accent, ThemeColors::secondaryText(palette), ThemeColors::withAlpha(accent, 0.11)};
}

void drawValueAxis(QPainter& painter, const QRectF& plot, const QList<Tick>& ticks, Qt::Edge side, double gutter,
                   const Colours& colours, bool gridLines)
{
    painter.save();
    for (const Tick& tick : ticks) {
        const double y = plot.bottom() - plot.height() * tick.fraction;
        if (gridLines) {
            painter.setPen(QPen(colours.grid, 1));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        painter.setPen(colours.secondary);
        const QRectF box = side == Qt::LeftEdge ? QRectF(plot.left() - gutter, y - 8, gutter - 8, 16)
                                                : QRectF(plot.right() + 8, y - 8, gutter - 8, 16);
        painter.drawText(box, (side == Qt::LeftEdge ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, tick.text);
    }
    painter.restore();
}

void showTip(QWidget* chart, const QPoint& globalPosition, const QString& text)
{
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(globalPosition, text, chart);
    }
}

} // namespace ChartPlot
