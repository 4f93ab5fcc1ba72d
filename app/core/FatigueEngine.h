// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FatigueState.h"
#include "RuleConfig.h"

// Advances fatigue once per tick. A full work period of activity raises it from 0 to 100, a full break
// lowers it from 100 to 0, and being away lowers it twenty times slower than a break. Any interruption
// sets continuous work back to 0 at once.
class FatigueEngine
{
public:
    const FatigueState& state() const { return m_state; }
    void setState(const FatigueState& state) { m_state = state; }

    void advance(FatigueMode mode, double seconds, const RuleConfig& rule);
    // Settles the state after a full-screen break: a completed break clears fatigue, a skipped one
    // takes 20 points off but never leaves less than 50.
    void finishBreak(bool skipped);

private:
    FatigueState m_state;
};
