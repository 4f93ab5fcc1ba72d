// SPDX-License-Identifier: GPL-3.0-or-later
#include "PillButton.h"

#include "TavrinFont.h"

#include <QFontMetricsF>
#include <QPainter>

PillButton::PillButton(const QString& title, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(title);
    setFont(TavrinFont::make(13));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

QSize PillButton::sizeHint() const
{
    // The title's own width with a little inset, plus 16 on each side.
    return {qCeil(QFontMetricsF(font()).horizontalAdvance(text())) + 8 + 32, 30};
}

void PillButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal fill = isDown() ? 0.18 : (underMouse() ? 0.13 : 0.08);
    painter.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.45f), 1));
    painter.setBrush(QColor::fromRgbF(1, 1, 1, static_cast<float>(fill)));
    painter.drawRoundedRect(bounds, 15, 15);
    if (hasFocus()) {
        painter.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.8f), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(bounds.adjusted(1.5, 1.5, -1.5, -1.5), 13.5, 13.5);
    }
    painter.setPen(QColor::fromRgbF(1, 1, 1, 0.92f));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
