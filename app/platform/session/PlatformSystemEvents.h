// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemEvents.h"

#include <memory>

class QSocketNotifier;

class LogindSleepWatcher;
class SystemLog;
class TerminationSignals;

// The lifecycle events of a Linux desktop session:
// - launchFinished: the first turn of the event loop;
// - willTerminate: the application quits (termination signals quit it cleanly), or the session logs out;
// - willSleep: logind's PrepareForSleep, while Tavrin's delay inhibitor holds the sleep back;
// - clockChanged: the kernel cancels a timer on the wall clock when the clock is set (timerfd's
//   TFD_TIMER_CANCEL_ON_SET), which costs nothing until it happens.
class PlatformSystemEvents final : public SystemEvents
{
    Q_OBJECT

public:
    explicit PlatformSystemEvents(SystemLog& log, QObject* parent = nullptr);
    ~PlatformSystemEvents() override;

private:
    // Arms the timer that the clock being set cancels.
    bool armClockWatch();

    std::unique_ptr<TerminationSignals> m_signals;
    int m_clockTimer = -1;
    std::unique_ptr<QSocketNotifier> m_clockNotifier;
    std::unique_ptr<LogindSleepWatcher> m_sleep;
};
