// SPDX-License-Identifier: GPL-3.0-or-later
// The per-second cost of Tavrin: one regular tick of AppState (with fake activity and presenters, the
// real widget publisher, usage kept in memory), and one flush of 24 touched hours into a database on
// disk. Prints medians over many runs.

#include "ActivityMonitor.h"
#include "AppState.h"
#include "BreakOverlayPresenter.h"
#include "DummyBackends.h"
#include "FakeClock.h"
#include "FakeIdleSource.h"
#include "FakeWindowLayers.h"
#include "ManualScheduler.h"
#include "MemoryUserDefaults.h"
#include "MicroPausePresenting.h"
#include "RecordingSystemLog.h"
#include "ReminderBannerPresenter.h"
#include "SystemEvents.h"
#include "UsageDatabase.h"
#include "WidgetReloader.h"
#include "WidgetSnapshotPublisher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

class NoReload final : public WidgetReloader
{
public:
    void reloadTimelines(const QString&) override {}
};

class MemoryStore final : public UsageStore
{
public:
    bool addUsage(const QString&, int, double, double) override { return true; }
    bool recordBreak(const QDateTime&, const QDateTime&, bool, bool, const QString&) override { return true; }
    bool recordMicroPause(const QDateTime&, const QDateTime&, bool) override { return true; }
    std::optional<HourlyValues> hourlySeconds(const QString&) override { return std::nullopt; }
    std::optional<HourlyValues> hourlyFatiguePeaks(const QString&) override { return std::nullopt; }
    std::optional<double> totalSeconds(const QString&) override { return std::nullopt; }
};

class NoMicroPauseCard final : public MicroPausePresenting
{
public:
    void show(int, std::function<void()>) override {}
    void setProgress(double) override {}
    void hide() override {}
    bool isShown() const override { return false; }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    FakeClock clock;
    ManualScheduler scheduler(clock);
    RecordingSystemLog log;
    MemoryUserDefaults defaults;
    AppSettings settings;
    settings.rule.workSeconds = 1'000'000; // no break during the measurement
    defaults.setData(SettingsStore::kKey, settings.toJson());
    FakeIdleSource idle;
    ActivityMonitor activity(idle);
    MemoryStore store;
    FakeOverlayWindows overlayWindows;
    FakeBannerWindow bannerWindow;
    DummySoundPlayer sound;
    BreakOverlayPresenter overlay(overlayWindows, scheduler, sound);
    ReminderBannerPresenter banner(bannerWindow, scheduler);
    NoMicroPauseCard microPauseCard;
    NoReload reloader;
    WidgetSnapshotPublisher publisher(reloader, log, clock, dir.filePath(QStringLiteral("widget-snapshot.json")));
    SystemEvents events;
    DummyBusySignal calls;
    DummyBusySignal fullScreen;
    SettingsStore settingsStore(defaults);
    UsageRecorder recorder(store, defaults, log);
    AppState state({settingsStore, recorder, activity, overlay, banner, microPauseCard, publisher, scheduler, clock,
                    log, events, calls, fullScreen, LocalCalendar(QTimeZone::utc())});

    QList<double> ticks;
    for (int i = 0; i < 20'000; ++i) {
        QElapsedTimer timer;
        timer.start();
        scheduler.advance(1s);
        ticks.append(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    out << "tick: median " << QString::number(median(ticks), 'f', 2) << " µs over " << ticks.size()
        << " ticks (one in ten flushes to memory)" << Qt::endl;

    UsageDatabase database(dir.filePath(QStringLiteral("data.db")), log, clock);
    QList<double> flushes;
    for (int run = 0; run < 60; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int hour = 0; hour < 24; ++hour) {
            database.addUsage(QStringLiteral("2026-03-02"), hour, 10, 42.5);
        }
        flushes.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    out << "flush of 24 hours to disk: median " << QString::number(median(flushes), 'f', 2) << " ms over "
        << flushes.size() << " runs" << Qt::endl;

    // A full history: 90 days of 24 hours each and 20 breaks a day, read back by day as the history
    // window's 90-day period does.
    UsageDatabase full(dir.filePath(QStringLiteral("full.db")), log, clock);
    const QDateTime now = clock.now();
    for (int day = 0; day < UsageDatabase::kRetentionDays; ++day) {
        const QDateTime date = now.addDays(-day);
        for (int hour = 0; hour < 24; ++hour) {
            full.addUsage(date.toString(QStringLiteral("yyyy-MM-dd")), hour, 1800, 60);
        }
        for (int n = 0; n < 20; ++n) {
            const QDateTime started = date.addSecs(-3600 * n);
            full.recordBreak(started, started.addSecs(300), n % 4 == 0, n % 8 == 0, QStringLiteral("work_reached"));
        }
    }
    const QString first = now.addDays(1 - UsageDatabase::kRetentionDays).toString(QStringLiteral("yyyy-MM-dd"));
    const QString last = now.toString(QStringLiteral("yyyy-MM-dd"));
    QList<double> queries;
    std::size_t rows = 0;
    for (int run = 0; run < 200; ++run) {
        QElapsedTimer timer;
        timer.start();
        rows = full.dailyUsage(first, last).size() + full.breaksStarted(now.addDays(-90), now.addDays(1)).size();
        queries.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    out << "history of 90 days (" << rows << " days and breaks): median " << QString::number(median(queries), 'f', 2)
        << " ms over " << queries.size() << " runs" << Qt::endl;
    return 0;
}
