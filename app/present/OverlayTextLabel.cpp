// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverlayTextLabel.h"

#include "Accessibility.h"
#include "TabularText.h"
#include "TextLines.h"

#include <QFontMetricsF>
#include <QGraphicsDropShadowEffect>
#include <QPainter>

OverlayTextLabel::OverlayTextLabel(const QFont& font, const QColor& color, int maxLines, int maxWidth, bool tabular,
                                   QWidget* parent)
    : QWidget(parent)
    , m_font(font)
    , m_color(color)
    , m_maxLines(maxLines)
    , m_maxWidth(maxWidth)
    , m_tabular(tabular)
{
    setAttribute(Qt::WA_TranslucentBackground);
    Accessibility::setRole(this, QAccessible::StaticText);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor::fromRgbF(0, 0, 0, 0.45f));
    shadow->setBlurRadius(6 * 2); // Qt's radius spans both sides of the blur
    shadow->setOffset(0, 1);
    setGraphicsEffect(shadow);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(!tabular);
    setSizePolicy(policy);
}

void OverlayTextLabel::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    const bool sameLength = text.size() == m_text.size();
    m_text = text;
    // A text is read as it stands; the countdown's owner names it and says the time in words.
    if (!m_tabular) {
        setAccessibleName(text);
    }
    // A countdown keeps its size from tick to tick; only a different text length can change the layout.
    if (!sameLength || !m_tabular) {
        updateGeometry();
    }
    update();
}

void OverlayTextLabel::setTextFont(const QFont& font)
{
    if (font != m_font) {
        m_font = font;
        updateGeometry();
        update();
    }
}

QStringList OverlayTextLabel::lines(int atWidth) const
{
    if (m_tabular) {
        return {m_text};
    }
    const qreal width = std::min<qreal>(m_maxWidth, std::max(atWidth < 0 ? this->width() : atWidth, 1));
    return TextLines::wrap(m_text, m_font, width, m_maxLines);
}

QSize OverlayTextLabel::sizeHint() const
{
    const QFontMetricsF metrics(m_font);
    if (m_tabular) {
        return {qCeil(TabularText::width(m_text, m_font)) + 2, qCeil(metrics.height())};
    }
    const qreal natural = metrics.horizontalAdvance(m_text);
    const int lineCount = natural <= m_maxWidth ? 1 : m_maxLines;
    return {qCeil(std::min<qreal>(natural, m_maxWidth)) + 2, qCeil(metrics.lineSpacing() * std::max(lineCount, 1))};
}

int OverlayTextLabel::heightForWidth(int width) const
{
    const qsizetype count = std::max<qsizetype>(lines(width).size(), 1);
    return qCeil(QFontMetricsF(m_font).lineSpacing() * static_cast<qreal>(count));
}

void OverlayTextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(m_color);
    const QFontMetricsF metrics(m_font);
    if (m_tabular) {
        const qreal textWidth = TabularText::width(m_text, m_font);
        TabularText::draw(painter, QPointF((width() - textWidth) / 2, 0), m_text, m_font);
        return;
    }
    painter.setFont(m_font);
    qreal y = 0;
    for (const QString& line : lines()) {
        const qreal lineWidth = metrics.horizontalAdvance(line);
        painter.drawText(QPointF((width() - lineWidth) / 2, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
}
