// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetFonts.h"

#include "TavrinFont.h"

namespace WidgetFonts {

bool install()
{
    return TavrinFont::installBundledFamily(kFamily, QStringLiteral(":/fonts/TavrinWidgetSans"));
}

} // namespace WidgetFonts
