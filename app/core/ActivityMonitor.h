// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ActivityMonitoring.h"

class IdleSource;

// The user is present while the idle time is strictly below the threshold: exactly 30 seconds without
// input already counts as away. Every call asks the idle source afresh; nothing is cached.
class ActivityMonitor final : public ActivityMonitoring
{
public:
    static constexpr double kDefaultIdleThreshold = 30.0;

    explicit ActivityMonitor(IdleSource& source, double idleThreshold = kDefaultIdleThreshold);

    double idleTime() override;
    bool isActive() override;

    double idleThreshold() const { return m_idleThreshold; }

private:
    IdleSource& m_source;
    double m_idleThreshold;
};
