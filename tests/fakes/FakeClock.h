// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

// A clock that only moves when a test (or the ManualScheduler) moves it. Starts at a fixed instant.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC));

    QDateTime now() const override { return m_now; }
    std::chrono::milliseconds steady() const override { return m_steady; }

    // Time passes (also while the machine sleeps): both clocks move.
    void advance(std::chrono::milliseconds step)
    {
        m_now = m_now.addMSecs(step.count());
        m_steady += step;
    }
    // Somebody sets the wall clock: only it moves.
    void step(std::chrono::milliseconds step) { m_now = m_now.addMSecs(step.count()); }
    void setNow(const QDateTime& now) { m_now = now; }

private:
    QDateTime m_now;
    std::chrono::milliseconds m_steady{0};
};
