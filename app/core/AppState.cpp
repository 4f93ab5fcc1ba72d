// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppState.h"

#include "ActivityMonitoring.h"
#include "BreakPresenting.h"
#include "Clock.h"
#include "Scheduler.h"
#include "SnapshotPublishing.h"
#include "SystemEvents.h"
#include "SystemLog.h"
#include "UsageStore.h"

#include <algorithm>

using namespace std::chrono_literals;

AppState::AppState(Services services, QObject* parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_breaks(*this, {m_services.overlay, m_services.banner, m_services.scheduler, m_services.clock, m_services.calls,
                       m_services.fullScreen})
    , m_microPauses(m_services.microPauseCard, m_services.clock)
{
    connect(&m_microPauses, &MicroPauseScheduler::ended, this,
            [this](const QDateTime& startedAt, const QDateTime& endedAt, bool taken) {
                m_services.recorder.recordMicroPause(startedAt, endedAt, taken);
            });
    const QDateTime now = m_services.clock.now();
    m_lastTick = m_services.clock.steady();
    connect(&m_services.recorder, &UsageRecorder::storeProblemChanged, this, &AppState::storeProblemChanged);
    m_services.recorder.migrateLegacyUsage();
    m_services.recorder.startDay(m_services.calendar.dayKey(now));
    loadStoredDay(now);
    start();

    // Both run synchronously inside the notification, so the usage is on disk before the process ends
    // or the machine sleeps.
    connect(
        &m_services.events, &SystemEvents::willTerminate, this,
        [this] {
            // A break on screen now would otherwise leave no record at all.
            m_breaks.endRunningBreak();
            m_services.recorder.flushBeforeExit();
        },
        Qt::DirectConnection);
    connect(
        &m_services.events, &SystemEvents::willSleep, this,
        [this] {
            // Resting, the ticks up to now are made up, and the tick after the machine wakes is planned as the
            // next second of the rhythm: the timer does not count the sleep, so it comes right after the wake
            // and counts the time asleep as rest, as a running tick would.
            if (m_resting) {
                catchUp();
                armWake(m_lastTick + 1s);
            }
            flushPendingUsage();
        },
        Qt::DirectConnection);
    connect(&m_services.events, &SystemEvents::clockChanged, this, [this] {
        if (m_resting) {
            planWake();
        }
    });
    connect(&m_services.settings, &SettingsStore::settingsChanged, this, &AppState::wake);
}

AppState::~AppState()
{
    m_timer.cancel();
}

void AppState::start()
{
    m_resting = false;
    m_timer.cancel();
    m_lastTick = m_services.clock.steady();
    // The repeating task already runs on the main thread, so it ticks in place: posting it on would cost
    // an extra wake-up of the event loop every second for nothing.
    m_timer = m_services.scheduler.repeatEvery(1s, this, [this] { tick(); });
}

void AppState::tick()
{
    const QDateTime now = m_services.clock.now();
    const std::chrono::milliseconds steady = m_services.clock.steady();
    const double elapsed = static_cast<double>((steady - m_lastTick).count()) / 1000.0;
    m_lastTick = steady;
    rollDayIfNeeded(now);
    const RuleConfig& rule = settings().rule;

    // A long gap (sleep, a stalled process) counts as rest, whole. The wall clock set forward or back is no
    // gap: the interval is the steady clock's.
    if (elapsed > kGapSeconds) {
        m_microPauses.restart();
        m_fatigueEngine.advance(FatigueMode::resting, elapsed, rule);
        setFatigue(m_fatigueEngine.state());
        emit tickFinished();
        return;
    }

    const double dt = std::max(elapsed, 0.0);
    const bool present = m_services.activity.isActive();
    const bool active = !settings().movieMode && present;
    const bool overlayShown = m_services.overlay.hasWindows();
    const FatigueMode mode = overlayShown ? FatigueMode::resting : (active ? FatigueMode::working : FatigueMode::idle);
    m_fatigueEngine.advance(mode, dt, rule);
    setFatigue(m_fatigueEngine.state());

    if (active && !overlayShown) {
        setTodaySeconds(m_todaySeconds + dt);
        const int hour = m_services.calendar.hour(now);
        const auto slot = static_cast<std::size_t>(hour);
        Hourly usage = m_hourlyUsage;
        usage[slot] = std::min(dt * (100.0 / 3600.0) + usage[slot], 100.0);
        setHourlyUsage(usage);
        Hourly peaks = m_hourlyFatigue;
        peaks[slot] = std::max(peaks[slot], m_fatigue.percent);
        setHourlyFatigue(peaks);
        m_services.recorder.addUsage(hour, dt, m_fatigue.percent);
    }

    if (++m_ticksSinceFlush >= kTicksPerFlush) {
        flushPendingUsage();
    }
    endPauseIfOver(now);
    m_breaks.evaluate();
    // Only while micro-pauses are on (or one is still up) is the idle time asked a second time.
    if (settings().microPauses || m_microPauses.isShown()) {
        m_microPauses.tick({dt, active && !overlayShown, m_services.activity.idleTime(), m_fatigue.continuousWork,
                            microPauseAllowed()},
                           microPauseSettings());
    }
    m_services.publisher.publish(m_fatigue, m_todaySeconds, settings().rule, reminderState(), now);
    emit tickFinished();
    if (mayRest(present)) {
        rest();
    }
}

void AppState::flushPendingUsage()
{
    m_ticksSinceFlush = 0;
    storePendingUsage();
}

void AppState::storePendingUsage()
{
    // Everything is stored: what the store holds for the day is now today's figure, also where it held
    // more than this process knew of.
    if (m_services.recorder.flush() && !m_dayLoaded) {
        loadStoredDay(m_services.clock.now());
    }
}

void AppState::rollDayIfNeeded(const QDateTime& now)
{
    const QString key = m_services.calendar.dayKey(now);
    if (key == currentDayKey()) {
        return;
    }
    // The pending usage still belongs to the old day.
    flushPendingUsage();
    m_services.recorder.startDay(key);
    // The new day may have been counted already: the clock set back across midnight finds an earlier day.
    loadStoredDay(now);
}

void AppState::loadStoredDay(const QDateTime& now)
{
    // Nothing of the day is pending here: it started now, or everything of it has just been stored.
    Hourly usage{};
    double total = 0;
    const auto stored = m_services.recorder.store().hourlySeconds(currentDayKey());
    if (stored) {
        for (std::size_t hour = 0; hour < stored->size(); ++hour) {
            total += (*stored)[hour];
            usage[hour] = std::min((*stored)[hour] / 3600.0 * 100.0, 100.0);
        }
    }
    setTodaySeconds(total);
    setHourlyUsage(usage);
    setHourlyFatigue(m_services.recorder.store().hourlyFatiguePeaks(currentDayKey()).value_or(Hourly{}));
    refreshYesterday(now);
    // Without an answer (a store that is busy or gone) today starts from what this process counts; the
    // first flush that stores everything reads the day again.
    m_dayLoaded = stored.has_value();
}

void AppState::refreshYesterday(const QDateTime& now)
{
    const QDateTime yesterday = m_services.calendar.addDays(now, -1);
    if (!yesterday.isValid()) {
        setYesterdaySeconds(std::nullopt);
        return;
    }
    setYesterdaySeconds(m_services.recorder.store().totalSeconds(m_services.calendar.dayKey(yesterday)));
}

AppState::Hourly AppState::chartFatigue() const
{
    Hourly chart = m_hourlyFatigue;
    chart[static_cast<std::size_t>(m_services.calendar.hour(m_services.clock.now()))] = m_fatigue.percent;
    return chart;
}

void AppState::setFatigue(const FatigueState& fatigue)
{
    m_fatigue = fatigue;
    emit fatigueChanged();
}

void AppState::setTodaySeconds(double seconds)
{
    m_todaySeconds = seconds;
    emit todaySecondsChanged();
}

void AppState::setHourlyUsage(const Hourly& usage)
{
    m_hourlyUsage = usage;
    emit hourlyUsageChanged();
}

void AppState::setHourlyFatigue(const Hourly& fatigue)
{
    m_hourlyFatigue = fatigue;
    emit hourlyFatigueChanged();
}

void AppState::setYesterdaySeconds(std::optional<double> seconds)
{
    m_yesterdaySeconds = seconds;
    emit yesterdaySecondsChanged();
}
