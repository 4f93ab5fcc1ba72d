// SPDX-License-Identifier: GPL-3.0-or-later
#include "MicroPauseScheduler.h"

#include "Clock.h"
#include "MicroPausePresenting.h"
#include "WholeNumbers.h"

#include <QPointer>

#include <algorithm>

namespace {

// Up three times its length without being taken, a micro-pause is missed.
constexpr double kMissedAfterLengths = 3;

} // namespace

MicroPauseScheduler::MicroPauseScheduler(MicroPausePresenting& card, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_card(card)
    , m_clock(clock)
{
}

void MicroPauseScheduler::tick(const Tick& tick, const Settings& settings)
{
    if (!settings.enabled) {
        m_active = 0;
        if (m_shown) {
            m_card.hide();
            m_shown.reset();
        }
        return;
    }
    if (m_shown) {
        if (!tick.allowed) {
            // A long break, a pause or a hold came meanwhile: the card gives way, and it is no micro-pause.
            restart();
            return;
        }
        m_shown->onScreen += tick.seconds;
        // The ring runs only through seconds without input; any key or movement holds it where it is.
        if (tick.idleSeconds >= tick.seconds) {
            m_shown->still += tick.seconds;
        }
        m_card.setProgress(std::min(m_shown->still / m_shown->length, 1.0));
        if (m_shown->still >= m_shown->length) {
            end(true);
        } else if (m_shown->onScreen >= kMissedAfterLengths * m_shown->length) {
            end(false);
        }
        return;
    }
    // A natural pause starts the count again: away for a micro-pause's length, or continuous work restarted.
    const bool workRestarted = tick.continuousWork < m_lastContinuousWork;
    m_lastContinuousWork = tick.continuousWork;
    if (workRestarted || tick.idleSeconds >= static_cast<double>(settings.lengthSeconds)) {
        m_active = 0;
    }
    if (tick.active) {
        m_active += tick.seconds;
    }
    if (m_active < static_cast<double>(settings.intervalSeconds)) {
        return;
    }
    m_active = 0;
    if (tick.allowed) {
        show(settings);
    }
}

void MicroPauseScheduler::request(const Settings& settings)
{
    if (!m_shown) {
        m_active = 0;
        show(settings);
    }
}

void MicroPauseScheduler::restart()
{
    m_active = 0;
    if (m_shown) {
        m_card.hide();
        m_shown.reset();
    }
}

std::optional<qint64> MicroPauseScheduler::minutesUntilNext(const Settings& settings) const
{
    if (!settings.enabled || m_shown) {
        return std::nullopt;
    }
    const double left = std::max(static_cast<double>(settings.intervalSeconds) - m_active, 0.0);
    return WholeNumbers::roundedUp(left / 60.0);
}

void MicroPauseScheduler::show(const Settings& settings)
{
    m_shown = Shown{m_clock.now(), 0, 0, static_cast<double>(settings.lengthSeconds)};
    QPointer<MicroPauseScheduler> self(this);
    m_card.show(m_nextCue++, [self] {
        if (self && self->m_shown) {
            self->end(false);
        }
    });
    m_card.setProgress(0);
}

void MicroPauseScheduler::end(bool taken)
{
    const Shown shown = *m_shown;
    m_shown.reset();
    m_card.hide();
    emit ended(shown.startedAt, m_clock.now(), taken);
}
