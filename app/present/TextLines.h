// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Wraps text to the width in at most maxLines lines (Chinese may break between any two characters);
// the last line takes the rest, elided.
namespace TextLines {

QStringList wrap(const QString& text, const QFont& font, qreal width, int maxLines);

} // namespace TextLines
