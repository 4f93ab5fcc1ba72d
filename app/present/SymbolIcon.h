// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

// Tavrin's symbols: small monochrome SVGs compiled in under :/symbols/, tinted when drawn.
namespace SymbolIcon {

// The symbol at the given logical size in the colour, for the device pixel ratio; a null pixmap for an
// unknown name.
QPixmap pixmap(const QString& name, const QSize& size, const QColor& color, qreal devicePixelRatio = 1.0);

} // namespace SymbolIcon
