// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Turns the compositor's idle notifications into an idle time. The compositor only says "idled" once
// the user has been away for the notification's timeout, and "resumed" at the next input; in between
// the idle time grows from the timeout. Before the first "idled", or after "resumed", the user was seen
// within the timeout, which counts as 0.
class IdleNotificationTracker
{
public:
    explicit IdleNotificationTracker(qint64 timeoutMs);

    void idled(qint64 nowMs);
    void resumed();
    double idleSeconds(qint64 nowMs) const;
    bool isIdle() const { return m_idle; }

private:
    qint64 m_timeoutMs;
    bool m_idle = false;
    qint64 m_idleSinceMs = 0;
};
