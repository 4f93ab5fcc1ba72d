// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemEvents.h"

#include <memory>

class LogindSleepWatcher;
class SystemLog;
class TerminationSignals;

// The lifecycle events of a Linux desktop session:
// - launchFinished: the first turn of the event loop;
// - willTerminate: the application quits (termination signals quit it cleanly), or the session logs out;
// - willSleep: logind's PrepareForSleep, while Tavrin's delay inhibitor holds the sleep back.
class PlatformSystemEvents final : public SystemEvents
{
    Q_OBJECT

public:
    explicit PlatformSystemEvents(SystemLog& log, QObject* parent = nullptr);
    ~PlatformSystemEvents() override;

private:
    std::unique_ptr<TerminationSignals> m_signals;
    std::unique_ptr<LogindSleepWatcher> m_sleep;
};
