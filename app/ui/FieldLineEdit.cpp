// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldLineEdit.h"

#include "TavrinFont.h"
#include "ThemeColors.h"

#include <QPainter>

FieldLineEdit::FieldLineEdit(const Appearance& appearance, const QMargins& textMargins, QWidget* parent)
    : QLineEdit(parent)
    , m_appearance(appearance)
{
    setFont(TavrinFont::make(13));
    setFrame(false);
    setTextMargins(textMargins);
    // The rounded field is painted below; the line edit draws only its text. Only the base is set here, so
    // the text colour keeps following the application's palette when the theme changes (a style sheet would
    // keep the colours it was polished with).
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    setPalette(clear);
}

void FieldLineEdit::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // With the focus, a border in the accent colour twice as wide: plain in either theme.
        const qreal border = hasFocus() ? 2 : 1;
        painter.setPen(hasFocus() ? QPen(ThemeColors::accent(palette()), border)
                                  : QPen(ThemeColors::withAlpha(ThemeColors::primaryText(palette()), 0.12), border));
        painter.setBrush(ThemeColors::fieldBackground(m_appearance));
        painter.drawRoundedRect(QRectF(rect()).adjusted(border / 2, border / 2, -border / 2, -border / 2), 8, 8);
    }
    QLineEdit::paintEvent(event);
}
