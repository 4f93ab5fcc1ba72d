// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

// The machine's clocks: the wall clock in UTC (local dates and hours come from LocalCalendar) and the boot
// clock, which keeps counting while the machine sleeps.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    std::chrono::milliseconds steady() const override;
};
