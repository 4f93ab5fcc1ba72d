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
        painter.setPen(QPen(ThemeColors::withAlpha(ThemeColors::primaryText(palette()), hasFocus() ? 0.35 : 0.12), 1));
        painter.setBrush(ThemeColors::fieldBackground(m_appearance));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    QLineEdit::paintEvent(event);
}
