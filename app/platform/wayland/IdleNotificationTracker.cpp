// SPDX-License-Identifier: GPL-3.0-or-later
#include "IdleNotificationTracker.h"

#include <algorithm>

IdleNotificationTracker::IdleNotificationTracker(qint64 timeoutMs)
    : m_timeoutMs(timeoutMs)
{
}

void IdleNotificationTracker::idled(qint64 nowMs)
{
    // A repeated "idled" without "resumed" in between keeps the earlier start.
    if (!m_idle) {
        m_idle = true;
        m_idleSinceMs = nowMs - m_timeoutMs;
    }
}

void IdleNotificationTracker::resumed()
{
    m_idle = false;
}

double IdleNotificationTracker::idleSeconds(qint64 nowMs) const
{
    if (!m_idle) {
        return 0;
    }
    return static_cast<double>(std::max<qint64>(nowMs - m_idleSinceMs, m_timeoutMs)) / 1000.0;
}
