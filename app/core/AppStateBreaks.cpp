// SPDX-License-Identifier: GPL-3.0-or-later
// Breaks: the BreakScheduler decides and presents them; AppState settles fatigue, has them recorded, and
// keeps the pause of reminders in the settings.

#include "AppState.h"

#include "ActivityMonitoring.h"
#include "BreakPresenting.h"
#include "BusySignal.h"
#include "Clock.h"
#include "SystemLog.h"
#include "WholeNumbers.h"

#include <algorithm>

void AppState::requestBreak()
{
    wake();
    m_breaks.requestBreak();
}

void AppState::requestMicroPause()
{
    wake();
    if (settings().microPauses) {
        m_microPauses.request(microPauseSettings());
    }
}

MicroPauseScheduler::Settings AppState::microPauseSettings() const
{
    const AppSettings& s = settings();
    return {s.microPauses, s.microPauseMinutes * 60, s.microPauseSeconds};
}

std::optional<qint64> AppState::minutesUntilMicroPause() const
{
    return microPauseAllowed() ? m_microPauses.minutesUntilNext(microPauseSettings()) : std::nullopt;
}

bool AppState::microPauseAllowed() const
{
    const AppSettings& s = settings();
    if (m_services.overlay.hasWindows() || m_services.banner.isShown() || m_breaks.isSchedulingOverlay() ||
        remindersPaused() || s.movieMode || m_breaks.waitReason() ||
        (s.quietDuringCalls && m_services.calls.isBusy()) ||
        (s.quietDuringFullScreen && m_services.fullScreen.isBusy())) {
        return false;
    }
    // Nor when the long break is due within two minutes: by the work period (or the end of a postponement), or
    // by fatigue rising to full.
    constexpr double kNearBreakSeconds = 120;
    const double workSeconds = static_cast<double>(s.rule.workSeconds);
    const double byWork = workSeconds - m_fatigue.continuousWork;
    const double byFatigue = (100.0 - m_fatigue.percent) * workSeconds / 100.0;
    const auto postponed = m_breaks.postponedFor();
    const double untilBreak =
        postponed ? static_cast<double>(postponed->count()) / 1000.0 : std::min(byWork, byFatigue);
    return untilBreak > kNearBreakSeconds;
}

void AppState::breakEnded(const QDateTime& startedAt, BreakOutcome outcome, BreakTrigger trigger, bool overlay)
{
    // A long break is the rest micro-pauses are counting toward.
    if (outcome != BreakOutcome::postponed) {
        m_microPauses.restart();
    }
    // A break put off changes neither fatigue nor continuous work; one that ran settles them.
    if (overlay && outcome != BreakOutcome::postponed) {
        m_fatigueEngine.finishBreak(outcome == BreakOutcome::skipped);
        setFatigue(m_fatigueEngine.state());
    }
    m_services.recorder.recordBreak(startedAt, m_services.clock.now(), outcome, trigger);
}

void AppState::restoreFatigue(const FatigueState& state)
{
    m_fatigueEngine.setState(state);
    setFatigue(state);
}

void AppState::pauseReminders(std::chrono::minutes length)
{
    AppSettings paused = settings();
    paused.pausedUntil = m_services.clock.now().addSecs(std::chrono::seconds(length).count()).toSecsSinceEpoch();
    m_services.settings.setSettings(paused);
}

void AppState::pauseRemindersUntilTomorrow()
{
    AppSettings paused = settings();
    paused.pausedUntil = m_services.calendar.nextMidnight(m_services.clock.now()).toSecsSinceEpoch();
    m_services.settings.setSettings(paused);
}

void AppState::resumeReminders()
{
    AppSettings resumed = settings();
    resumed.pausedUntil.reset();
    m_services.settings.setSettings(resumed);
}

bool AppState::remindersPaused() const
{
    return BreakScheduler::isPaused(settings(), m_services.clock.now());
}

std::optional<QDateTime> AppState::remindersPausedUntil() const
{
    if (!remindersPaused()) {
        return std::nullopt;
    }
    return QDateTime::fromSecsSinceEpoch(*settings().pausedUntil, m_services.calendar.timeZone());
}

QDateTime AppState::localNow() const
{
    return m_services.clock.now().toTimeZone(m_services.calendar.timeZone());
}

double AppState::secondsSinceInput()
{
    return m_services.activity.idleTime();
}

qint64 AppState::minutesUntilBreak() const
{
    double seconds = std::max(static_cast<double>(settings().rule.workSeconds) - m_fatigue.continuousWork, 0.0);
    if (const auto wait = m_breaks.postponedFor()) {
        seconds = static_cast<double>(wait->count()) / 1000.0;
    }
    return WholeNumbers::roundedUp(seconds / 60.0);
}

ReminderState AppState::reminderState() const
{
    ReminderState state;
    state.meeting = settings().movieMode;
    if (remindersPaused()) {
        state.pausedUntil = settings().pausedUntil;
    }
    m_breaks.describe(state);
    state.minutesUntilBreak = WholeNumbers::roundedUp(
        std::max(static_cast<double>(settings().rule.workSeconds) - m_fatigue.continuousWork, 0.0) / 60.0);
    return state;
}

void AppState::endPauseIfOver(const QDateTime& now)
{
    if (!settings().pausedUntil) {
        return;
    }
    // A pause that has run out ends here, so that what is stored and shown agrees with what happens. One
    // that ends further away than any pause Tavrin sets comes from a hand-edited record or a clock set
    // back a long way: it would silence the reminders for good, so it ends too.
    const qint64 until = *settings().pausedUntil;
    const qint64 nowSeconds = now.toSecsSinceEpoch();
    // Compared before subtracting: a stored value near the ends of the range must not overflow.
    const bool over = until <= nowSeconds;
    const bool implausible = !over && until - nowSeconds > kLongestPauseSeconds;
    if (implausible) {
        const QDateTime end = QDateTime::fromSecsSinceEpoch(until, QTimeZone::utc());
        m_services.log.log(kImplausiblePause, end.isValid() ? end.toString(Qt::ISODate) : QString::number(until));
    }
    if (over || implausible) {
        resumeReminders();
    }
}

BusySignal::Coverage AppState::fullScreenCoverage() const
{
    return m_services.fullScreen.coverage();
}
