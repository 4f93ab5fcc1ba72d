// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppAssets.h"

#include "SymbolIcon.h"

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

QIcon statusBarIcon(const QString& statusPath)
{
    if (const auto status = loadImage(statusPath)) {
        return QIcon(*status);
    }
    QIcon fallback;
    for (const int size : {16, 22, 24, 32}) {
        // Mid grey reads on light and dark panels alike.
        const QPixmap symbol =
            SymbolIcon::pixmap(QStringLiteral("heart.text.square"), QSize(size, size), QColor(0x80, 0x80, 0x80));
        if (!symbol.isNull()) {
            fallback.addPixmap(symbol);
        }
    }
    return fallback;
}

} // namespace AppAssets
