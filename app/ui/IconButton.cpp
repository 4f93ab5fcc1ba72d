// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconButton.h"

#include "SymbolIcon.h"
#include "ThemeColors.h"

#include <QPainter>

IconButton::IconButton(QStringList symbols, const QSize& size, QWidget* parent)
    : QToolButton(parent)
    , m_symbols(std::move(symbols))
    , m_size(size)
{
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void IconButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = ThemeColors::accent(palette());
    // The focus ring only for keyboard users, as the platform styles do.
    const bool focusRing = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    if (isChecked() || focusRing) {
        painter.setPen(focusRing ? QPen(ThemeColors::withAlpha(accent, 0.6), 1.5) : Qt::NoPen);
        painter.setBrush(isChecked() ? ThemeColors::withAlpha(accent, 0.18) : Qt::transparent);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 7, 7);
    }
    const QColor colour = ThemeColors::withAlpha(ThemeColors::primaryText(palette()), isDown() ? 0.55 : 0.86);
    // The first symbol at the label size, a trailing chevron smaller, 9 apart, centred as a group.
    const int main = 18;
    const int small = 11;
    const int gap = 9;
    const int total = main + (m_symbols.size() > 1 ? gap + small : 0);
    qreal x = (width() - total) / 2.0;
    for (int i = 0; i < m_symbols.size(); ++i) {
        const int side = i == 0 ? main : small;
        const QPixmap symbol = SymbolIcon::pixmap(m_symbols.at(i), QSize(side, side),
                                                  isChecked() && i == 0 ? accent : colour, devicePixelRatioF());
        painter.drawPixmap(QPointF(x, (height() - side) / 2.0), symbol);
        x += side + gap;
    }
}
