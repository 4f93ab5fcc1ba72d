// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppFonts.h"

#include "TavrinFont.h"

namespace AppFonts {

bool install()
{
    return TavrinFont::installBundledFamily(kFamily, QStringLiteral(":/fonts/TavrinSans"));
}

} // namespace AppFonts
