// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformSystemEvents.h"

#include "LogindSleepWatcher.h"
#include "TerminationSignals.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <sys/timerfd.h>
#include <unistd.h>

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
    m_clockTimer = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_clockTimer >= 0 && armClockWatch()) {
        m_clockNotifier = std::make_unique<QSocketNotifier>(m_clockTimer, QSocketNotifier::Read);
        connect(m_clockNotifier.get(), &QSocketNotifier::activated, this, [this] {
            quint64 expirations = 0;
            if (::read(m_clockTimer, &expirations, sizeof expirations) < 0 && errno == ECANCELED) {
                armClockWatch();
                emit clockChanged();
            }
        });
    }
}

PlatformSystemEvents::~PlatformSystemEvents()
{
    m_clockNotifier.reset();
    if (m_clockTimer >= 0) {
        ::close(m_clockTimer);
    }
}

bool PlatformSystemEvents::armClockWatch()
{
    // An expiry no clock reaches: only a cancellation ever makes the descriptor readable.
    itimerspec expiry{};
    expiry.it_value.tv_sec = 4'102'444'800; // 2100-01-01
    return timerfd_settime(m_clockTimer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr) == 0;
}
