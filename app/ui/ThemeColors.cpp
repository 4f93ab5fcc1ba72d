// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeColors.h"

#include <QWidget>

#include "Appearance.h"

namespace ThemeColors {

namespace {

QColor white(double level)
{
    return QColor::fromRgbF(static_cast<float>(level), static_cast<float>(level), static_cast<float>(level));
}

QColor dynamic(bool dark, double light, double darkLevel)
{
    return white(dark ? darkLevel : light);
}

} // namespace

QColor pageBackground(bool dark)
{
    return dynamic(dark, 1.0, 0.12);
}

QColor cardBackground(bool dark)
{
    return dynamic(dark, 1.0, 0.17);
}

QColor chipBackground(bool dark)
{
    return dynamic(dark, 0.96, 0.24);
}

QColor fieldBackground(bool dark)
{
    return dynamic(dark, 0.98, 0.22);
}

QColor pageBackground(const Appearance& appearance)
{
    return pageBackground(appearance.isDark());
}

QColor cardBackground(const Appearance& appearance)
{
    return cardBackground(appearance.isDark());
}

QColor chipBackground(const Appearance& appearance)
{
    return chipBackground(appearance.isDark());
}

QColor fieldBackground(const Appearance& appearance)
{
    return fieldBackground(appearance.isDark());
}

QColor accent(const QPalette& palette)
{
    return palette.color(QPalette::Link);
}

QColor primaryText(const QPalette& palette)
{
    return palette.color(QPalette::WindowText);
}

QColor secondaryText(const QPalette& palette)
{
    return withAlpha(palette.color(QPalette::WindowText), kSecondaryAlpha);
}

void reapplyStyleSheets(QWidget* root)
{
    // A style sheet resolves palette(...) and the text colour when it is set: set again, it takes the palette in
    // force now.
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->styleSheet().isEmpty()) {
            widget->setStyleSheet(widget->styleSheet());
        }
    }
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(static_cast<float>(color.alphaF() * alpha));
    return color;
}

} // namespace ThemeColors
