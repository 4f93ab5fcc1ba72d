// SPDX-License-Identifier: GPL-3.0-or-later
#include "FatigueEngine.h"

#include <algorithm>

namespace {

// Periods below one second count as one, so a zero or negative setting never divides by zero.
double divisor(qint64 seconds)
{
    return seconds >= 1 ? static_cast<double>(seconds) : 1.0;
}

} // namespace

void FatigueEngine::advance(FatigueMode mode, double seconds, const RuleConfig& rule)
{
    const double work = divisor(rule.workSeconds);
    const double rest = divisor(rule.restSeconds);
    // The order of the operations (rate, times seconds, plus the old percent) is kept as it is so that
    // results agree to the last bit with the recorded history.
    switch (mode) {
    case FatigueMode::working:
        m_state.percent = std::min((100.0 / work) * seconds + m_state.percent, 100.0);
        m_state.continuousWork = m_state.continuousWork + seconds;
        break;
    case FatigueMode::resting:
        m_state.percent = std::max(m_state.percent + (-100.0 / rest) * seconds, 0.0);
        m_state.continuousWork = 0;
        break;
    case FatigueMode::idle:
        m_state.percent = std::max(m_state.percent + (-5.0 / rest) * seconds, 0.0);
        m_state.continuousWork = 0;
        break;
    }
    m_state.mode = mode;
}

void FatigueEngine::finishBreak(bool skipped)
{
    m_state.percent = skipped ? std::max(m_state.percent - 20.0, 50.0) : 0.0;
    m_state.continuousWork = 0;
    m_state.mode = FatigueMode::idle;
}
