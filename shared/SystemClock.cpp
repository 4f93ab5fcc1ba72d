// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemClock.h"

#include <time.h>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

std::chrono::milliseconds SystemClock::steady() const
{
    // CLOCK_BOOTTIME rather than CLOCK_MONOTONIC: a machine that slept must show a long interval, so that
    // the first tick after waking counts the sleep as rest.
    timespec time{};
    clock_gettime(CLOCK_BOOTTIME, &time);
    return std::chrono::seconds(time.tv_sec) +
           std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::nanoseconds(time.tv_nsec));
}
