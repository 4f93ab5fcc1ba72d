// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11TaskbarPresence.h"

#include "WindowHints.h"

void X11TaskbarPresence::setRegular(bool regular)
{
    WindowHints::setOrdinaryWindowsInTaskbar(regular);
}
