// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tells whether the user is at the computer right now.
class ActivityMonitoring
{
public:
    virtual ~ActivityMonitoring() = default;

    // Seconds since the user's last input.
    virtual double idleTime() = 0;
    // True when the user counts as present.
    virtual bool isActive() = 0;
};
