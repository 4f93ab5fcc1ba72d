// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformSystemEvents.h"

#include "LogindSleepWatcher.h"
#include "TerminationSignals.h"

#include <QGuiApplication>
#include <QTimer>

PlatformSystemEvents::PlatformSystemEvents(SystemLog& log, QObject* parent)
    : SystemEvents(parent)
    , m_signals(std::make_unique<TerminationSignals>())
    , m_sleep(LogindSleepWatcher::create(log))
{
    QTimer::singleShot(0, this, &SystemEvents::launchFinished);

    connect(m_signals.get(), &TerminationSignals::terminationRequested, qApp, &QCoreApplication::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &SystemEvents::willTerminate);
    // Logging out may end the process without a quit; save at the session manager's request.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, &SystemEvents::willTerminate, Qt::DirectConnection);
    }
    if (m_sleep) {
        connect(m_sleep.get(), &LogindSleepWatcher::aboutToSleep, this, &SystemEvents::willSleep, Qt::DirectConnection);
    }
}

PlatformSystemEvents::~PlatformSystemEvents() = default;
