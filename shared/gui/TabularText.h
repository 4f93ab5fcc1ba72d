// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

// Text whose digits all take the width of the widest digit, as tabular figures do, so that a changing
// number does not jiggle. Qt 6.4 cannot ask the font for its tabular feature.
namespace TabularText {

qreal width(const QString& text, const QFont& font);
// Draws with the top-left corner of the text's box at the point, in the painter's current pen.
void draw(QPainter& painter, const QPointF& topLeft, const QString& text, const QFont& font);

} // namespace TabularText
