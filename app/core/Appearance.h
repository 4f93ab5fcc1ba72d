// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ThemeMode.h"

// The application's light or dark look.
class Appearance
{
public:
    virtual ~Appearance() = default;
    // system follows the desktop's preference, live; light and dark are fixed.
    virtual void apply(ThemeMode mode) = 0;
    // Whether the effective appearance is dark now: the answer colours are resolved against.
    virtual bool isDark() const = 0;
};
