// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ActivityMonitor.h"
#include "AppState.h"
#include "BreakOverlayPresenter.h"
#include "DatabaseRows.h"
#include "DesktopIntegrations.h"
#include "DummyBackends.h"
#include "FakeClock.h"
#include "FakeIdleSource.h"
#include "FakeWindowLayers.h"
#include "ManualScheduler.h"
#include "MemoryUserDefaults.h"
#include "MicroPausePresenting.h"
#include "RecordingSystemLog.h"
#include "ReminderBannerPresenter.h"
#include "SnapshotPublishing.h"
#include "SystemEvents.h"
#include "UsageDatabase.h"

#include <QTemporaryDir>

// AppState over fakes and virtual time, with a real database in a temporary folder. The clock starts at
// 09:00 UTC on 2 March 2026 unless a test gives another start, and the calendar is UTC.
struct AppStateFixture
{
    // The database, with writes that fail on demand (a busy database, a full disk).
    struct FlakyStore final : UsageStore
    {
        UsageStore* inner = nullptr;
        bool failWrites = false;
        bool failReads = false;
        int writes = 0;

        bool addUsage(const QString& day, int hour, double seconds, double peak) override
        {
            ++writes;
            return !failWrites && inner->addUsage(day, hour, seconds, peak);
        }
        bool recordBreak(const QDateTime& start, const QDateTime& end, bool skipped, bool postponed,
                         const QString& trigger) override
        {
            ++writes;
            return !failWrites && inner->recordBreak(start, end, skipped, postponed, trigger);
        }
        bool recordMicroPause(const QDateTime& start, const QDateTime& end, bool taken) override
        {
            return !failWrites && inner->recordMicroPause(start, end, taken);
        }
        std::optional<HourlyValues> hourlySeconds(const QString& day) override
        {
            return failReads ? std::nullopt : inner->hourlySeconds(day);
        }
        std::optional<HourlyValues> hourlyFatiguePeaks(const QString& day) override
        {
            return failReads ? std::nullopt : inner->hourlyFatiguePeaks(day);
        }
        std::optional<double> totalSeconds(const QString& day) override { return inner->totalSeconds(day); }
        QString lastError() const override { return failWrites ? QStringLiteral("data.db：磁盘已满") : QString(); }
    };

    // The micro-pause's card: what it shows, and its skip.
    struct FakeMicroPauseCard final : MicroPausePresenting
    {
        std::optional<int> cue;
        std::function<void()> skip;
        void show(int shown, std::function<void()> onSkip) override
        {
            cue = shown;
            skip = std::move(onSkip);
        }
        void setProgress(double) override {}
        void hide() override { cue.reset(); }
        bool isShown() const override { return cue.has_value(); }
    };

    struct RecordingPublisher final : SnapshotPublishing
    {
        int calls = 0;
        ReminderState reminder;
        void publish(const FatigueState&, double, const RuleConfig&, const ReminderState& state,
                     const QDateTime&) override
        {
            ++calls;
            reminder = state;
        }
        std::chrono::milliseconds nextWrite() const override { return std::chrono::hours(24 * 365); }
    };

    static inline const QDateTime kStart{QDate(2026, 3, 2), QTime(9, 0), Qt::UTC};

    explicit AppStateFixture(const std::function<void(AppSettings&)>& storedSettings = {},
                             const QDateTime& start = kStart)
        : clock(start)
    {
        if (storedSettings) {
            AppSettings settings;
            storedSettings(settings);
            defaults.setData(SettingsStore::kKey, settings.toJson());
        }
        database = std::make_unique<UsageDatabase>(databasePath(), log, clock, LocalCalendar(QTimeZone::utc()));
        usage.inner = database.get();
    }

    AppState& state()
    {
        if (!m_state) {
            m_settings = std::make_unique<SettingsStore>(defaults, &log);
            m_integrations = std::make_unique<DesktopIntegrations>(
                *m_settings, events, scheduler,
                DesktopIntegrations::Services{taskbar, appearance, loginItem, calls, fullScreen, log});
            m_recorder = std::make_unique<UsageRecorder>(usage, defaults, log);
            m_state = std::make_unique<AppState>(AppState::Services{*m_settings, *m_recorder, *person, overlay, banner,
                                                                    microPauseCard, *snapshots, scheduler, clock, log,
                                                                    events, calls, fullScreen, calendar});
        }
        return *m_state;
    }
    // The process ends and starts again: settings and database stay.
    void restart()
    {
        m_state.reset();
        m_recorder.reset();
        m_integrations.reset();
        m_settings.reset();
        state();
    }

    // The user at the keyboard, or away (exactly the 30 seconds without input that count as away), for the
    // duration; or still, the idle time growing from now.
    void work(std::chrono::milliseconds duration)
    {
        state();
        idle.growing = nullptr;
        idle.idleSeconds = 0;
        scheduler.advance(duration);
    }
    void away(std::chrono::milliseconds duration)
    {
        state();
        idle.growing = nullptr;
        idle.idleSeconds = 30;
        scheduler.advance(duration);
    }
    void still(std::chrono::milliseconds duration)
    {
        state();
        if (!idle.growing) {
            idle.growing = [this, from = clock.steady()] {
                return std::chrono::duration<double>(clock.steady() - from).count();
            };
        }
        scheduler.advance(duration);
    }

    QString databasePath() const { return dir.filePath(QStringLiteral("data.db")); }
    // "trigger|skipped|postponed|duration" per recorded break, oldest first.
    QStringList breaks() const
    {
        return DatabaseRows::read(
            databasePath(),
            QStringLiteral("SELECT trigger, skipped, postponed, duration_s FROM break_events ORDER BY id"));
    }
    double storedSeconds(const QString& day) const { return database->totalSeconds(day).value_or(0); }
    AppSettings storedSettings() const
    {
        return AppSettings::fromJson(defaults.data(SettingsStore::kKey).value_or(QByteArray())).value_or(AppSettings());
    }

    QTemporaryDir dir;
    FakeClock clock;
    // UTC unless a test moves it; every copy follows.
    LocalCalendar calendar{QTimeZone::utc()};
    ManualScheduler scheduler{clock};
    RecordingSystemLog log;
    MemoryUserDefaults defaults;
    FakeIdleSource idle;
    ActivityMonitor activity{idle};
    std::unique_ptr<UsageDatabase> database;
    FlakyStore usage;
    FakeOverlayWindows overlayWindows;
    FakeBannerWindow bannerWindow;
    DummySoundPlayer sound;
    BreakOverlayPresenter overlay{overlayWindows, scheduler, sound};
    ReminderBannerPresenter banner{bannerWindow, scheduler};
    RecordingPublisher publisher;
    FakeMicroPauseCard microPauseCard;
    SystemEvents events;
    DummyTaskbarPresence taskbar;
    DummyAppearance appearance;
    DummyLoginItem loginItem;
    DummyBusySignal calls;
    DummyBusySignal fullScreen;
    // What the state is built with, unless a test hands it others before it is.
    ActivityMonitoring* person = &activity;
    SnapshotPublishing* snapshots = &publisher;

    // The process's own objects, built with the state and gone with it.
    UsageRecorder& recorder() { return state(), *m_recorder; }

private:
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<DesktopIntegrations> m_integrations;
    std::unique_ptr<UsageRecorder> m_recorder;
    std::unique_ptr<AppState> m_state;
};
