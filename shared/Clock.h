#pragma once

#include <QDateTime>

// The source of the current time. Everything that reads the time gets a Clock, so that tests can
// move time by hand instead of waiting for it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
