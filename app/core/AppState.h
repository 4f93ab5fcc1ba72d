// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"
#include "BreakScheduler.h"
#include "BusySignal.h"
#include "FatigueEngine.h"
#include "LocalCalendar.h"
#include "MicroPauseScheduler.h"
#include "ReminderState.h"
#include "SettingsStore.h"
#include "TaskHandle.h"
#include "UsageRecorder.h"

#include <QDateTime>
#include <QObject>

#include <array>
#include <optional>

class ActivityMonitoring;
class BannerPresenting;
class MicroPausePresenting;
class Clock;
class OverlayPresenting;
class Scheduler;
class SnapshotPublishing;
class SystemEvents;
class SystemLog;

// The application's one central object. It owns the day's figures and drives everything with a
// one-second tick: it samples activity, advances fatigue, counts active time per day and hour, has the
// UsageRecorder store it in batches, rolls the day over, has its BreakScheduler start breaks when they are
// due, settles them and has them recorded, drives the micro-pauses while they are on, and hands the figures to
// the widget publisher. Every published field notifies on every assignment, an equal value included, so the
// windows hear from it at least once a second.
class AppState final : public QObject, private BreakScheduler::Owner
{
    Q_OBJECT

public:
    using Hourly = std::array<double, 24>;

    // What the composition root hands over. All of it outlives the AppState.
    struct Services
    {
        // The one owner of the settings.
        SettingsStore& settings;
        UsageRecorder& recorder;
        ActivityMonitoring& activity;
        OverlayPresenting& overlay;
        BannerPresenting& banner;
        MicroPausePresenting& microPauseCard;
        SnapshotPublishing& publisher;
        Scheduler& scheduler;
        const Clock& clock;
        SystemLog& log;
        SystemEvents& events;
        // Whether the user is in a call, or in front of a full-screen window: due breaks wait then.
        BusySignal& calls;
        BusySignal& fullScreen;
        LocalCalendar calendar = LocalCalendar();
    };

    static constexpr qint64 kGapSeconds = 10;
    static constexpr int kTicksPerFlush = 10;
    static inline const QString kImplausiblePause =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 暂停提醒的结束时间不可信，已恢复提醒："));
    // No pause Tavrin sets reaches further: until tomorrow is at most a day and a daylight-saving hour away.
    static constexpr qint64 kLongestPauseSeconds = 25 * 60 * 60;

    explicit AppState(Services services, QObject* parent = nullptr);
    ~AppState() override;

    // Published.
    const FatigueState& fatigue() const override { return m_fatigue; }
    double todaySeconds() const { return m_todaySeconds; }
    const Hourly& hourlyUsage() const { return m_hourlyUsage; }
    const Hourly& hourlyFatigue() const { return m_hourlyFatigue; }
    // The store owns the settings; a change goes to it, and its settingsChanged tells everyone.
    SettingsStore& settingsStore() const { return m_services.settings; }
    const AppSettings& settings() const override { return m_services.settings.settings(); }
    std::optional<double> yesterdaySeconds() const { return m_yesterdaySeconds; }

    // Derived.
    // The hourly peaks with the current hour showing the fatigue of this moment.
    Hourly chartFatigue() const;

    // A manual break: full-screen, never announced.
    void requestBreak();
    // A micro-pause now, by hand, while the setting is on and none is up.
    void requestMicroPause();
    // Whole minutes until the next micro-pause, while they are on and one could come; nothing otherwise.
    std::optional<qint64> minutesUntilMicroPause() const;

    // Reminders paused (no automatic break; counting goes on) for a while, until the next local midnight,
    // or no longer. The end is kept in the settings, so a pause outlives a restart.
    void pauseReminders(std::chrono::minutes length);
    void pauseRemindersUntilTomorrow();
    void resumeReminders();
    bool remindersPaused() const;
    // The end of the pause in local time, while reminders are paused.
    std::optional<QDateTime> remindersPausedUntil() const;
    // The time now in the calendar's zone, for texts that say when something ends.
    QDateTime localNow() const;
    // Whole minutes, rounded up, until the next break: the end of a postponement, or of the work period.
    qint64 minutesUntilBreak() const;
    // What Tavrin is doing about the next break, in the facts that every surface turns into the same words.
    ReminderState reminderState() const;
    // What the full-screen watch can see in this session, for the settings to say.
    BusySignal::Coverage fullScreenCoverage() const;
    // Why a due break waits, if it does.
    std::optional<QuietReason> breakWaitReason() const { return m_breaks.waitReason(); }
    // (Re)starts the one-second tick.
    void start();
    // A window of Tavrin is open (or none is): while one is, the tick runs, for it to show every second.
    void setWindowsOpen(bool open);
    // For a reader that needs the figures of this second (the status) while the tick rests.
    void bringUpToDate();
    bool isResting() const { return m_resting; }

    // For tests and diagnostics.
    const QString& currentDayKey() const { return m_services.recorder.day(); }
    // Why usage cannot be stored now (the store refused the last write); nothing while it is stored.
    const std::optional<QString>& storeProblem() const { return m_services.recorder.storeProblem(); }
    bool isSchedulingOverlay() const { return m_breaks.isSchedulingOverlay(); }

signals:
    void fatigueChanged();
    void todaySecondsChanged();
    void storeProblemChanged();
    void hourlyUsageChanged();
    void hourlyFatigueChanged();
    void yesterdaySecondsChanged();
    // The tick is over: every figure above has its value for this second.
    void tickFinished();

private:
    // Tick and accounting.
    void tick();
    void flushPendingUsage();
    // The same, keeping the count of ticks to the next flush.
    void storePendingUsage();
    void rollDayIfNeeded(const QDateTime& now);
    void refreshYesterday(const QDateTime& now);
    // Today's figures from the store, for the current day key.
    void loadStoredDay(const QDateTime& now);
    void setFatigue(const FatigueState& fatigue);
    void setTodaySeconds(double seconds);
    void setHourlyUsage(const Hourly& usage);
    void setHourlyFatigue(const Hourly& fatigue);
    void setYesterdaySeconds(std::optional<double> seconds);

    void endPauseIfOver(const QDateTime& now);

    // Resting while nobody is there.
    bool mayRest(bool present) const;
    void rest();
    // Ticks the next tick that does more than ease fatigue off is from the last one.
    qint64 ticksUntilDue() const;
    void planWake();
    // The timer for the tick at that moment of the steady clock.
    void armWake(std::chrono::milliseconds at);
    // The planned tick: the ones before it made up, then it, ticked.
    void wakeAsPlanned();
    // Back to ticking at the next second of the tick's rhythm (the person returned, a window opened...).
    void wake();
    // Makes up the ticks of the rest up to now, and never the planned one.
    void catchUp();
    void easeOff(qint64 ticks);
    // Whether a micro-pause may come now: no long break on screen, announced, waiting or due within two
    // minutes; no pause of reminders, meeting mode or quiet hold.
    bool microPauseAllowed() const;
    MicroPauseScheduler::Settings microPauseSettings() const;
    // Breaks, as the BreakScheduler reports them.
    void breakEnded(const QDateTime& startedAt, BreakOutcome outcome, BreakTrigger trigger, bool overlay) override;
    void restoreFatigue(const FatigueState& state) override;
    double secondsSinceInput() override;

    Services m_services;
    FatigueEngine m_fatigueEngine;

    FatigueState m_fatigue;
    double m_todaySeconds = 0;
    Hourly m_hourlyUsage{};
    Hourly m_hourlyFatigue{};
    std::optional<double> m_yesterdaySeconds;

    // Whether today's figures came from the store; until they do, each complete flush reads them again.
    bool m_dayLoaded = false;
    int m_ticksSinceFlush = 0;
    TaskHandle m_timer;
    // On the steady clock: a wall clock set back or forward neither stalls nor fakes the interval.
    std::chrono::milliseconds m_lastTick{0};
    BreakScheduler m_breaks;
    MicroPauseScheduler m_microPauses;
    bool m_resting = false;
    bool m_windowsOpen = false;
    // On the steady clock, while resting: the tick the timer is armed for.
    std::chrono::milliseconds m_plannedWake{0};
};
