#pragma once

#include "ActivityMonitor.h"
#include "AppState.h"
#include "BreakOverlayPresenter.h"
#include "DummyBackends.h"
#include "FakeClock.h"
#include "FakeIdleSource.h"
#include "FakeWindowLayers.h"
#include "ManualScheduler.h"
#include "MemoryUserDefaults.h"
#include "RecordingSystemLog.h"
#include "ReminderBannerPresenter.h"
#include "SnapshotPublishing.h"
#include "SystemEvents.h"

// An AppState over fakes and virtual time, with usage kept in memory, for the windows' tests.
struct AppStateFixture
{
    struct NoPublisher final : SnapshotPublishing
    {
        void publish(const FatigueState&, double, const RuleConfig&, const QDateTime&) override {}
    };

    struct MemoryStore final : UsageStore
    {
        bool addUsage(const QString&, int, double seconds, double) override
        {
            written += seconds;
            return true;
        }
        bool recordBreak(const QDateTime&, const QDateTime&, bool, const QString& trigger) override
        {
            breaks.append(trigger);
            return true;
        }
        std::optional<HourlyValues> hourlySeconds(const QString&) override { return std::nullopt; }
        std::optional<HourlyValues> hourlyFatiguePeaks(const QString&) override { return std::nullopt; }
        std::optional<double> totalSeconds(const QString&) override { return std::nullopt; }
        double written = 0;
        QStringList breaks;
    };

    FakeClock clock{QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC)};
    ManualScheduler scheduler{clock};
    RecordingSystemLog log;
    MemoryUserDefaults defaults;
    FakeIdleSource idle;
    ActivityMonitor activity{idle};
    MemoryStore usage;
    FakeOverlayWindows overlayWindows;
    FakeBannerWindow bannerWindow;
    DummySoundPlayer sound;
    BreakOverlayPresenter overlay{overlayWindows, scheduler, sound};
    ReminderBannerPresenter banner{bannerWindow, scheduler};
    NoPublisher publisher;
    SystemEvents events;
    DummyTaskbarPresence taskbar;
    DummyAppearance appearance;
    DummyLoginItem loginItem;
    AppState state{{defaults, activity, usage, overlay, banner, publisher, scheduler, clock, log, events, taskbar,
                    appearance, loginItem, LocalCalendar(QTimeZone::utc())}};
};
