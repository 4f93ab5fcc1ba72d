// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetTheme.h"

namespace WidgetTheme {

namespace {

QColor rgb(double red, double green, double blue)
{
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue));
}

QColor withOpacity(QColor color, double opacity)
{
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}

} // namespace

QColor ringStart()
{
    return rgb(0.93, 0.62, 0.10);
}

QColor ringMid()
{
    return rgb(0.91, 0.76, 0.16);
}

QColor ringEnd()
{
    return rgb(0.18, 0.71, 0.47);
}

QColor breakGreen()
{
    return rgb(0.10, 0.64, 0.48);
}

QColor statusOrange()
{
    return rgb(0.90, 0.57, 0.05);
}

QColor statusTeal()
{
    return rgb(0.22, 0.62, 0.66);
}

QColor ringTrack()
{
    return withOpacity(primary(), 0.09);
}

QColor tileBackground()
{
    return withOpacity(primary(), 0.05);
}

QColor primary()
{
    return QColor(0, 0, 0, 217);
}

QColor secondary()
{
    return QColor(0, 0, 0, 128);
}

QColor red()
{
    return QColor(255, 59, 48);
}

QColor containerBackground()
{
    return QColor(255, 255, 255);
}

} // namespace WidgetTheme
