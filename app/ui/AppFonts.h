// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Tavrin's own font: the glyphs of the application's texts from Noto Sans CJK SC, compiled in. Drawing
// from it keeps a Tavrin resting in the tray from holding the system's large CJK font files in memory.
namespace AppFonts {

inline const QString kFamily = QStringLiteral("Tavrin Sans");

// Registers the font and puts it just after "PingFang SC" in the family list, so that PingFang still
// wins where it is installed; characters it lacks (a message the user typed) come from the system's
// fonts. True when both weights loaded.
bool install();

} // namespace AppFonts
