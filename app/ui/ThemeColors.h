// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class Appearance;
class QWidget;

// The backgrounds the dashboard and the settings window share, as opaque greys that follow the light or
// dark appearance. Ask at draw time: the answer depends on the appearance in force then.
namespace ThemeColors {

QColor pageBackground(bool dark);
QColor cardBackground(bool dark);
QColor chipBackground(bool dark);
QColor fieldBackground(bool dark);

QColor pageBackground(const Appearance& appearance);
QColor cardBackground(const Appearance& appearance);
QColor chipBackground(const Appearance& appearance);
QColor fieldBackground(const Appearance& appearance);

// Secondary text is the text colour at this opacity: 4.5 : 1 on the page in either theme.
inline constexpr double kSecondaryAlpha = 0.65;

// Text and accent colours, from the palette in force (the application's light or dark palette).
QColor accent(const QPalette& palette);
QColor primaryText(const QPalette& palette);
QColor secondaryText(const QPalette& palette);
// After a change of palette: the style sheets below root resolve their colours again.
void reapplyStyleSheets(QWidget* root);
// The colour at the given opacity.
QColor withAlpha(QColor color, double alpha);

} // namespace ThemeColors
