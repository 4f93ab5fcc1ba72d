// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <chrono>

// The source of the current time. Everything that reads the time gets a Clock, so that tests can
// move time by hand instead of waiting for it.
class Clock
{
public:
    virtual ~Clock() = default;
    // The wall clock: for dates that are stored or shown. The user or the network may set it back or
    // forward at any moment.
    virtual QDateTime now() const = 0;
    // Time since an arbitrary origin that only moves forward, sleep of the machine included: for intervals
    // (since the last tick, the last write, the last reminder). Setting the wall clock does not move it.
    virtual std::chrono::milliseconds steady() const = 0;
};
