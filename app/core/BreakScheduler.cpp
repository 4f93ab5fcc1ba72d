// SPDX-License-Identifier: GPL-3.0-or-later
#include "BreakScheduler.h"

#include "BreakPresenting.h"
#include "BusySignal.h"
#include "Clock.h"
#include "Scheduler.h"

#include <QPointer>

#include <algorithm>

BreakScheduler::BreakScheduler(Owner& owner, Services services, QObject* parent)
    : QObject(parent)
    , m_owner(owner)
    , m_services(services)
{
    // The two minutes' grace count from the moment the user is free again.
    for (BusySignal* signal : {&m_services.calls, &m_services.fullScreen}) {
        connect(signal, &BusySignal::busyChanged, this, [this] {
            if (!busyReason()) {
                m_busyEnded = m_services.clock.steady();
            }
        });
    }
}

BreakScheduler::~BreakScheduler()
{
    m_notice.cancel();
    m_pauseCheck.cancel();
}

bool BreakScheduler::isPaused(const AppSettings& settings, const QDateTime& now)
{
    return settings.pausedUntil && now.toSecsSinceEpoch() < *settings.pausedUntil;
}

void BreakScheduler::requestBreak()
{
    m_services.scheduler.post(this, [this] { beginBreak(BreakTrigger::manual); });
}

std::optional<QuietReason> BreakScheduler::busyReason() const
{
    const AppSettings& settings = m_owner.settings();
    if (settings.quietDuringCalls && m_services.calls.isBusy()) {
        return QuietReason::call;
    }
    if (settings.quietDuringFullScreen && m_services.fullScreen.isBusy()) {
        return QuietReason::fullScreen;
    }
    return std::nullopt;
}

void BreakScheduler::evaluate()
{
    const AppSettings& settings = m_owner.settings();
    if (!settings.notificationEnabled || m_services.overlay.hasWindows() || m_services.banner.isShown() ||
        m_isSchedulingOverlay || m_running) {
        return;
    }
    const std::chrono::milliseconds now = m_services.clock.steady();
    if (isPaused(settings, m_services.clock.now()) || (m_postponedUntil && now < *m_postponedUntil)) {
        return;
    }
    const FatigueState& fatigue = m_owner.fatigue();
    // Seconds since the last automatic trigger; the first one after start is never held back.
    const bool nagDue = !m_lastNag || static_cast<double>((now - *m_lastNag).count()) / 1000.0 >=
                                          static_cast<double>(settings.nagIntervalSeconds);
    const bool workReached = fatigue.continuousWork >= static_cast<double>(settings.rule.workSeconds);
    const bool due = (workReached && (settings.reminderStyle == ReminderStyle::fullscreen || nagDue)) ||
                     (fatigue.percent >= 100 && nagDue);
    if (!due) {
        // A break put off and no longer due (the person rested meanwhile) is over.
        m_postponedTrigger.reset();
        m_heldSince.reset();
        m_waitReason.reset();
        return;
    }
    // A busy user is not interrupted: the break waits while the call or the full-screen window lasts and two
    // minutes more, but not beyond an hour after it was due.
    const auto busy = busyReason();
    const bool inGrace = m_heldSince && m_busyEnded && now - *m_busyEnded < kQuietGrace;
    if (busy || inGrace) {
        if (!m_heldSince) {
            m_heldSince = now;
        }
        if (now - *m_heldSince < kQuietCap) {
            if (busy) {
                m_waitReason = busy;
            }
            return;
        }
    }
    m_heldSince.reset();
    m_postponedUntil.reset();
    m_waitReason.reset();
    m_lastNag = now;
    const BreakTrigger why =
        m_postponedTrigger.value_or(workReached ? BreakTrigger::workReached : BreakTrigger::fatigueMax);
    m_postponedTrigger.reset();
    m_beginning = true;
    m_services.scheduler.post(this, [this, why] { beginBreak(why); });
}

bool BreakScheduler::isQuiet() const
{
    return !m_running && !m_isSchedulingOverlay && !m_beginning && !m_pauseWait && !m_heldSince && !m_waitReason &&
           !m_services.banner.isShown() && !m_services.overlay.hasWindows();
}

void BreakScheduler::beginBreak(BreakTrigger trigger)
{
    m_beginning = false;
    if (m_services.overlay.hasWindows()) {
        return;
    }
    const AppSettings& settings = m_owner.settings();
    if (trigger == BreakTrigger::manual ||
        (settings.reminderStyle == ReminderStyle::fullscreen && !settings.notifyBeforeOverlay)) {
        presentOverlay(trigger);
    } else if (settings.reminderStyle == ReminderStyle::banner) {
        showBannerReminder(trigger);
    } else {
        showNotice(trigger);
    }
}

void BreakScheduler::postpone(BreakTrigger trigger)
{
    m_postponedTrigger = trigger;
    const std::chrono::minutes length(m_owner.settings().postponeMinutes);
    m_postponedUntil = m_services.clock.steady() + length;
    m_postponedUntilDate = m_services.clock.now().toSecsSinceEpoch() + std::chrono::seconds(length).count();
    // It comes back when the postponement ends, whatever the reminder interval.
    m_lastNag.reset();
}

std::optional<std::chrono::milliseconds> BreakScheduler::postponedFor() const
{
    const std::chrono::milliseconds now = m_services.clock.steady();
    if (!m_postponedUntil || now >= *m_postponedUntil) {
        return std::nullopt;
    }
    return *m_postponedUntil - now;
}

void BreakScheduler::showNotice(BreakTrigger trigger)
{
    m_isSchedulingOverlay = true;
    const QDateTime shownAt = m_services.clock.now();
    QPointer<BreakScheduler> self(this);
    BannerPresenting::Actions actions;
    actions.action = [self, shownAt, trigger] {
        if (self) {
            self->m_notice.cancel();
            self->m_isSchedulingOverlay = false;
            self->postpone(trigger);
            self->m_owner.breakEnded(shownAt, BreakOutcome::postponed, trigger, false);
        }
    };
    // Before a wait for the person's pause the notice stays until the wait's banner takes its place, so that
    // the screen is never without one; before the overlay it is gone a second early.
    const bool waitFollows = m_owner.settings().startBreakAtPause;
    m_services.banner.show(
        {BannerNotice::Kind::breakComing, kNotice.count(), {}},
        static_cast<double>((waitFollows ? kNotice + std::chrono::seconds(1) : kNoticeShownFor).count()),
        std::move(actions));
    m_notice = m_services.scheduler.runAfter(kNotice, this, [this, trigger, shownAt] {
        m_isSchedulingOverlay = false;
        const bool waiting = m_owner.settings().startBreakAtPause && !m_services.overlay.hasWindows();
        if (!waiting && m_services.banner.isShown()) {
            m_services.banner.dismiss();
        }
        // A manual break that started during the notice is the break.
        if (m_services.overlay.hasWindows()) {
            return;
        }
        if (waiting) {
            waitForPause(trigger, shownAt);
        } else {
            presentOverlay(trigger);
        }
    });
}

void BreakScheduler::waitForPause(BreakTrigger trigger, const QDateTime& noticeShownAt)
{
    m_isSchedulingOverlay = true;
    m_pauseWait = PauseWait{trigger, m_services.clock.steady() + kLongestWaitForPause,
                            m_services.clock.now().toSecsSinceEpoch() + kLongestWaitForPause.count()};
    QPointer<BreakScheduler> self(this);
    BannerPresenting::Actions actions;
    // Still the notice's choice: put the break off.
    actions.action = [self, noticeShownAt, trigger] {
        if (self) {
            self->stopWaitingForPause();
            self->postpone(trigger);
            self->m_owner.breakEnded(noticeShownAt, BreakOutcome::postponed, trigger, false);
        }
    };
    m_services.banner.show(
        {BannerNotice::Kind::waitingForPause, kPauseBeforeBreak.count(), {}, kLongestWaitForPause.count()},
        static_cast<double>(kLongestWaitForPause.count()), std::move(actions));
    checkForPause();
}

void BreakScheduler::checkForPause()
{
    if (!m_pauseWait) {
        return;
    }
    const AppSettings& settings = m_owner.settings();
    // A pause of reminders or a busy user while it waits holds the break as it holds any due break: it is
    // not shown now, and comes again, with its notice, when it may.
    if (!settings.notificationEnabled || isPaused(settings, m_services.clock.now()) || busyReason()) {
        stopWaitingForPause();
        m_lastNag.reset();
        return;
    }
    const std::chrono::milliseconds now = m_services.clock.steady();
    const bool personPaused = m_owner.secondsSinceInput() >= static_cast<double>(kPauseBeforeBreak.count());
    if (personPaused || now >= m_pauseWait->until || !settings.startBreakAtPause) {
        const BreakTrigger trigger = m_pauseWait->trigger;
        stopWaitingForPause();
        presentOverlay(trigger);
        return;
    }
    m_pauseCheck = m_services.scheduler.runAfter(std::min(kPauseCheckInterval, m_pauseWait->until - now), this,
                                                 [this] { checkForPause(); });
}

void BreakScheduler::stopWaitingForPause()
{
    m_pauseWait.reset();
    m_pauseCheck.cancel();
    m_isSchedulingOverlay = false;
    if (m_services.banner.isShown()) {
        m_services.banner.dismiss();
    }
}

std::optional<std::chrono::milliseconds> BreakScheduler::pauseWaitLeft() const
{
    if (!m_pauseWait) {
        return std::nullopt;
    }
    return std::max(m_pauseWait->until - m_services.clock.steady(), std::chrono::milliseconds(0));
}

void BreakScheduler::describe(ReminderState& state) const
{
    state.breakEndsAt.reset();
    if (m_running) {
        state.breakEndsAt = m_running->startedAt.toSecsSinceEpoch() + m_running->restSeconds;
    }
    state.postponedUntil.reset();
    if (postponedFor()) {
        state.postponedUntil = m_postponedUntilDate;
    }
    state.breakAtPauseBy.reset();
    if (m_pauseWait) {
        state.breakAtPauseBy = m_pauseWait->untilDate;
    }
    state.quiet.reset();
    if (m_waitReason) {
        state.quiet =
            *m_waitReason == QuietReason::call ? ReminderState::Quiet::call : ReminderState::Quiet::fullScreen;
    }
}

void BreakScheduler::showBannerReminder(BreakTrigger trigger)
{
    const QDateTime shownAt = m_services.clock.now();
    QPointer<BreakScheduler> self(this);
    BannerPresenting::Actions actions;
    actions.action = [self, trigger] {
        if (self) {
            self->m_services.scheduler.post(self.data(),
                                            [target = self.data(), trigger] { target->presentOverlay(trigger); });
        }
    };
    actions.secondaryAction = [self, shownAt, trigger] {
        if (self) {
            self->postpone(trigger);
            self->m_owner.breakEnded(shownAt, BreakOutcome::postponed, trigger, false);
        }
    };
    // An ignored reminder is a skipped break; fatigue and continuous work stay as they are.
    actions.onDismissWithoutAction = [self, shownAt, trigger] {
        if (self) {
            self->m_owner.breakEnded(shownAt, BreakOutcome::skipped, trigger, false);
        }
    };
    const AppSettings& settings = m_owner.settings();
    m_services.banner.show({BannerNotice::Kind::breakDue, 0, settings.rule.shownMessage()},
                           static_cast<double>(kReminderShownFor.count()), std::move(actions));
}

BreakOptions BreakScheduler::breakOptions(BreakTrigger trigger) const
{
    const AppSettings& settings = m_owner.settings();
    BreakOptions options;
    options.message = settings.rule.shownMessage();
    options.duration = static_cast<double>(settings.rule.restSeconds);
    options.allowSkip = settings.showSkipButton;
    options.playSoundOnEnd = settings.playSoundOnEnd;
    if (trigger != BreakTrigger::manual) {
        options.postponeMinutes = settings.postponeMinutes;
    }
    if (settings.overlayBackground == OverlayBackgroundStyle::custom) {
        options.backgroundImagePath = settings.overlayBackgroundImagePath;
    }
    options.guide = settings.guideDuringBreak;
    options.excludedMoves = settings.excludedMoves;
    return options;
}

void BreakScheduler::presentOverlay(BreakTrigger trigger)
{
    // One overlay at a time; a break shown on no display at all has no windows but is still running.
    if (m_services.overlay.hasWindows() || m_running) {
        return;
    }
    // A break by hand while the due one waits for a pause is the break.
    if (m_pauseWait) {
        stopWaitingForPause();
    }
    const QDateTime startedAt = m_services.clock.now();
    const BreakOptions options = breakOptions(trigger);
    m_running =
        RunningBreak{startedAt, trigger, static_cast<int>(m_owner.settings().rule.restSeconds), m_owner.fatigue()};
    const quint64 generation = ++m_overlayGeneration;
    QPointer<BreakScheduler> self(this);
    m_services.overlay.show(options, [self, trigger, startedAt, generation](BreakResult result) {
        if (!self || generation != self->m_overlayGeneration || !self->m_running) {
            return;
        }
        const RunningBreak running = *self->m_running;
        self->m_running.reset();
        const BreakOutcome outcome = result == BreakResult::completed ? BreakOutcome::completed
                                     : result == BreakResult::skipped ? BreakOutcome::skipped
                                                                      : BreakOutcome::postponed;
        if (outcome == BreakOutcome::postponed) {
            self->m_owner.restoreFatigue(running.fatigue);
            self->postpone(trigger);
        } else {
            // A break that ran is the rest that a break put off was waiting for.
            self->m_postponedUntil.reset();
            self->m_postponedTrigger.reset();
        }
        self->m_owner.breakEnded(startedAt, outcome, trigger, true);
    });
}

void BreakScheduler::endRunningBreak()
{
    if (!m_running) {
        return;
    }
    const RunningBreak running = *m_running;
    m_running.reset();
    const bool restDone = running.startedAt.secsTo(m_services.clock.now()) >= running.restSeconds;
    m_owner.breakEnded(running.startedAt, restDone ? BreakOutcome::completed : BreakOutcome::skipped, running.trigger,
                       false);
}
