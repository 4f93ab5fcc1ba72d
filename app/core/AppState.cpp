// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppState.h"

#include "ActivityMonitoring.h"
#include "BreakPresenting.h"
#include "Clock.h"
#include "JsonValues.h"
#include "Scheduler.h"
#include "SnapshotPublishing.h"
#include "SystemEvents.h"
#include "SystemLog.h"
#include "UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace std::chrono_literals;

AppState::AppState(Services services, QObject* parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_settingsStore(m_services.defaults, &m_services.log)
    , m_breaks(*this, {m_services.overlay, m_services.banner, m_services.scheduler, m_services.clock, m_services.calls,
                       m_services.fullScreen})
{
    const QDateTime now = m_services.clock.now();
    m_currentDayKey = m_services.calendar.dayKey(now);
    m_lastTick = m_services.clock.steady();
    connect(&m_breaks, &BreakScheduler::waitReasonChanged, this, &AppState::breakWaitReasonChanged);
    restoreUsage(now);
    start();

    connect(&m_services.events, &SystemEvents::launchFinished, this,
            [this] { m_services.scheduler.post(this, [this] { handleLaunch(); }); });
    // Both run synchronously inside the notification, so the usage is on disk before the process ends
    // or the machine sleeps.
    connect(
        &m_services.events, &SystemEvents::willTerminate, this,
        [this] {
            // A break on screen now would otherwise leave no record at all.
            m_breaks.endRunningBreak();
            flushPendingUsage();
            // The last chance: what the store still refuses (a full disk) is lost, and says so.
            if (!m_pendingUsage.empty() || !m_pendingBreaks.empty()) {
                m_services.log.log(kUnsavedAtExit, pendingSummary());
            }
        },
        Qt::DirectConnection);
    connect(&m_services.events, &SystemEvents::willSleep, this, &AppState::flushPendingUsage, Qt::DirectConnection);
}

AppState::~AppState()
{
    m_timer.cancel();
}

void AppState::start()
{
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
        m_fatigueEngine.advance(FatigueMode::resting, elapsed, rule);
        setFatigue(m_fatigueEngine.state());
        emit tickFinished();
        return;
    }

    const double dt = std::max(elapsed, 0.0);
    const bool active = !settings().movieMode && m_services.activity.isActive();
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
        PendingHour& pending = m_pendingUsage[hour];
        pending.seconds += dt;
        pending.fatiguePeak = std::max(pending.fatiguePeak, m_fatigue.percent);
    }

    if (++m_ticksSinceFlush >= kTicksPerFlush) {
        flushPendingUsage();
    }
    endPauseIfOver(now);
    m_breaks.evaluate();
    m_services.publisher.publish(m_fatigue, m_todaySeconds, settings().rule, settings().pausedUntil, now);
    emit tickFinished();
}

void AppState::flushPendingUsage()
{
    m_ticksSinceFlush = 0;
    // What the store did not take (busy, disk full) stays pending for the next flush. The first refusal ends
    // this one: each write may wait for another writer, and several of those waits in a row would stall the
    // tick long enough to look like a gap.
    while (!m_pendingBreaks.empty()) {
        const PendingBreak& pending = m_pendingBreaks.front();
        if (!m_services.usage.recordBreak(pending.startedAt, pending.endedAt, pending.skipped, pending.postponed,
                                          pending.trigger)) {
            setStoreProblem(m_services.usage.lastError());
            return;
        }
        m_pendingBreaks.erase(m_pendingBreaks.begin());
    }
    const bool anyUsage = !m_pendingUsage.empty();
    for (auto entry = m_pendingUsage.begin(); entry != m_pendingUsage.end();) {
        const auto& [hour, pending] = *entry;
        if (!m_services.usage.addUsage(m_currentDayKey, hour, pending.seconds, pending.fatiguePeak)) {
            setStoreProblem(m_services.usage.lastError());
            return;
        }
        entry = m_pendingUsage.erase(entry);
    }
    setStoreProblem(std::nullopt);
    // Everything is stored: what the store holds for the day is now today's figure, also where it held
    // more than this process knew of.
    if (anyUsage && !m_dayLoaded) {
        loadStoredDay(m_services.clock.now());
    }
}

void AppState::rollDayIfNeeded(const QDateTime& now)
{
    const QString key = m_services.calendar.dayKey(now);
    if (key == m_currentDayKey) {
        return;
    }
    // The pending usage still belongs to the old day.
    flushPendingUsage();
    if (!m_pendingUsage.empty()) {
        m_services.log.log(kDroppedUsage, pendingSummary());
        m_pendingUsage.clear();
    }
    m_currentDayKey = key;
    // The new day may have been counted already: the clock set back across midnight finds an earlier day.
    loadStoredDay(now);
}

void AppState::setStoreProblem(std::optional<QString> problem)
{
    if (problem != m_storeProblem) {
        m_storeProblem = std::move(problem);
        emit storeProblemChanged();
    }
}

QString AppState::pendingSummary() const
{
    double seconds = 0;
    for (const auto& [hour, pending] : m_pendingUsage) {
        seconds += pending.seconds;
    }
    QString summary = m_currentDayKey + QStringLiteral(", ") + QString::number(m_pendingUsage.size()) +
                      QStringLiteral(" h, ") + QString::number(seconds, 'f', 0) + QStringLiteral(" s");
    if (!m_pendingBreaks.empty()) {
        summary += QStringLiteral(", ") + QString::number(m_pendingBreaks.size()) + QStringLiteral(" breaks");
    }
    return summary;
}

void AppState::loadStoredDay(const QDateTime& now)
{
    // Nothing of the day is pending here: it started now, or everything of it has just been stored.
    Hourly usage{};
    double total = 0;
    const auto stored = m_services.usage.hourlySeconds(m_currentDayKey);
    if (stored) {
        for (std::size_t hour = 0; hour < stored->size(); ++hour) {
            total += (*stored)[hour];
            usage[hour] = std::min((*stored)[hour] / 3600.0 * 100.0, 100.0);
        }
    }
    setTodaySeconds(total);
    setHourlyUsage(usage);
    setHourlyFatigue(m_services.usage.hourlyFatiguePeaks(m_currentDayKey).value_or(Hourly{}));
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
    setYesterdaySeconds(m_services.usage.totalSeconds(m_services.calendar.dayKey(yesterday)));
}

void AppState::restoreUsage(const QDateTime& now)
{
    migrateLegacyUsageIfNeeded();
    m_currentDayKey = m_services.calendar.dayKey(now);
    loadStoredDay(now);
}

void AppState::migrateLegacyUsageIfNeeded()
{
    const auto data = m_services.defaults.data(kLegacyUsageKey);
    if (!data) {
        return;
    }
    // All of it must decode, or nothing is migrated and the value stays for the next start.
    const QJsonDocument document = QJsonDocument::fromJson(*data);
    if (!document.isObject()) {
        return;
    }
    const QJsonObject days = document.object();
    QList<std::pair<QString, QList<double>>> decoded;
    for (auto day = days.begin(); day != days.end(); ++day) {
        const QJsonObject usage = day.value().toObject();
        const QJsonValue hourly = usage.value(QLatin1StringView("hourly"));
        if (!day.value().isObject() || !usage.value(QLatin1StringView("seconds")).isDouble() || !hourly.isArray()) {
            return;
        }
        QList<double> values;
        for (const QJsonValue value : hourly.toArray()) {
            if (!value.isDouble()) {
                return;
            }
            values.append(value.toDouble());
        }
        decoded.append({day.key(), values});
    }
    bool stored = true;
    for (const auto& [day, values] : decoded) {
        // Only the 24 hours of a day: anything past them would be a row no reader ever shows.
        for (qsizetype hour = 0; hour < std::min<qsizetype>(values.size(), 24); ++hour) {
            if (values[hour] > 0) {
                stored =
                    m_services.usage.addUsage(day, static_cast<int>(hour), values[hour] / 100.0 * 3600.0, 0) && stored;
            }
        }
    }
    // The old value goes only once the database holds all of it; otherwise the next start tries again (the
    // database adds what it takes twice, but a history that could not be stored at all is not lost).
    if (stored) {
        m_services.defaults.remove(kLegacyUsageKey);
    }
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
