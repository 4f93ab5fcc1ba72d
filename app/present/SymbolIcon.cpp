// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolIcon.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace SymbolIcon {

QPixmap pixmap(const QString& name, const QSize& size, const QColor& color, qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/symbols/") + name + QStringLiteral(".svg");
    if (!QFile::exists(path)) {
        return {};
    }
    QSvgRenderer renderer(path);
    QPixmap result(size * devicePixelRatio);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(), QSizeF(size)));
    // Keep the shape, take the colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(), QSizeF(size)), color);
    return result;
}

} // namespace SymbolIcon
