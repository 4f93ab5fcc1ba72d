// Break scheduling: when a break is due, how it is announced and presented, and how it is recorded.

#include "AppState.h"

#include "BreakPresenting.h"
#include "Clock.h"
#include "Scheduler.h"

#include <QPointer>

using namespace std::chrono_literals;

void AppState::requestBreak()
{
    QPointer<AppState> self(this);
    m_services.scheduler.post([self] {
        if (self) {
            self->beginBreak(BreakTrigger::manual);
        }
    });
}

void AppState::evaluateBreakNeed()
{
    const AppSettings& settings = effectiveSettings();
    if (!settings.notificationEnabled || m_services.overlay.hasWindows() || m_services.banner.isShown() ||
        m_isSchedulingOverlay || m_overlayInProgress) {
        return;
    }
    const double continuousWork = m_fatigue.continuousWork;
    const auto workSeconds = static_cast<double>(settings.rule.workSeconds);
    // Seconds since the last automatic trigger; the first one after start is never held back.
    const std::chrono::milliseconds now = m_services.clock.steady();
    const bool nagDue = !m_lastNag || static_cast<double>((now - *m_lastNag).count()) / 1000.0 >=
                                          static_cast<double>(settings.nagIntervalSeconds);
    const bool workReached = continuousWork >= workSeconds;
    bool trigger = false;
    if (workReached && (settings.reminderStyle == ReminderStyle::fullscreen || nagDue)) {
        trigger = true;
    } else if (m_fatigue.percent >= 100 && nagDue) {
        trigger = true;
    }
    if (!trigger) {
        return;
    }
    m_lastNag = now;
    const BreakTrigger why = workReached ? BreakTrigger::workReached : BreakTrigger::fatigueMax;
    QPointer<AppState> self(this);
    m_services.scheduler.post([self, why] {
        if (self) {
            self->beginBreak(why);
        }
    });
}

void AppState::beginBreak(BreakTrigger trigger)
{
    if (m_services.overlay.hasWindows()) {
        return;
    }
    if (trigger == BreakTrigger::manual) {
        presentOverlayBreak(trigger);
        return;
    }
    const AppSettings& settings = effectiveSettings();
    if (settings.reminderStyle == ReminderStyle::banner) {
        showBannerReminder(trigger);
        return;
    }
    if (!settings.notifyBeforeOverlay) {
        presentOverlayBreak(trigger);
        return;
    }
    m_isSchedulingOverlay = true;
    m_services.banner.show(
        {QStringLiteral("即将进入全屏休息"), QStringLiteral("10 秒后开始，放松一下颈椎"), std::nullopt}, 9, nullptr,
        nullptr);
    QPointer<AppState> self(this);
    m_services.scheduler.runAfter(std::chrono::seconds(kNoticeSeconds), [self, trigger] {
        if (!self) {
            return;
        }
        self->m_isSchedulingOverlay = false;
        // A manual break that started during the notice is the break.
        if (self->m_services.overlay.hasWindows()) {
            return;
        }
        self->presentOverlayBreak(trigger);
    });
}

void AppState::showBannerReminder(BreakTrigger trigger)
{
    const QDateTime shownAt = m_services.clock.now();
    QPointer<AppState> self(this);
    m_services.banner.show(
        {QStringLiteral("该休息一下啦"), effectiveSettings().rule.breakMessage, QStringLiteral("立即休息")}, 10,
        [self, trigger] {
            if (!self) {
                return;
            }
            self->m_services.scheduler.post([self, trigger] {
                if (self) {
                    self->presentOverlayBreak(trigger);
                }
            });
        },
        [self, trigger, shownAt] {
            // An ignored reminder is a skipped break; fatigue and continuous work stay as they are.
            if (self) {
                self->recordBreak(shownAt, true, trigger);
            }
        });
}

BreakOptions AppState::breakOptions() const
{
    const AppSettings& settings = effectiveSettings();
    BreakOptions options;
    options.message = settings.rule.breakMessage;
    options.duration = static_cast<double>(settings.rule.restSeconds);
    options.allowSkip = settings.showSkipButton;
    options.playSoundOnEnd = settings.playSoundOnEnd;
    if (settings.overlayBackground == OverlayBackgroundStyle::custom) {
        options.backgroundImagePath = settings.overlayBackgroundImagePath;
    }
    return options;
}

void AppState::presentOverlayBreak(BreakTrigger trigger)
{
    // One overlay at a time; a break shown on no display at all has no windows but is still running.
    if (m_services.overlay.hasWindows() || m_overlayInProgress) {
        return;
    }
    m_overlayInProgress = true;
    const QDateTime startedAt = m_services.clock.now();
    QPointer<AppState> self(this);
    m_services.overlay.show(breakOptions(), [self, trigger, startedAt](BreakResult result) {
        if (!self) {
            return;
        }
        self->m_overlayInProgress = false;
        const bool skipped = result == BreakResult::skipped;
        self->m_fatigueEngine.finishBreak(skipped);
        self->setFatigue(self->m_fatigueEngine.state());
        self->recordBreak(startedAt, skipped, trigger);
    });
}
