// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverlayBackground.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

namespace {

// Past this many pixels a file is not an overlay background but a mistake (or an attack on memory).
constexpr qint64 kMaxSourcePixels = 40'000LL * 40'000LL;

} // namespace

OverlayBackground OverlayBackground::load(const std::optional<QString>& path, const QSize& largestScreen)
{
    OverlayBackground background;
    if (!path || path->isEmpty()) {
        return background;
    }
    const QFileInfo file(*path);
    if (!file.isFile() || file.size() > kMaxFileBytes) {
        return background;
    }
    QImageReader reader(*path);
    reader.setAutoTransform(true);
    const QSize source = reader.size();
    if (!source.isValid() || qint64(source.width()) * source.height() > kMaxSourcePixels) {
        return background;
    }
    // Decode straight to the size that covers the largest display (formats that can, JPEG above all,
    // never hold the full picture), keeping the aspect ratio.
    const QSize cover = source.scaled(largestScreen, Qt::KeepAspectRatioByExpanding);
    if (cover.width() < source.width()) {
        reader.setScaledSize(cover);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return background;
    }
    if (image.width() > cover.width() * 2) {
        image = image.scaled(cover, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    background.m_image = image.convertToFormat(QImage::Format_RGB32);
    return background;
}

void OverlayBackground::paint(QPainter& painter, const QRect& target) const
{
    if (m_image.isNull()) {
        // The gradient's 3 % transparency would show the window's own light background without a
        // compositor; over black it reads as intended.
        painter.fillRect(target, Qt::black);
        QLinearGradient gradient(target.topLeft(), target.bottomLeft());
        gradient.setColorAt(0, QColor::fromRgbF(0.10f, 0.22f, 0.21f, 0.97f));
        gradient.setColorAt(0.45, QColor::fromRgbF(0.17f, 0.17f, 0.09f, 0.97f));
        gradient.setColorAt(1, QColor::fromRgbF(0.06f, 0.14f, 0.09f, 0.97f));
        painter.fillRect(target, gradient);
        return;
    }
    // Aspect fill: scale to cover the target, crop the overflow evenly.
    const QSizeF covered = QSizeF(target.size()).scaled(m_image.size(), Qt::KeepAspectRatio);
    const QRectF source((m_image.width() - covered.width()) / 2, (m_image.height() - covered.height()) / 2,
                        covered.width(), covered.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target), m_image, source);
    painter.fillRect(target, QColor::fromRgbF(0, 0, 0, 0.55f));
}
