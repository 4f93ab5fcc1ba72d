// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeClock.h"

FakeClock::FakeClock(QDateTime start)
    : m_now(std::move(start))
{
}
