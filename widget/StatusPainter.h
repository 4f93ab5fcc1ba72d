// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusEntry.h"
#include "StatusViewLogic.h"
#include "WidgetConfiguration.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>

class QPainter;

// Draws one entry of the status widget: the empty state, or the medium or large layout with the
// fatigue ring, the info blocks, the status badge and (large) the rule tiles. The placeholder entry is
// drawn redacted: every text becomes a soft bar of its size.
class StatusPainter
{
public:
    static constexpr qreal kPadding = 16;

    // A text as drawn: its words, where, in which colour and font.
    struct DrawnText
    {
        QString text;
        QRectF rect;
        QColor color;
        QFont font;
    };

    StatusPainter(QPainter& painter, bool redacted);

    void paint(const QRectF& bounds, const StatusEntry& entry, WidgetConfiguration::Family family);

    // The window size of each family.
    static QSizeF familySize(WidgetConfiguration::Family family);
    // Every text of the last paint, in drawing order.
    const QList<DrawnText>& texts() const { return m_texts; }

private:
    void paintEmpty(const QRectF& content);
    void paintMedium(const QRectF& content, const WidgetSnapshot& snapshot, const QDateTime& date,
                     const StatusViewLogic::BadgeInfo& badge);
    void paintLarge(const QRectF& content, const WidgetSnapshot& snapshot, const QDateTime& date,
                    const StatusViewLogic::BadgeInfo& badge);

    void paintRing(const QRectF& frame, double percent, qreal lineWidth);
    // A title over a value; returns the height used.
    qreal paintInfoBlock(const QPointF& topLeft, qreal width, const QString& title, const QString& value,
                         const QColor& valueColor, bool compact);
    qreal infoBlockHeight(bool compact) const;
    // The badge with its top-right corner at the point; returns its rectangle.
    QRectF paintBadge(const QPointF& topRight, const StatusViewLogic::BadgeInfo& info);
    QSizeF badgeSize(const StatusViewLogic::BadgeInfo& info) const;
    void paintTile(const QRectF& rect, const QString& value, const QString& caption);

    // Text with its top-left corner at the point; digits of equal width when tabular.
    void drawText(const QPointF& topLeft, const QString& text, const QFont& font, const QColor& color,
                  bool tabular = false);
    void drawCentredText(const QRectF& rect, const QString& text, const QFont& font, const QColor& color,
                         bool tabular = false);
    qreal textWidth(const QString& text, const QFont& font, bool tabular = false) const;

    QPainter& m_painter;
    bool m_redacted;
    QList<DrawnText> m_texts;
};
