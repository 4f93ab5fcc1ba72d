// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetTheme.h"

#include <cmath>

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
    // 4.5 : 1 on the card and on its tiles.
    return QColor(0, 0, 0, 150);
}

QColor red()
{
    return QColor(255, 59, 48);
}

QColor readable(QColor color)
{
    // WCAG's relative luminance; text wants 4.5 : 1 against what it stands on, here the card or a pill of the
    // colour's own faint tint, which takes about a tenth off against white.
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    constexpr double kAgainstWhite = 5.2;
    for (int step = 0; step < 40 && 1.05 / (luminance(color) + 0.05) < kAgainstWhite; ++step) {
        color = color.darker(106);
    }
    return color;
}

QColor containerBackground()
{
    return QColor(255, 255, 255);
}

} // namespace WidgetTheme
