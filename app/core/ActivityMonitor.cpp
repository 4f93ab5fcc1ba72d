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
    return idleTime() < m_idleThreshold;
}
