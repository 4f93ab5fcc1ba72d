// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ActivityMonitoring.h"

class IdleSource;

// The user is present while the idle time is strictly below the threshold: exactly 30 seconds without
// input already counts as away.
//
// A source that can tell saves the asking: once an answer says the person is here, a notice is armed for the
// idle time reaching a second short of the threshold, and until it comes the person is here without asking.
// After it, every call asks again, so the last second before the threshold is judged exactly as by asking
// alone. Likewise, while a notice of the person's return is armed and has not come, they are away without
// asking. idleTime() always asks.
class ActivityMonitor final : public ActivityMonitoring
{
public:
    static constexpr double kDefaultIdleThreshold = 30.0;
    // How far before the threshold asking takes over again: far more than a notice takes to arrive.
    static constexpr double kNoticeLead = 1.0;

    explicit ActivityMonitor(IdleSource& source, double idleThreshold = kDefaultIdleThreshold);

    double idleTime() override;
    bool isActive() override;
    bool awaitReturn(std::function<void()> returned) override;

    double idleThreshold() const { return m_idleThreshold; }

private:
    IdleSource& m_source;
    double m_idleThreshold;
    enum class Armed
    {
        nothing,
        // For the idle time nearing the threshold: present until it comes.
        nearingThreshold,
        // For the person's return: away until it comes.
        returning,
    };
    Armed m_armed = Armed::nothing;
    std::function<void()> m_returned;
};
