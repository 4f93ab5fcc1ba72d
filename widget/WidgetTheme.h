// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The widget's colours. The six custom ones are fixed sRGB values; the system ones are the light
// desktop's label and background colours.
namespace WidgetTheme {

QColor ringStart();
QColor ringMid();
QColor ringEnd();
QColor breakGreen();
QColor statusOrange();
QColor statusTeal();
QColor ringTrack();
QColor tileBackground();

QColor primary();
QColor secondary();
QColor red();
QColor containerBackground();
// The colour darkened, if need be, to be read as small text on the card: the dots and the ring keep the colour,
// the words take this.
QColor readable(QColor color);

} // namespace WidgetTheme
