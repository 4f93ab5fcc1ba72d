// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusPainter.h"

#include "TabularText.h"
#include "TavrinFont.h"
#include "WidgetTheme.h"

#include <QConicalGradient>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace StatusViewLogic;

namespace {

QColor withAlpha(QColor color, qreal alpha)
{
    color.setAlphaF(static_cast<float>(color.alphaF() * alpha));
    return color;
}

} // namespace

StatusPainter::StatusPainter(QPainter& painter, bool redacted)
    : m_painter(painter)
    , m_redacted(redacted)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

QSizeF StatusPainter::familySize(WidgetConfiguration::Family family)
{
    return family == WidgetConfiguration::Family::large ? QSizeF(344, 354) : QSizeF(344, 160);
}

void StatusPainter::paint(const QRectF& bounds, const StatusEntry& entry, WidgetConfiguration::Family family)
{
    m_texts.clear();
    const QRectF content = bounds.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    switch (layoutFor(entry, family)) {
    case Layout::empty:
        paintEmpty(content);
        break;
    case Layout::medium:
        paintMedium(content, *entry.snapshot, entry.date, status(*entry.snapshot, entry.date));
        break;
    case Layout::large:
        paintLarge(content, *entry.snapshot, entry.date, status(*entry.snapshot, entry.date));
        break;
    }
}

void StatusPainter::paintEmpty(const QRectF& content)
{
    const QFont titleFont = TavrinFont::make(14, QFont::DemiBold);
    const QFont messageFont = TavrinFont::make(12);
    const qreal titleHeight = QFontMetricsF(titleFont).height();
    const qreal lineHeight = QFontMetricsF(messageFont).height();
    const QStringList lines = text(kEmptyMessage).split(u'\n');
    const qreal total = titleHeight + 8 + lineHeight * lines.size();
    qreal y = content.center().y() - total / 2;
    drawCentredText(QRectF(content.left(), y, content.width(), titleHeight), WidgetConfiguration::displayName(),
                    titleFont, WidgetTheme::primary());
    y += titleHeight + 8;
    for (const QString& line : lines) {
        drawCentredText(QRectF(content.left(), y, content.width(), lineHeight), line, messageFont,
                        WidgetTheme::secondary());
        y += lineHeight;
    }
}

void StatusPainter::paintMedium(const QRectF& content, const WidgetSnapshot& snapshot, const QDateTime& date,
                                const BadgeInfo& badge)
{
    const QRectF ring(content.left(), content.center().y() - 49, 98, 98);
    paintRing(ring, snapshot.fatiguePercent, 10);

    const qreal blocksHeight = infoBlockHeight(true) * 2 + 10;
    const QPointF blocks(ring.right() + 18, content.center().y() - blocksHeight / 2);
    const qreal width = content.right() - blocks.x();
    const qreal first =
        paintInfoBlock(blocks, width, text(kWorkedTitle), snapshot.workedText(), WidgetTheme::primary(), true);
    const auto [nextTitle, nextValue] = nextBreakBlock(snapshot, date);
    paintInfoBlock(blocks + QPointF(0, first + 10), width, nextTitle, nextValue, WidgetTheme::breakGreen(), true);

    // The badge sits above the row, in the top-right corner.
    paintBadge(content.topRight(), badge);
}

void StatusPainter::paintLarge(const QRectF& content, const WidgetSnapshot& snapshot, const QDateTime& date,
                               const BadgeInfo& badge)
{
    const QFont headerFont = TavrinFont::make(15, QFont::DemiBold);
    const QSizeF badgeExtent = badgeSize(badge);
    const qreal headerHeight = std::max(QFontMetricsF(headerFont).height(), badgeExtent.height());
    const qreal ringSize = 132;
    const QFont tileValueFont = TavrinFont::make(15, QFont::DemiBold);
    const QFont tileCaptionFont = TavrinFont::make(11);
    const qreal tileHeight =
        10 + QFontMetricsF(tileValueFont).height() + 2 + QFontMetricsF(tileCaptionFont).height() + 10;

    // The two spacers share what the fixed rows leave, each at least its minimum.
    const qreal free = std::max(content.height() - headerHeight - ringSize - tileHeight, 22.0);
    const qreal extra = (free - 22.0) / 2;
    const qreal firstSpacer = 10 + extra;
    const qreal secondSpacer = 12 + extra;

    qreal y = content.top();
    drawText(QPointF(content.left(), y + (headerHeight - QFontMetricsF(headerFont).height()) / 2),
             WidgetConfiguration::displayName(), headerFont, WidgetTheme::primary());
    paintBadge(QPointF(content.right(), y + (headerHeight - badgeExtent.height()) / 2), badge);
    y += headerHeight + firstSpacer;

    const QRectF ring(content.left(), y, ringSize, ringSize);
    paintRing(ring, snapshot.fatiguePercent, 13);
    const qreal blocksHeight = infoBlockHeight(false) * 2 + 14;
    const QPointF blocks(ring.right() + 22, ring.center().y() - blocksHeight / 2);
    const qreal width = content.right() - blocks.x();
    const qreal first =
        paintInfoBlock(blocks, width, text(kWorkedTitle), snapshot.workedText(), WidgetTheme::primary(), false);
    const auto [nextTitle, nextValue] = nextBreakBlock(snapshot, date);
    paintInfoBlock(blocks + QPointF(0, first + 14), width, nextTitle, nextValue, WidgetTheme::breakGreen(), false);
    y += ringSize + secondSpacer;

    const qreal tileWidth = (content.width() - 10) / 2;
    paintTile(QRectF(content.left(), y, tileWidth, tileHeight), durationText(snapshot.workSeconds),
              text(kWorkTileCaption));
    paintTile(QRectF(content.left() + tileWidth + 10, y, tileWidth, tileHeight), durationText(snapshot.restSeconds),
              text(kRestTileCaption));
}

void StatusPainter::paintRing(const QRectF& frame, double percent, qreal lineWidth)
{
    const QRectF circle = frame.adjusted(lineWidth / 2, lineWidth / 2, -lineWidth / 2, -lineWidth / 2);
    QPen pen(WidgetTheme::ringTrack(), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(circle);

    // Progress starts at the top and runs clockwise. Qt's conical gradient runs counter-clockwise from
    // its angle, so the stops are mirrored: position 1 is the start of the arc, 1 - p its end.
    const double progress = ringProgress(percent);
    QConicalGradient gradient(circle.center(), 90);
    // The round cap at the start reaches a little before the top, where the gradient wraps around to
    // position 0: keep that sliver in the start colour while the arc's end is far enough away.
    const double capTurn = lineWidth / (circle.width() * M_PI);
    if (1.0 - progress > 2 * capTurn) {
        gradient.setColorAt(0, WidgetTheme::ringStart());
        gradient.setColorAt(capTurn, WidgetTheme::ringStart());
        gradient.setColorAt(capTurn + 1e-6, WidgetTheme::ringEnd());
    } else {
        gradient.setColorAt(0, WidgetTheme::ringEnd());
    }
    gradient.setColorAt(std::max(0.0, 1.0 - progress), WidgetTheme::ringEnd());
    gradient.setColorAt(1.0 - progress / 2, WidgetTheme::ringMid());
    gradient.setColorAt(1, WidgetTheme::ringStart());
    pen.setBrush(gradient);
    m_painter.setPen(pen);
    m_painter.drawArc(circle, 90 * 16, -qRound(progress * 360 * 16));

    const QFont numberFont = TavrinFont::make(30, QFont::DemiBold);
    const QFont captionFont = TavrinFont::make(11);
    const qreal numberHeight = QFontMetricsF(numberFont).height();
    const qreal captionHeight = QFontMetricsF(captionFont).height();
    const qreal top = circle.center().y() - (numberHeight + captionHeight) / 2;
    drawCentredText(QRectF(frame.left(), top, frame.width(), numberHeight), ringNumber(percent), numberFont,
                    WidgetTheme::primary(), true);
    drawCentredText(QRectF(frame.left(), top + numberHeight, frame.width(), captionHeight), text(kRingCaption),
                    captionFont, WidgetTheme::secondary());
}

qreal StatusPainter::infoBlockHeight(bool compact) const
{
    return QFontMetricsF(TavrinFont::make(compact ? 11 : 13)).height() + 3 +
           QFontMetricsF(TavrinFont::make(compact ? 18 : 22, QFont::DemiBold)).height();
}

qreal StatusPainter::paintInfoBlock(const QPointF& topLeft, qreal width, const QString& title, const QString& value,
                                    const QColor& valueColor, bool compact)
{
    const QFont titleFont = TavrinFont::make(compact ? 11 : 13);
    const qreal valueSize = compact ? 18 : 22;
    QFont valueFont = TavrinFont::make(valueSize, QFont::DemiBold);
    drawText(topLeft, title, titleFont, WidgetTheme::secondary());
    const qreal valueTop = topLeft.y() + QFontMetricsF(titleFont).height() + 3;

    // One line: shrink down to 0.7 of the size, then cut.
    QString shown = value;
    const qreal natural = textWidth(value, valueFont, true);
    if (natural > width) {
        valueFont.setPixelSize(qRound(std::max(valueSize * 0.7, valueSize * width / natural)));
        if (textWidth(value, valueFont, true) > width) {
            shown = QFontMetricsF(valueFont).elidedText(value, Qt::ElideRight, width);
        }
    }
    drawText(QPointF(topLeft.x(), valueTop), shown, valueFont, WidgetTheme::readable(valueColor), true);
    return infoBlockHeight(compact);
}

QSizeF StatusPainter::badgeSize(const BadgeInfo& info) const
{
    const QFont font = TavrinFont::make(11, QFont::DemiBold);
    return {10 + 6 + 6 + textWidth(info.text, font) + 10, 5 + QFontMetricsF(font).height() + 5};
}

QRectF StatusPainter::paintBadge(const QPointF& topRight, const BadgeInfo& info)
{
    const QFont font = TavrinFont::make(11, QFont::DemiBold);
    const QSizeF size = badgeSize(info);
    const QRectF rect(topRight.x() - size.width(), topRight.y(), size.width(), size.height());
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(withAlpha(info.color, 0.12));
    m_painter.drawRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    m_painter.setBrush(info.color);
    m_painter.drawEllipse(QRectF(rect.left() + 10, rect.center().y() - 3, 6, 6));
    drawText(QPointF(rect.left() + 22, rect.top() + 5), info.text, font, WidgetTheme::readable(info.color));
    return rect;
}

void StatusPainter::paintTile(const QRectF& rect, const QString& value, const QString& caption)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(WidgetTheme::tileBackground());
    m_painter.drawRoundedRect(rect, 12, 12);
    const QFont valueFont = TavrinFont::make(15, QFont::DemiBold);
    const QFont captionFont = TavrinFont::make(11);
    const qreal valueHeight = QFontMetricsF(valueFont).height();
    drawCentredText(QRectF(rect.left(), rect.top() + 10, rect.width(), valueHeight), value, valueFont,
                    WidgetTheme::primary(), true);
    drawCentredText(
        QRectF(rect.left(), rect.top() + 10 + valueHeight + 2, rect.width(), QFontMetricsF(captionFont).height()),
        caption, captionFont, WidgetTheme::secondary());
}

qreal StatusPainter::textWidth(const QString& text, const QFont& font, bool tabular) const
{
    return tabular ? TabularText::width(text, font) : QFontMetricsF(font).horizontalAdvance(text);
}

void StatusPainter::drawText(const QPointF& topLeft, const QString& text, const QFont& font, const QColor& color,
                             bool tabular)
{
    const QFontMetricsF metrics(font);
    if (m_redacted) {
        // Placeholder style: a rounded bar where the text would be.
        const QRectF bar(topLeft.x(), topLeft.y() + metrics.height() * 0.2, textWidth(text, font, tabular),
                         metrics.height() * 0.6);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(withAlpha(color, 0.22));
        m_painter.drawRoundedRect(bar, bar.height() / 3, bar.height() / 3);
        return;
    }
    m_texts.append({text, QRectF(topLeft, QSizeF(textWidth(text, font, tabular), metrics.height())), color, font});
    m_painter.setPen(color);
    if (tabular) {
        TabularText::draw(m_painter, topLeft, text, font);
        return;
    }
    m_painter.setFont(font);
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

void StatusPainter::drawCentredText(const QRectF& rect, const QString& text, const QFont& font, const QColor& color,
                                    bool tabular)
{
    const qreal width = textWidth(text, font, tabular);
    const qreal height = QFontMetricsF(font).height();
    drawText(QPointF(rect.center().x() - width / 2, rect.center().y() - height / 2), text, font, color, tabular);
}
