// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivityMonitor.h"

#include "IdleSource.h"

ActivityMonitor::ActivityMonitor(IdleSource& source, double idleThreshold)
    : m_source(source)
    , m_idleThreshold(idleThreshold)
{
}

double ActivityMonitor::idleTime()
{
    return m_source.secondsSinceLastInput();
}

bool ActivityMonitor::isActive()
{
    if (m_armed != Armed::nothing) {
        return m_armed == Armed::nearingThreshold;
    }
    const double idle = idleTime();
    const double noticeAt = m_idleThreshold - kNoticeLead;
    if (idle < noticeAt && m_source.notify(IdleSource::Notice::idleReaches, noticeAt, [this] {
            if (m_armed == Armed::nearingThreshold) {
                m_armed = Armed::nothing;
            }
        })) {
        m_armed = Armed::nearingThreshold;
    }
    return idle < m_idleThreshold;
}

bool ActivityMonitor::awaitReturn(std::function<void()> returned)
{
    m_returned = std::move(returned);
    if (m_armed == Armed::returning) {
        return true;
    }
    m_armed = Armed::nothing;
    if (!m_source.notify(IdleSource::Notice::inputBelow, m_idleThreshold, [this] {
            if (m_armed == Armed::returning) {
                m_armed = Armed::nothing;
                m_returned();
            }
        })) {
        return false;
    }
    m_armed = Armed::returning;
    return true;
}
