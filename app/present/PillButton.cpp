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
    const qreal fill = isDown() ? 0.18 : (underMouse() || hasFocus() ? 0.13 : 0.08);
    // With the focus: a solid white ring, twice the outline's width, plain on any background.
    painter.setPen(hasFocus() ? QPen(Qt::white, 2.5) : QPen(QColor::fromRgbF(1, 1, 1, 0.45f), 1));
    painter.setBrush(QColor::fromRgbF(1, 1, 1, static_cast<float>(fill)));
    painter.drawRoundedRect(hasFocus() ? bounds.adjusted(1, 1, -1, -1) : bounds, 15, 15);
    painter.setPen(QColor::fromRgbF(1, 1, 1, 0.92f));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
