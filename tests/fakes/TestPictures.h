// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

// Pictures of what was drawn, as the tests read them.
namespace TestPictures {

// How many pixels are within the tolerance of the colour in each channel.
inline int countNear(const QImage& image, const QColor& color, int tolerance = 6)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += qAbs(pixel.red() - color.red()) <= tolerance && qAbs(pixel.green() - color.green()) <= tolerance &&
                     qAbs(pixel.blue() - color.blue()) <= tolerance;
        }
    }
    return count;
}

} // namespace TestPictures
