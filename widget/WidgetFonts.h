// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The widget's own small font: the glyphs of its texts from Noto Sans CJK SC, compiled in. Drawing from
// it keeps the widget from mapping the system's large CJK font files.
namespace WidgetFonts {

inline const QString kFamily = QStringLiteral("Tavrin Widget Sans");

// Registers the font and puts it just after "PingFang SC" in the family list, so that PingFang still
// wins where it is installed. True when both weights loaded.
bool install();

} // namespace WidgetFonts
