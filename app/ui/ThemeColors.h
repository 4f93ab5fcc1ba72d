#pragma once

#include <QColor>

class Appearance;

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

} // namespace ThemeColors
