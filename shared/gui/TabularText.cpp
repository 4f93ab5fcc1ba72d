// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabularText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace TabularText {

namespace {

qreal digitAdvance(const QFontMetricsF& metrics)
{
    qreal widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
    }
    return widest;
}

} // namespace

qreal width(const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal digit = digitAdvance(metrics);
    qreal total = 0;
    for (const QChar c : text) {
        total += c.isDigit() ? digit : metrics.horizontalAdvance(c);
    }
    return total;
}

void draw(QPainter& painter, const QPointF& topLeft, const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal digit = digitAdvance(metrics);
    painter.setFont(font);
    QPointF pen(topLeft.x(), topLeft.y() + metrics.ascent());
    for (const QChar c : text) {
        const qreal own = metrics.horizontalAdvance(c);
        if (c.isDigit()) {
            // Each digit centred in the common advance.
            painter.drawText(pen + QPointF((digit - own) / 2, 0), QString(c));
            pen.rx() += digit;
        } else {
            painter.drawText(pen, QString(c));
            pen.rx() += own;
        }
    }
}

} // namespace TabularText
