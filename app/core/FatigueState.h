// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FatigueMode.h"

// The user's strain: fatigue in percent (0 to 100), the active seconds since the last interruption, and
// the mode of the latest update.
struct FatigueState
{
    double percent = 0;
    double continuousWork = 0;
    FatigueMode mode = FatigueMode::idle;

    bool operator==(const FatigueState&) const = default;
};
