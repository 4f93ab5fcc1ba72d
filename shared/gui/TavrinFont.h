// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// Every text of Tavrin is set in "PingFang SC" at an explicit size and weight. Linux rarely has that
// face, so the family list falls through to the common CJK faces that are installed.
namespace TavrinFont {

QFont make(qreal pixelSize, QFont::Weight weight = QFont::Normal);
QStringList families();
// A family the program carries itself, tried right after "PingFang SC".
void setBundledFamily(const QString& family);
// Registers a font the program carries in its resources as <stem>-Regular.otf and <stem>-Bold.otf and
// makes it the bundled family. True when both weights loaded.
bool installBundledFamily(const QString& family, const QString& resourceStem);

} // namespace TavrinFont
