// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EnumText.h"

// What the user is doing at the latest tick. The raw value is the status text the windows show.
enum class FatigueMode
{
    working, // active, and no break on screen
    resting, // a full-screen break is on screen, or a long gap was counted as rest
    idle,    // away, in meeting/film mode, or a break has just ended
};

template <>
struct EnumTraits<FatigueMode>
{
    static constexpr std::array<EnumCase<FatigueMode>, 3> cases{{
        {FatigueMode::working, u"工作中"},
        {FatigueMode::resting, u"休息中"},
        {FatigueMode::idle, u"空闲"},
    }};
};
