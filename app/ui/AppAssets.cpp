// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppAssets.h"

#include "SymbolIcon.h"

#include <QPainter>

#include <algorithm>

namespace AppAssets {

std::optional<QPixmap> loadImage(const QString& path)
{
    QPixmap pixmap(path);
    if (pixmap.isNull()) {
        return std::nullopt;
    }
    return pixmap;
}

const std::optional<QPixmap>& logo()
{
    static const std::optional<QPixmap> image = loadImage(kLogoPath);
    return image;
}

namespace {

// A mark in the lower right corner, ringed in white so that it stands apart on dark and light panels alike.
void paintBadge(QPainter& painter, int size, TrayLook look)
{
    const qreal diameter = std::max(size * 0.6, 9.0);
    const QRectF badge(size - diameter, size - diameter, diameter, diameter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, std::max(size / 16.0, 1.0)));
    painter.setBrush(look == TrayLook::paused ? QColor(0x48, 0x48, 0x4A) : QColor(0xFF, 0x95, 0x00));
    painter.drawEllipse(badge.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QPointF centre = badge.center();
    const qreal unit = diameter / 9.0;
    // Meeting mode is the orange dot alone; a pause has two bars in its dark one.
    if (look == TrayLook::paused) {
        painter.drawRect(QRectF(centre.x() - 2 * unit, centre.y() - 2.5 * unit, 1.5 * unit, 5 * unit));
        painter.drawRect(QRectF(centre.x() + 0.5 * unit, centre.y() - 2.5 * unit, 1.5 * unit, 5 * unit));
    }
}

QPixmap withLook(const QPixmap& base, int size, TrayLook look)
{
    QImage image = base.toImage()
                       .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    if (look == TrayLook::paused) {
        // Drained of colour: nothing counts toward a break.
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(line[x]);
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
            }
        }
    }
    if (look != TrayLook::working) {
        QPainter painter(&image);
        paintBadge(painter, size, look);
    }
    return QPixmap::fromImage(image);
}

} // namespace

QIcon statusBarIcon(TrayLook look, const QString& statusPath)
{
    std::optional<QPixmap> base = loadImage(statusPath);
    if (!base) {
        // Mid grey reads on light and dark panels alike.
        const QPixmap symbol =
            SymbolIcon::pixmap(QStringLiteral("heart.text.square"), QSize(64, 64), QColor(0x80, 0x80, 0x80));
        if (!symbol.isNull()) {
            base = symbol;
        }
    }
    QIcon icon;
    if (!base) {
        return icon;
    }
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        icon.addPixmap(withLook(*base, size, look));
    }
    return icon;
}

} // namespace AppAssets
