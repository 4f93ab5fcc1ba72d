// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManualScheduler.h"

#include "FakeClock.h"

#include <algorithm>

ManualScheduler::ManualScheduler(FakeClock& clock)
    : m_clock(clock)
{
}

void ManualScheduler::moveTo(qint64 monotonicMs)
{
    m_clock.advance(std::chrono::milliseconds(monotonicMs - m_monotonicMs));
    m_monotonicMs = monotonicMs;
}

void ManualScheduler::post(Task task)
{
    schedule(0, 0, std::move(task));
}

TaskHandle ManualScheduler::runAfter(std::chrono::milliseconds delay, Task task)
{
    return schedule(std::max<qint64>(delay.count(), 0), 0, std::move(task));
}

TaskHandle ManualScheduler::repeatEvery(std::chrono::milliseconds interval, Task task)
{
    // A zero interval would run forever within one advance.
    const qint64 intervalMs = std::max<qint64>(interval.count(), 1);
    return schedule(intervalMs, intervalMs, std::move(task));
}

TaskHandle ManualScheduler::schedule(qint64 delayMs, qint64 intervalMs, Task task)
{
    auto cancelled = std::make_shared<bool>(false);
    m_entries.push_back(Entry{m_monotonicMs + delayMs, m_nextSequence++, intervalMs, std::move(task), cancelled});
    return TaskHandle([cancelled] { *cancelled = true; });
}

void ManualScheduler::advance(std::chrono::milliseconds step)
{
    const qint64 target = m_monotonicMs + std::max<qint64>(step.count(), 0);
    for (;;) {
        std::erase_if(m_entries, [](const Entry& entry) { return *entry.cancelled; });
        const auto next = std::min_element(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
            return a.dueMs != b.dueMs ? a.dueMs < b.dueMs : a.sequence < b.sequence;
        });
        if (next == m_entries.end() || next->dueMs > target) {
            break;
        }
        // Take the entry out before running it: the task may schedule or cancel others.
        Entry entry = std::move(*next);
        m_entries.erase(next);
        moveTo(entry.dueMs);
        if (entry.intervalMs > 0) {
            m_entries.push_back(
                Entry{entry.dueMs + entry.intervalMs, m_nextSequence++, entry.intervalMs, entry.task, entry.cancelled});
        }
        entry.task();
    }
    moveTo(target);
}
