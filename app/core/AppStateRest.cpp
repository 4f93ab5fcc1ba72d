// SPDX-License-Identifier: GPL-3.0-or-later
// The tick at rest while nobody is there: see the class comment.
#include "AppState.h"

#include "ActivityMonitoring.h"
#include "BreakPresenting.h"
#include "Clock.h"
#include "Scheduler.h"
#include "SnapshotPublishing.h"

#include <algorithm>
#include <limits>

using namespace std::chrono_literals;

bool AppState::mayRest(bool present) const
{
    // An idle tick that is the last to change anything but fatigue: no break in flight, no micro-pause up or
    // being counted, and nobody looking.
    return !present && !m_windowsOpen && m_fatigue.mode == FatigueMode::idle && m_fatigue.percent < 100 &&
           m_breaks.isQuiet() && (m_microPauses.isAtRest() || (!settings().microPauses && !m_microPauses.isShown()));
}

void AppState::rest()
{
    QPointer<AppState> self(this);
    const bool told = m_services.activity.awaitReturn([self] {
        if (self) {
            self->m_services.scheduler.post(self.data(), [target = self.data()] { target->wake(); });
        }
    });
    // A source that can only be asked is asked every second.
    if (!told) {
        return;
    }
    m_resting = true;
    // What the next ticks would store is stored before the rest, keeping their count.
    storePendingUsage();
    planWake();
}

qint64 AppState::ticksUntilDue() const
{
    const std::chrono::milliseconds steady = m_services.clock.steady();
    const QDateTime now = m_services.clock.now();
    // Tick k of the rest comes k seconds after the last one; on the wall clock, as far from now.
    const auto ticksUntil = [this](std::chrono::milliseconds at) {
        const qint64 ms = (at - m_lastTick).count();
        return std::max<qint64>(1, ms / 1000 + (ms % 1000 > 0 ? 1 : 0));
    };
    const auto ticksUntilDate = [&](const QDateTime& at) {
        return at.isValid() ? ticksUntil(steady + std::chrono::milliseconds(now.msecsTo(at)))
                            : std::numeric_limits<qint64>::max();
    };
    qint64 ticks =
        std::min(ticksUntil(m_services.publisher.nextWrite()), ticksUntilDate(m_services.calendar.nextMidnight(now)));
    if (const auto until = settings().pausedUntil) {
        // A pause beyond any Tavrin sets ends at the next tick, as the tick would end it.
        const qint64 nowSeconds = now.toSecsSinceEpoch();
        const bool implausible = *until > nowSeconds && *until - nowSeconds > kLongestPauseSeconds;
        ticks = std::min(ticks, implausible ? 1 : ticksUntilDate(QDateTime::fromSecsSinceEpoch(*until)));
    }
    if (const auto left = m_breaks.postponedFor()) {
        ticks = std::min(ticks, ticksUntil(steady + *left));
    }
    // The ticks up to now went by without any of it: a plan made later (the clock was set) starts after them.
    return std::max<qint64>(ticks, (steady - m_lastTick) / 1s + 1);
}

void AppState::planWake()
{
    armWake(m_lastTick + std::chrono::seconds(ticksUntilDue()));
}

void AppState::armWake(std::chrono::milliseconds at)
{
    m_timer.cancel();
    m_plannedWake = at;
    m_timer =
        m_services.scheduler.runAfter(std::max(at - m_services.clock.steady(), 0ms), this, [this] { wakeAsPlanned(); });
}

void AppState::wakeAsPlanned()
{
    // Up to the planned tick; a sleep of the machine that nobody announced leaves a gap the tick counts as rest.
    easeOff((m_plannedWake - m_lastTick) / 1s - 1);
    m_resting = false;
    m_timer = m_services.scheduler.repeatEvery(1s, this, [this] { tick(); });
    tick();
}

void AppState::wake()
{
    if (!m_resting) {
        return;
    }
    catchUp();
    m_resting = false;
    // The planned tick is the next one anyway: so it is after a sleep of the machine, which the timer does not
    // count and the steady clock does.
    if (m_plannedWake - m_lastTick <= 1s) {
        return;
    }
    m_timer.cancel();
    m_timer = m_services.scheduler.runAfter(std::max(m_lastTick + 1s - m_services.clock.steady(), 0ms), this, [this] {
        m_timer = m_services.scheduler.repeatEvery(1s, this, [this] { tick(); });
        tick();
    });
}

void AppState::setWindowsOpen(bool open)
{
    m_windowsOpen = open;
    if (open) {
        wake();
    }
}

void AppState::bringUpToDate()
{
    if (m_resting) {
        catchUp();
    }
}

void AppState::catchUp()
{
    const qint64 passed = (m_services.clock.steady() - m_lastTick) / 1s;
    const qint64 beforePlan = (m_plannedWake - m_lastTick) / 1s - 1;
    easeOff(std::min(passed, beforePlan));
}

void AppState::easeOff(qint64 ticks)
{
    if (ticks <= 0) {
        return;
    }
    // What an idle tick does when nothing else falls due: fatigue eases off, and the pending usage is stored
    // on the usual count (there is none after the first ten).
    const RuleConfig& rule = settings().rule;
    for (qint64 tick = 0; tick < ticks; ++tick) {
        m_lastTick += 1s;
        m_fatigueEngine.advance(FatigueMode::idle, 1.0, rule);
        if (++m_ticksSinceFlush >= kTicksPerFlush) {
            flushPendingUsage();
        }
    }
    setFatigue(m_fatigueEngine.state());
}
