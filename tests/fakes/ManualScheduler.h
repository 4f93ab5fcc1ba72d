// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Scheduler.h"

#include <QtGlobal>

#include <memory>
#include <vector>

class FakeClock;

// A scheduler in virtual time. Nothing runs until the test advances it; then every task that falls
// due runs in time order (in the order scheduled when due at the same moment), with the clock moved on
// to its due time. Tasks may schedule further tasks, which run in the same advance when they fall due
// within it. A cancelled task never runs.
//
// Like QTimer, it keeps its own monotonic time, and moves the FakeClock (both of its clocks) along with
// it. Moving the clock by hand does not move the timers: advancing it alone is what a suspended machine
// looks like to a timer, and stepping its wall clock is what a user changing the time looks like.
class ManualScheduler final : public Scheduler
{
public:
    explicit ManualScheduler(FakeClock& clock);

    using Scheduler::post;
    using Scheduler::repeatEvery;
    using Scheduler::runAfter;

    void post(Task task) override;
    TaskHandle runAfter(std::chrono::milliseconds delay, Task task) override;
    TaskHandle repeatEvery(std::chrono::milliseconds interval, Task task) override;

    // Runs what falls due up to now + step, then leaves the clock at now + step.
    void advance(std::chrono::milliseconds step);
    // Runs what is due at the current time, posted tasks included.
    void runDue() { advance(std::chrono::milliseconds(0)); }

private:
    struct Entry
    {
        qint64 dueMs;
        quint64 sequence;
        qint64 intervalMs; // 0 for a one-shot
        Task task;
        std::shared_ptr<bool> cancelled;
    };

    TaskHandle schedule(qint64 delayMs, qint64 intervalMs, Task task);
    // Moves the monotonic time, and the wall clock by the same amount.
    void moveTo(qint64 monotonicMs);

    FakeClock& m_clock;
    qint64 m_monotonicMs = 0;
    std::vector<Entry> m_entries;
    quint64 m_nextSequence = 0;
};
