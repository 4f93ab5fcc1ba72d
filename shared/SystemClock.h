#pragma once

#include "Clock.h"

// The wall clock of the machine, in UTC. Local dates and hours come from LocalCalendar.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
