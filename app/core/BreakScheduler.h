// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"
#include "BreakOptions.h"
#include "BreakTrigger.h"
#include "FatigueState.h"
#include "ReminderState.h"
#include "TaskHandle.h"

#include <QDateTime>
#include <QObject>

#include <chrono>
#include <optional>

class BannerPresenting;
class BusySignal;
class Clock;
class OverlayPresenting;
class Scheduler;

// Why a due break waits.
enum class QuietReason
{
    call,
    fullScreen,
};

// How a break ended, for its record and for fatigue.
enum class BreakOutcome
{
    completed,
    skipped,
    postponed,
};

// Decides when a break starts and walks it through its notice, its overlay or banner, a postponement, a
// pause of reminders and the quiet of a call or a full-screen window. Its owner (AppState) drives it once a
// second, and settles and records each break it reports. All waits are on the Scheduler and every interval
// is on the steady clock; the pause is a date, so it is compared with the wall clock.
class BreakScheduler final : public QObject
{
    Q_OBJECT

public:
    // The notice before the overlay: the overlay comes after kNotice, and the banner is gone a second before,
    // so that the two are never on screen together.
    static constexpr std::chrono::seconds kNotice{10};
    static constexpr std::chrono::seconds kNoticeShownFor = kNotice - std::chrono::seconds(1);
    // How long the banner of the banner style stays when nobody answers it.
    static constexpr std::chrono::seconds kReminderShownFor{10};
    // A break held back by a busy user comes after an hour at the latest, and two minutes after the user
    // is free, if it is still due then.
    static constexpr std::chrono::minutes kQuietCap{60};
    static constexpr std::chrono::minutes kQuietGrace{2};
    // With startBreakAtPause the overlay waits, after the notice, for this long without input, and for at
    // most a minute. The idle time is looked at four times a second while it waits.
    static constexpr std::chrono::seconds kPauseBeforeBreak{3};
    static constexpr std::chrono::seconds kLongestWaitForPause{60};
    static constexpr std::chrono::milliseconds kPauseCheckInterval{250};

    class Owner
    {
    public:
        virtual ~Owner() = default;
        virtual const AppSettings& settings() const = 0;
        virtual const FatigueState& fatigue() const = 0;
        // A break put off from its overlay: fatigue and continuous work go back to what they were when it came,
        // since the minutes on screen were no rest.
        virtual void restoreFatigue(const FatigueState& state) = 0;
        // Seconds since the last keyboard or pointer input.
        virtual double secondsSinceInput() = 0;
        // A break ended. An overlay that ran settles fatigue unless it was put off; every break is recorded.
        virtual void breakEnded(const QDateTime& startedAt, BreakOutcome outcome, BreakTrigger trigger,
                                bool overlay) = 0;
    };

    struct Services
    {
        OverlayPresenting& overlay;
        BannerPresenting& banner;
        Scheduler& scheduler;
        const Clock& clock;
        BusySignal& calls;
        BusySignal& fullScreen;
    };

    BreakScheduler(Owner& owner, Services services, QObject* parent = nullptr);
    ~BreakScheduler() override;

    // Once a tick: starts a break when one is due and nothing holds it back.
    void evaluate();
    // A break by hand: full-screen at once, whatever the style, a pause or a busy user.
    void requestBreak();
    // Tavrin is ending (quit, SIGTERM, the session's end): a break on screen is reported now, with its real
    // start and end, as skipped unless its rest period was over; whatever the overlay reports later counts
    // for nothing.
    void endRunningBreak();

    bool isSchedulingOverlay() const { return m_isSchedulingOverlay; }
    // Nothing of a break in flight: none coming, on screen, waiting for a pause or held back.
    bool isQuiet() const;
    // How long a break that was put off still waits; nothing once it is due again.
    std::optional<std::chrono::milliseconds> postponedFor() const;
    // Fills in what breaks say of the reminder's state: when the break on screen ends, when one put off comes
    // back, when one that waits for a pause comes at the latest, and what holds a due one back. Each instant is
    // fixed when its wait begins, so that it reads the same from tick to tick.
    void describe(ReminderState& state) const;
    // While the overlay waits for the person to pause: how long until it comes at the latest.
    std::optional<std::chrono::milliseconds> pauseWaitLeft() const;
    // Why a due break waits, from the moment it is held until it comes (through the two minutes' grace).
    std::optional<QuietReason> waitReason() const { return m_waitReason; }
    static bool isPaused(const AppSettings& settings, const QDateTime& now);

private:
    void beginBreak(BreakTrigger trigger);
    void showNotice(BreakTrigger trigger);
    void showBannerReminder(BreakTrigger trigger);
    void presentOverlay(BreakTrigger trigger);
    void waitForPause(BreakTrigger trigger, const QDateTime& noticeShownAt);
    void checkForPause();
    void stopWaitingForPause();
    void postpone(BreakTrigger trigger);
    BreakOptions breakOptions(BreakTrigger trigger) const;
    std::optional<QuietReason> busyReason() const;

    Owner& m_owner;
    Services m_services;
    std::optional<std::chrono::milliseconds> m_lastNag; // absent: the distant past
    std::optional<std::chrono::milliseconds> m_postponedUntil;
    // The same on the wall clock, in seconds since 1970, for the words.
    qint64 m_postponedUntilDate = 0;
    // What brought the break that was put off: it comes back as itself.
    std::optional<BreakTrigger> m_postponedTrigger;
    std::optional<std::chrono::milliseconds> m_heldSince;
    std::optional<std::chrono::milliseconds> m_busyEnded;
    std::optional<QuietReason> m_waitReason;
    TaskHandle m_notice;
    struct PauseWait
    {
        BreakTrigger trigger;
        std::chrono::milliseconds until;
        qint64 untilDate;
    };
    // From the end of the notice until the person pauses, or the wait ends otherwise.
    std::optional<PauseWait> m_pauseWait;
    TaskHandle m_pauseCheck;
    bool m_isSchedulingOverlay = false;
    // A break found due and posted to begin.
    bool m_beginning = false;
    struct RunningBreak
    {
        QDateTime startedAt;
        BreakTrigger trigger;
        int restSeconds;
        FatigueState fatigue;
    };
    // From presenting an overlay until its outcome has been settled (or Tavrin ends).
    std::optional<RunningBreak> m_running;
    // Tells an overlay's late outcome from the current one's.
    quint64 m_overlayGeneration = 0;
};
