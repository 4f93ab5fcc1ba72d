#pragma once

#include "Clock.h"

#include <chrono>

// A clock that only moves when a test (or the ManualScheduler) moves it. Starts at a fixed instant.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC));

    QDateTime now() const override { return m_now; }
    void setNow(const QDateTime& now) { m_now = now; }
    void advance(std::chrono::milliseconds step) { m_now = m_now.addMSecs(step.count()); }

private:
    QDateTime m_now;
};
