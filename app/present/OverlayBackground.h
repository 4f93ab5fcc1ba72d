// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <optional>

class QPainter;

// The overlay's background: the user's image (filling the window, cropped, under a dark veil) or the
// built-in dark green gradient. The image is decoded once per break, at no more than the size of the
// largest display, and shared by all windows.
class OverlayBackground
{
public:
    // Anything larger is not a picture for a break (and reading it would hold the main thread).
    static constexpr qint64 kMaxFileBytes = 50LL * 1024 * 1024;

    // A missing, unreadable or oversized file, one that is not a regular file (a device, a pipe) or not an
    // image, gives the gradient.
    static OverlayBackground load(const std::optional<QString>& path, const QSize& largestScreen);

    bool hasImage() const { return !m_image.isNull(); }
    const QImage& image() const { return m_image; }
    void paint(QPainter& painter, const QRect& target) const;

private:
    QImage m_image;
};
