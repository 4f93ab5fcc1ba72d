// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestGlyphView.h"

#include <QPainter>

RestGlyphView::RestGlyphView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(44, 34);
    setAttribute(Qt::WA_TranslucentBackground);
}

void RestGlyphView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor::fromRgbF(1, 1, 1, 0.92f), 2.5);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const qreal midX = width() / 2.0;
    const qreal h = height();
    // Measured from the bottom edge upwards: the head 3 to 15 high, the arc centred 9 high.
    painter.drawEllipse(QRectF(midX - 6, h - 15, 12, 12));
    const QPointF centre(midX, h - 9);
    painter.drawArc(QRectF(centre.x() - 17, centre.y() - 17, 34, 34), 25 * 16, 130 * 16);
}
