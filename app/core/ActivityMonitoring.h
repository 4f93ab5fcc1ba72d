// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Tells whether the user is at the computer right now.
class ActivityMonitoring
{
public:
    virtual ~ActivityMonitoring() = default;

    // Seconds since the user's last input.
    virtual double idleTime() = 0;
    // True when the user counts as present.
    virtual bool isActive() = 0;
    // While the user is away: calls `returned` once, when they come back. False where the source can only be
    // asked; then the caller has to keep asking.
    virtual bool awaitReturn(std::function<void()> returned) = 0;
};
