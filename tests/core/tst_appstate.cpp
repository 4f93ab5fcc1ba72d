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
#include "UsageDatabase.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace std::chrono_literals;

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);

class CountingPublisher final : public SnapshotPublishing
{
public:
    void publish(const FatigueState& fatigue, double today, const RuleConfig&, const QDateTime&) override
    {
        ++calls;
        lastFatigue = fatigue;
        lastToday = today;
    }
    int calls = 0;
    FatigueState lastFatigue;
    double lastToday = 0;
};

// The real database, with writes that fail on demand (a busy database, a full disk).
class FlakyStore final : public UsageStore
{
public:
    explicit FlakyStore(UsageStore& inner)
        : m_inner(inner)
    {
    }
    bool addUsage(const QString& day, int hour, double seconds, double peak) override
    {
        ++writes;
        return !failWrites && m_inner.addUsage(day, hour, seconds, peak);
    }
    bool recordBreak(const QDateTime& start, const QDateTime& end, bool skipped, const QString& trigger) override
    {
        return m_inner.recordBreak(start, end, skipped, trigger);
    }
    std::optional<HourlyValues> hourlySeconds(const QString& day) override { return m_inner.hourlySeconds(day); }
    std::optional<HourlyValues> hourlyFatiguePeaks(const QString& day) override
    {
        return m_inner.hourlyFatiguePeaks(day);
    }
    std::optional<double> totalSeconds(const QString& day) override { return m_inner.totalSeconds(day); }

    bool failWrites = false;
    int writes = 0;

private:
    UsageStore& m_inner;
};

struct BreakRow
{
    QString startedAt;
    QString endedAt;
    int durationSeconds;
    bool skipped;
    QString trigger;
};

QList<BreakRow> breakRows(const QString& path)
{
    QList<BreakRow> rows;
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT started_at, ended_at, duration_s, skipped, trigger FROM break_events ORDER BY id",
                       -1, &statement, nullptr);
    auto text = [&](int column) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
    };
    while (sqlite3_step(statement) == SQLITE_ROW) {
        rows.append(
            {text(0), text(1), sqlite3_column_int(statement, 2), sqlite3_column_int(statement, 3) != 0, text(4)});
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

QString iso(const QDateTime& instant)
{
    return UsageDatabase::isoTimestamp(instant);
}

} // namespace

// AppState with real presenters over window-less layers, a real database in a temporary folder and
// virtual time: an hour of ticks runs in milliseconds.
class AppStateTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<ManualScheduler> m_scheduler;
    RecordingSystemLog m_log;
    MemoryUserDefaults m_defaults;
    FakeIdleSource m_idle;
    std::unique_ptr<ActivityMonitor> m_activity;
    std::unique_ptr<UsageDatabase> m_database;
    std::unique_ptr<FlakyStore> m_store;
    FakeOverlayWindows m_overlayWindows;
    FakeBannerWindow m_bannerWindow;
    DummySoundPlayer m_sound;
    std::unique_ptr<BreakOverlayPresenter> m_overlay;
    std::unique_ptr<ReminderBannerPresenter> m_banner;
    CountingPublisher m_publisher;
    SystemEvents m_events;
    DummyTaskbarPresence m_taskbar;
    DummyAppearance m_appearance;
    DummyLoginItem m_loginItem;
    std::unique_ptr<AppState> m_state;

    QString databasePath() const { return m_dir->filePath(QStringLiteral("Tavrin/data.db")); }

    void openDatabase()
    {
        QDir().mkpath(m_dir->filePath(QStringLiteral("Tavrin")));
        m_database = std::make_unique<UsageDatabase>(databasePath(), m_log, *m_clock, LocalCalendar(QTimeZone::utc()));
        m_store = std::make_unique<FlakyStore>(*m_database);
    }

    void createState()
    {
        m_state = std::make_unique<AppState>(AppState::Services{
            m_defaults, *m_activity, *m_store, *m_overlay, *m_banner, m_publisher, *m_scheduler, *m_clock, m_log,
            m_events, m_taskbar, m_appearance, m_loginItem, LocalCalendar(QTimeZone::utc())});
    }

    void storeSettings(const std::function<void(AppSettings&)>& change)
    {
        AppSettings settings;
        change(settings);
        m_defaults.setData(SettingsStore::kKey, settings.toJson());
    }

    void work(std::chrono::seconds duration)
    {
        m_idle.idleSeconds = 0;
        m_scheduler->advance(duration);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock = std::make_unique<FakeClock>(kStart);
        m_scheduler = std::make_unique<ManualScheduler>(*m_clock);
        m_log.lines.clear();
        m_defaults = MemoryUserDefaults();
        m_idle = FakeIdleSource();
        m_activity = std::make_unique<ActivityMonitor>(m_idle);
        openDatabase();
        m_overlayWindows = FakeOverlayWindows();
        m_bannerWindow = FakeBannerWindow();
        m_sound = DummySoundPlayer();
        m_overlay = std::make_unique<BreakOverlayPresenter>(m_overlayWindows, *m_scheduler, m_sound);
        m_banner = std::make_unique<ReminderBannerPresenter>(m_bannerWindow, *m_scheduler);
        m_publisher = CountingPublisher();
        m_taskbar = DummyTaskbarPresence();
        m_appearance = DummyAppearance();
        m_loginItem = DummyLoginItem();
        m_state.reset();
    }

    void cleanup() { m_state.reset(); }

    void startRestoresTodayAndYesterdayAndMigratesLegacyUsage()
    {
        m_database->addUsage(QStringLiteral("2026-03-02"), 8, 1800, 40);
        m_database->addUsage(QStringLiteral("2026-03-02"), 9, 5400, 70); // more than an hour: capped at 100 %
        m_database->addUsage(QStringLiteral("2026-03-01"), 15, 1234, 10);
        m_defaults.setData(AppState::kLegacyUsageKey,
                           R"({"2026-02-27":{"seconds":1800,"hourly":[0,0,0,0,0,0,0,0,0,50]}})");
        createState();
        QCOMPARE(m_state->todaySeconds(), 7200.0);
        QCOMPARE(m_state->hourlyUsage()[8], 50.0);
        QCOMPARE(m_state->hourlyUsage()[9], 100.0);
        QCOMPARE(m_state->hourlyFatigue()[9], 70.0);
        QCOMPARE(m_state->yesterdaySeconds(), std::optional(1234.0));
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-02-27")), std::optional(1800.0));
        QCOMPARE((*m_database->hourlyFatiguePeaks(QStringLiteral("2026-02-27")))[9], 0.0);
        QVERIFY(!m_defaults.contains(AppState::kLegacyUsageKey));
    }

    void anUndecodableLegacyValueStays()
    {
        const QByteArray legacy(R"({"2026-02-27":{"hourly":[50]}})"); // "seconds" missing
        m_defaults.setData(AppState::kLegacyUsageKey, legacy);
        createState();
        QCOMPARE(m_defaults.data(AppState::kLegacyUsageKey), std::optional(legacy));
        QVERIFY(!m_database->totalSeconds(QStringLiteral("2026-02-27")));
    }

    void regularTicksCountActiveTimeAndFlushEveryTen()
    {
        createState();
        QSignalSpy fatigueSignals(m_state.get(), &AppState::fatigueChanged);
        work(9s);
        QCOMPARE(m_state->todaySeconds(), 9.0);
        QCOMPARE(m_state->fatigue().mode, FatigueMode::working);
        QCOMPARE(m_state->pendingHours(), 1);
        QVERIFY(!m_database->totalSeconds(QStringLiteral("2026-03-02")));
        work(1s);
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-03-02")), std::optional(10.0));
        QCOMPARE(m_state->pendingHours(), 0);
        QCOMPARE(m_store->writes, 1); // one write per touched hour per ten ticks
        QCOMPARE(m_state->hourlyUsage()[9], 10 * 100.0 / 3600);
        QCOMPARE(m_publisher.calls, 10);
        QCOMPARE(fatigueSignals.count(), 10);

        // Nobody at the keyboard: idle ticks still flush on schedule but write nothing.
        m_idle.idleSeconds = 120;
        const int writes = m_store->writes;
        m_scheduler->advance(30s);
        QCOMPARE(m_state->fatigue().mode, FatigueMode::idle);
        QCOMPARE(m_store->writes, writes);
        QCOMPARE(m_state->todaySeconds(), 10.0);
    }

    void aGapCountsAsRestAndNothingElse()
    {
        storeSettings([](AppSettings& s) { s.rule.restSeconds = 180; });
        createState();
        work(5s);
        const int published = m_publisher.calls;
        const double before = m_state->fatigue().percent;
        // The machine slept for 11 seconds: the timer did not fire.
        m_clock->advance(11s);
        m_scheduler->advance(1s);
        QCOMPARE(m_state->fatigue().mode, FatigueMode::resting);
        QCOMPARE(m_state->fatigue().percent, std::max(before + (-100.0 / 180) * 12, 0.0));
        QCOMPARE(m_state->fatigue().continuousWork, 0.0);
        QCOMPARE(m_state->todaySeconds(), 5.0);
        QCOMPARE(m_publisher.calls, published);

        // Exactly ten seconds is a regular tick: all ten count.
        m_clock->advance(9s);
        m_scheduler->advance(1s);
        QCOMPARE(m_state->todaySeconds(), 15.0);
        QCOMPARE(m_publisher.calls, published + 1);
    }

    void aClockSetBackCountsNothingButStillDecidesTheMode()
    {
        createState();
        work(20s);
        m_idle.idleSeconds = 300;
        m_clock->advance(-1h);
        m_scheduler->advance(1s);
        QCOMPARE(m_state->todaySeconds(), 20.0);
        QCOMPARE(m_state->fatigue().mode, FatigueMode::idle);
        QCOMPARE(m_state->fatigue().continuousWork, 0.0);
    }

    void meetingModeAndTheOverlayCountNoWork()
    {
        storeSettings([](AppSettings& s) { s.movieMode = true; });
        createState();
        work(30s);
        QCOMPARE(m_state->fatigue().mode, FatigueMode::idle);
        QCOMPARE(m_state->todaySeconds(), 0.0);

        AppSettings settings = m_state->settings();
        settings.movieMode = false;
        m_state->setSettings(settings);
        m_state->requestBreak();
        m_scheduler->runDue();
        QVERIFY(m_overlay->hasWindows());
        work(5s);
        QCOMPARE(m_state->fatigue().mode, FatigueMode::resting);
        QCOMPARE(m_state->todaySeconds(), 0.0);
    }

    void theDayRollsOverAtMidnight()
    {
        m_clock->setNow(QDateTime(QDate(2026, 3, 2), QTime(23, 59, 50), Qt::UTC));
        openDatabase();
        createState();
        // Ticks at 23:59:51 … 23:59:59 belong to the old day; the tick at midnight writes them there
        // first, then counts its own second for the new day.
        work(15s);
        QCOMPARE(m_state->currentDayKey(), QStringLiteral("2026-03-03"));
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-03-02")), std::optional(9.0));
        QCOMPARE(m_state->yesterdaySeconds(), std::optional(9.0));
        QCOMPARE(m_state->todaySeconds(), 6.0);
        QCOMPARE(m_state->hourlyUsage()[23], 0.0);
        QVERIFY(m_state->fatigue().continuousWork >= 15.0);
    }

    void midnightDuringTheNoticeAndTheBreak()
    {
        m_clock->setNow(QDateTime(QDate(2026, 3, 2), QTime(23, 59, 0), Qt::UTC));
        openDatabase();
        storeSettings([](AppSettings& s) {
            s.rule.workSeconds = 55;
            s.rule.restSeconds = 20;
        });
        createState();
        work(55s); // 23:59:55: the notice
        QVERIFY(m_state->isSchedulingOverlay());
        work(10s); // midnight passes during the notice; the overlay comes all the same
        QCOMPARE(m_state->currentDayKey(), QStringLiteral("2026-03-03"));
        QVERIFY(m_overlay->hasWindows());
        work(20s);
        QVERIFY(!m_overlay->hasWindows());
        const auto rows = breakRows(databasePath());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].startedAt, QStringLiteral("2026-03-03T00:00:05Z"));
        QCOMPARE(m_state->fatigue().percent, 0.0);
        // 55 s of work and the 4 s of the notice before midnight went to the old day.
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-03-02")), std::optional(59.0));
    }

    void failedWritesAreKeptAndRetriedAndDroppedOnlyAtMidnight()
    {
        m_clock->setNow(QDateTime(QDate(2026, 3, 2), QTime(23, 58, 0), Qt::UTC));
        openDatabase();
        createState();
        m_store->failWrites = true;
        work(20s);
        QCOMPARE(m_state->pendingHours(), 1);
        m_store->failWrites = false;
        work(10s);
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-03-02")), std::optional(30.0));
        QCOMPARE(m_state->pendingHours(), 0);

        // Failing across midnight: the old day's rest is dropped, with a log line.
        m_store->failWrites = true;
        work(100s);
        QCOMPARE(m_state->currentDayKey(), QStringLiteral("2026-03-03"));
        QCOMPARE(m_log.count(AppState::kDroppedUsage), 1);
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-03-02")), std::optional(30.0));
        m_store->failWrites = false;
        work(10s);
        QVERIFY(m_database->totalSeconds(QStringLiteral("2026-03-03")).value_or(0) > 0);
    }

    void terminateAndSleepFlushAtOnce()
    {
        createState();
        work(3s);
        emit m_events.willTerminate();
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-03-02")), std::optional(3.0));
        work(4s);
        emit m_events.willSleep();
        QCOMPARE(m_database->totalSeconds(QStringLiteral("2026-03-02")), std::optional(7.0));
    }

    void aWorkPeriodLeadsThroughTheNoticeToTheOverlayAndARecord()
    {
        storeSettings([](AppSettings& s) {
            s.rule.workSeconds = 60;
            s.rule.restSeconds = 30;
        });
        createState();
        work(59s);
        QVERIFY(!m_bannerWindow.shown);
        work(1s);
        QVERIFY(m_bannerWindow.shown);
        QCOMPARE(m_bannerWindow.content.title, QStringLiteral("即将进入全屏休息"));
        QCOMPARE(m_bannerWindow.content.subtitle, std::optional(QStringLiteral("10 秒后开始，放松一下颈椎")));
        QVERIFY(m_state->isSchedulingOverlay());
        work(9s);
        QVERIFY2(!m_bannerWindow.shown, "the notice goes after 9 s");
        QVERIFY(!m_overlay->hasWindows());
        work(1s);
        QVERIFY(m_overlay->hasWindows());
        const QDateTime overlayAt = m_clock->now();
        QCOMPARE(m_overlayWindows.opened.duration, 30.0);
        QCOMPARE(m_overlayWindows.opened.message, AppSettings().rule.breakMessage);
        work(30s);
        QVERIFY(!m_overlay->hasWindows());
        QCOMPARE(m_state->fatigue().percent, 0.0);
        QCOMPARE(m_state->fatigue().mode, FatigueMode::idle);
        const auto rows = breakRows(databasePath());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].trigger, QStringLiteral("work_reached"));
        QCOMPARE(rows[0].startedAt, iso(overlayAt));
        QCOMPARE(rows[0].durationSeconds, 30);
        QVERIFY(!rows[0].skipped);
        QCOMPARE(m_sound.plays, 1);
    }

    void withoutTheNoticeTheOverlayComesAtOnce()
    {
        storeSettings([](AppSettings& s) {
            s.rule.workSeconds = 60;
            s.notifyBeforeOverlay = false;
        });
        createState();
        work(60s);
        QVERIFY(m_overlay->hasWindows());
        QCOMPARE(m_bannerWindow.shows, 0);
    }

    void anIgnoredBannerIsASkippedBreakAndComesBackAfterTheNagInterval()
    {
        storeSettings([](AppSettings& s) {
            s.rule.workSeconds = 60;
            s.reminderStyle = ReminderStyle::banner;
            s.nagIntervalSeconds = 120;
        });
        createState();
        work(60s);
        QVERIFY(m_bannerWindow.shown);
        const QDateTime shownAt = m_clock->now();
        QCOMPARE(m_bannerWindow.content.title, QStringLiteral("该休息一下啦"));
        QCOMPARE(m_bannerWindow.content.actionTitle, std::optional(QStringLiteral("立即休息")));
        work(10s);
        QVERIFY(!m_bannerWindow.shown);
        auto rows = breakRows(databasePath());
        QCOMPARE(rows.size(), 1);
        QVERIFY(rows[0].skipped);
        QCOMPARE(rows[0].startedAt, iso(shownAt));
        QCOMPARE(rows[0].endedAt, iso(shownAt.addSecs(10)));
        QCOMPARE(rows[0].trigger, QStringLiteral("work_reached"));
        QVERIFY2(m_state->fatigue().continuousWork >= 70, "an ignored banner changes nothing");

        work(109s);
        QCOMPARE(m_bannerWindow.shows, 1);
        work(1s); // 120 s after the first trigger
        QCOMPARE(m_bannerWindow.shows, 2);

        // Taking the action: the overlay at once, recorded with the banner's trigger; the banner records nothing.
        m_bannerWindow.action();
        m_scheduler->runDue();
        QVERIFY(m_overlay->hasWindows());
        m_overlayWindows.skip();
        m_scheduler->runDue();
        rows = breakRows(databasePath());
        QCOMPARE(rows.size(), 2);
        QVERIFY(rows[1].skipped);
        QCOMPARE(rows[1].trigger, QStringLiteral("work_reached"));
        QVERIFY(m_state->fatigue().percent >= 50);
    }

    void fullFatigueTriggersAtMostOncePerNagInterval()
    {
        storeSettings([](AppSettings& s) {
            s.rule.workSeconds = 100;
            s.notifyBeforeOverlay = false;
            s.nagIntervalSeconds = 30;
        });
        createState();
        work(100s); // work reached: overlay
        QVERIFY(m_overlay->hasWindows());
        m_overlayWindows.skip(); // skipped at 100 %: 80 %
        m_scheduler->runDue();
        QCOMPARE(m_state->fatigue().percent, 80.0);
        work(20s); // back to 100 %, continuous work only 20 s
        QCOMPARE(m_state->fatigue().percent, 100.0);
        work(9s);
        QVERIFY2(!m_overlay->hasWindows(), "within the nag interval of the last trigger");
        work(1s); // 30 s after it
        QVERIFY(m_overlay->hasWindows());
        m_overlayWindows.skip();
        m_scheduler->runDue();
        const auto rows = breakRows(databasePath());
        QCOMPARE(rows.last().trigger, QStringLiteral("fatigue_max"));
    }

    void manualBreaksAlwaysWorkAndNeverTwice()
    {
        storeSettings([](AppSettings& s) {
            s.notificationEnabled = false;
            s.reminderStyle = ReminderStyle::banner;
            s.rule.workSeconds = 10;
        });
        createState();
        work(60s);
        QCOMPARE(m_bannerWindow.shows, 0);
        QVERIFY(!m_overlay->hasWindows());

        m_state->requestBreak();
        m_scheduler->runDue();
        QVERIFY2(m_overlay->hasWindows(), "manual: full-screen whatever the style, no notice");
        QCOMPARE(m_bannerWindow.shows, 0);
        m_state->requestBreak();
        m_scheduler->runDue();
        QCOMPARE(m_overlayWindows.opens, 1);
        m_overlayWindows.skip();
        m_scheduler->runDue();
        const auto rows = breakRows(databasePath());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].trigger, QStringLiteral("manual"));
    }

    void aManualBreakDuringTheNoticeIsTheBreak()
    {
        storeSettings([](AppSettings& s) { s.rule.workSeconds = 30; });
        createState();
        work(30s);
        QVERIFY(m_state->isSchedulingOverlay());
        m_state->requestBreak();
        m_scheduler->runDue();
        QCOMPARE(m_overlayWindows.opens, 1);
        work(10s);
        QCOMPARE(m_overlayWindows.opens, 1);
        QVERIFY(!m_state->isSchedulingOverlay());
    }

    void zeroPeriodsInStoredSettings()
    {
        storeSettings([](AppSettings& s) {
            s.rule.workSeconds = 0;
            s.rule.restSeconds = 0;
            s.notifyBeforeOverlay = false;
        });
        createState();
        work(1s);
        QVERIFY2(m_overlay->hasWindows(), "a work period of 0 is reached at once");
        work(1s);
        QVERIFY2(!m_overlay->hasWindows(), "a rest of 0 ends on the first tick");
        QCOMPARE(breakRows(databasePath()).size(), 1);
    }

    void aSettingsChangeDuringABreakAppliesToTheNextOne()
    {
        storeSettings([](AppSettings& s) { s.notifyBeforeOverlay = false; });
        createState();
        m_state->requestBreak();
        m_scheduler->runDue();
        AppSettings settings = m_state->settings();
        settings.rule.restSeconds = 5;
        m_state->setSettings(settings);
        work(179s);
        QVERIFY2(m_overlay->hasWindows(), "the running break keeps its length");
        work(1s);
        QVERIFY(!m_overlay->hasWindows());
        m_state->requestBreak();
        m_scheduler->runDue();
        QCOMPARE(m_overlayWindows.opened.duration, 5.0);
    }

    void chartShowsTheCurrentPercentInTheCurrentHour()
    {
        m_database->addUsage(QStringLiteral("2026-03-02"), 9, 60, 80);
        createState();
        m_idle.idleSeconds = 100;
        m_scheduler->advance(1s);
        QCOMPARE(m_state->hourlyFatigue()[9], 80.0);
        QCOMPARE(m_state->chartFatigue()[9], m_state->fatigue().percent);
        QCOMPARE(m_state->chartFatigue()[8], 0.0);
    }

    void changedSettingsAreSavedThenAppliedAndLaunchAppliesAll()
    {
        createState();
        QSignalSpy settingsSignals(m_state.get(), &AppState::settingsChanged);
        m_state->setSettings(m_state->settings());
        QCOMPARE(settingsSignals.count(), 1);
        QCOMPARE(m_defaults.writeCount(), 0);
        QCOMPARE(m_appearance.calls + m_taskbar.calls + m_loginItem.registrations, 0);

        AppSettings settings = m_state->settings();
        settings.theme = ThemeMode::dark;
        m_state->setSettings(settings);
        QCOMPARE(m_defaults.writeCount(), 1);
        QCOMPARE(m_appearance.mode, ThemeMode::dark);
        QCOMPARE(m_taskbar.calls + m_loginItem.registrations, 0);

        settings.showDockIcon = true;
        settings.launchAtStartup = true;
        m_state->setSettings(settings);
        QCOMPARE(m_taskbar.calls, 1);
        QVERIFY(m_taskbar.regular);
        QCOMPARE(m_loginItem.registrations, 1);

        // At the next start the stored choices are applied again, changed or not.
        m_state.reset();
        m_appearance = DummyAppearance();
        m_taskbar = DummyTaskbarPresence();
        createState();
        emit m_events.launchFinished();
        m_scheduler->runDue();
        QCOMPARE(m_appearance.mode, ThemeMode::dark);
        QCOMPARE(m_taskbar.calls, 1);
        QCOMPARE(m_loginItem.registrations, 1); // already enabled: no second registration
    }
};

QTEST_GUILESS_MAIN(AppStateTest)
#include "tst_appstate.moc"
