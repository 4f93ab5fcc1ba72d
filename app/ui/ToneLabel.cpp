// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToneLabel.h"

#include "ThemeColors.h"

#include <QPainter>
#include <QStyle>

ToneLabel::ToneLabel(const QString& text, Tone tone, const QFont& font, QWidget* parent)
    : QLabel(text, parent)
    , m_tone(tone)
{
    setFont(font);
}

void ToneLabel::paintEvent(QPaintEvent*)
{
    QPalette tinted = palette();
    switch (m_tone) {
    case Tone::primary:
        break;
    case Tone::secondary:
        tinted.setColor(QPalette::WindowText, ThemeColors::secondaryText(palette()));
        break;
    case Tone::accent:
        tinted.setColor(QPalette::WindowText, ThemeColors::accent(palette()));
        break;
    }
    QPainter painter(this);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, tinted, isEnabled(), text(), QPalette::WindowText);
}
