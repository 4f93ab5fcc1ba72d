// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EnumText.h"

// Why a break began; stored by its raw value with the break.
enum class BreakTrigger
{
    manual,
    workReached,
    fatigueMax,
};

template <>
struct EnumTraits<BreakTrigger>
{
    static constexpr std::array<EnumCase<BreakTrigger>, 3> cases{{
        {BreakTrigger::manual, u"manual"},
        {BreakTrigger::workReached, u"work_reached"},
        {BreakTrigger::fatigueMax, u"fatigue_max"},
    }};
};
