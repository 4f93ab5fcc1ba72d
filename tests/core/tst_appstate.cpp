// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppStateFixture.h"
#include "WidgetReloader.h"
#include "WidgetSnapshotPublisher.h"

#include <QFile>
#include <QTest>

using namespace std::chrono_literals;

namespace {

const QString kToday = QStringLiteral("2026-03-02");

void shortRule(AppSettings& s)
{
    s.rule.workSeconds = 60;
    s.rule.restSeconds = 30;
}

// A person at work but for the absences [from, to) on the steady clock. When it tells, it arms the notices an
// X server's alarms would give; a notice is on the steady clock, so an absence planned since, or a sleep of the
// machine, arms it again.
class ScheduledPerson final : public IdleSource
{
public:
    using Span = std::pair<std::chrono::milliseconds, std::chrono::milliseconds>;
    ScheduledPerson(const FakeClock& clock, ManualScheduler& scheduler, bool tells)
        : m_clock(clock)
        , m_scheduler(scheduler)
        , m_tells(tells)
    {
    }
    // An absence from now on; without one, the notice armed is armed again (after a sleep of the machine).
    void leave(std::chrono::milliseconds from = {}, std::chrono::milliseconds to = {})
    {
        m_absences.emplace_back(from, to);
        if (m_then) {
            notify(m_notice, m_seconds, m_then);
        }
    }
    double secondsSinceLastInput() override
    {
        ++asked;
        return std::chrono::duration<double>(m_clock.steady() - current().first).count();
    }
    QString name() const override { return QStringLiteral("scheduled"); }
    bool notify(Notice notice, double seconds, std::function<void()> then) override
    {
        m_armed.cancel();
        std::tie(m_notice, m_seconds, m_then) = std::tuple(notice, seconds, then);
        const auto now = m_clock.steady();
        const std::chrono::milliseconds length(qRound64(seconds * 1000));
        const Span away = current();
        auto at = notice == Notice::inputBelow ? (now - away.first >= length ? away.second : now)
                                               : std::chrono::milliseconds::max();
        for (const auto& [from, to] : m_absences) {
            if (notice == Notice::idleReaches && to > now && from + length < to) {
                at = std::min(at, std::max(from + length, now));
            }
        }
        if (m_tells && at != std::chrono::milliseconds::max()) {
            m_armed = m_scheduler.runAfter(at - now, [this, then = std::move(then)] {
                m_then = nullptr;
                then();
            });
        }
        return m_tells;
    }
    int asked = 0;

private:
    Span current() const
    {
        const auto now = m_clock.steady();
        const auto in =
            std::ranges::find_if(m_absences, [now](const Span& s) { return s.first <= now && now < s.second; });
        return in == m_absences.end() ? Span(now, now) : *in;
    }

    const FakeClock& m_clock;
    ManualScheduler& m_scheduler;
    bool m_tells;
    std::vector<Span> m_absences;
    TaskHandle m_armed;
    Notice m_notice = Notice::inputBelow;
    double m_seconds = 0;
    std::function<void()> m_then;
};

// Counts the widget's reloads.
struct CountingReloader final : WidgetReloader
{
    void reloadTimelines(const QString&) override { ++reloads; }
    int reloads = 0;
};

} // namespace

// The tick, usage accounting, the day roll-over and break scheduling, in virtual time over a real database.
class AppStateTest : public QObject
{
    Q_OBJECT

private slots:
    void startRestoresTheDayAndMigratesLegacyUsageOnce()
    {
        AppStateFixture app;
        app.database->addUsage(kToday, 8, 1800, 40);
        app.database->addUsage(kToday, 9, 5400, 70); // more than an hour: shown as 100 %
        app.database->addUsage(QStringLiteral("2026-03-01"), 15, 1234, 10);
        app.defaults.setData(UsageRecorder::kLegacyUsageKey,
                             R"({"2026-02-27":{"seconds":1800,"hourly":[25,0,0,0,0,0,0,0,0,50,-3]}})");
        AppState& state = app.state();
        QCOMPARE(state.todaySeconds(), 7200.0);
        QCOMPARE(state.hourlyUsage()[8], 50.0);
        QCOMPARE(state.hourlyUsage()[9], 100.0);
        QCOMPARE(state.hourlyFatigue()[9], 70.0);
        QCOMPARE(state.yesterdaySeconds(), std::optional(1234.0));
        QCOMPARE(app.storedSeconds(QStringLiteral("2026-02-27")), 900.0 + 1800.0);
        QVERIFY(!app.defaults.contains(UsageRecorder::kLegacyUsageKey));

        // A legacy value that does not decode as a whole, or that the database does not take, stays for the
        // next start.
        for (const bool decodes : {false, true}) {
            AppStateFixture other;
            const QByteArray legacy =
                decodes ? R"({"2026-02-27":{"seconds":1,"hourly":[50]}})" : R"({"2026-02-27":{"hourly":[50]}})";
            other.defaults.setData(UsageRecorder::kLegacyUsageKey, legacy);
            other.usage.failWrites = decodes;
            other.state();
            QCOMPARE(other.defaults.data(UsageRecorder::kLegacyUsageKey), std::optional(legacy));
        }
    }

    void activeTimeIsCountedAndFlushedEveryTenTicks()
    {
        AppStateFixture app;
        app.work(9s);
        QCOMPARE(app.state().todaySeconds(), 9.0);
        QCOMPARE(app.storedSeconds(kToday), 0.0);
        app.work(1s);
        QCOMPARE(app.storedSeconds(kToday), 10.0);
        QCOMPARE(app.usage.writes, 1); // one write per touched hour per ten ticks
        QCOMPARE(app.state().hourlyUsage()[9], 10 * 100.0 / 3600);

        // Nobody at the keyboard: the flushes come on schedule but write nothing.
        app.away(30s);
        QCOMPARE(app.state().fatigue().mode, FatigueMode::idle);
        QCOMPARE(app.usage.writes, 1);
        QCOMPARE(app.state().todaySeconds(), 10.0);
    }

    // The timer fires once a second. Between two ticks the machine may sleep, or somebody may set the wall
    // clock: only sleep is a gap, counted as rest.
    void timeJumpsBetweenTicks_data()
    {
        QTest::addColumn<bool>("asleep"); // else the wall clock is set
        QTest::addColumn<int>("seconds");
        QTest::addColumn<double>("today");
        QTest::addColumn<int>("mode");
        QTest::newRow("asleep 11 s: a gap counted as rest") << true << 10 << 5.0 << int(FatigueMode::resting);
        QTest::newRow("asleep exactly 10 s: a regular tick") << true << 9 << 15.0 << int(FatigueMode::working);
        QTest::newRow("clock set back an hour") << false << -3600 << 6.0 << int(FatigueMode::working);
        QTest::newRow("clock set forward an hour") << false << 3600 << 6.0 << int(FatigueMode::working);
    }

    void timeJumpsBetweenTicks()
    {
        QFETCH(bool, asleep);
        QFETCH(int, seconds);
        QFETCH(double, today);
        QFETCH(int, mode);
        AppStateFixture app;
        app.work(5s);
        const int published = app.publisher.calls;
        asleep ? app.clock.advance(std::chrono::seconds(seconds)) : app.clock.step(std::chrono::seconds(seconds));
        app.work(1s);
        QCOMPARE(app.state().todaySeconds(), today);
        QCOMPARE(int(app.state().fatigue().mode), mode);
        QCOMPARE(app.publisher.calls - published, mode == int(FatigueMode::resting) ? 0 : 1);
    }

    void theDayRollsOverAtMidnightAndTheOldDayKeepsItsSeconds()
    {
        AppStateFixture app({}, QDateTime(QDate(2026, 3, 2), QTime(23, 59, 50), Qt::UTC));
        // 23:59:51 … 23:59:59 belong to the old day; the tick at midnight writes them there first.
        app.work(15s);
        QCOMPARE(app.state().currentDayKey(), QStringLiteral("2026-03-03"));
        QCOMPARE(app.storedSeconds(kToday), 9.0);
        QCOMPARE(app.state().yesterdaySeconds(), std::optional(9.0));
        QCOMPARE(app.state().todaySeconds(), 6.0);
        QCOMPARE(app.state().hourlyUsage()[23], 0.0);
        QVERIFY(app.state().fatigue().continuousWork >= 15.0);
    }

    // Micro-pauses in virtual time: every 2 minutes of activity a card asks for 10 s of stillness. Steps: work,
    // still (no input, the idle time growing) and away (30 s idle) for N seconds; =card / =none: whether the
    // card is up; skip: its skip; pause, meeting, busy: what holds one back. records: taken (1) or missed (0).
    void microPausesComeAfterTheirIntervalAndEndTakenOrMissed_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("due once the interval is worked") << "work 119 =none work 1 =card" << QStringList{};
        QTest::newRow("a natural pause starts the count again")
            << "work 100 still 10 work 100 =none work 20 =card" << QStringList{};
        QTest::newRow("taken after its length of stillness, input holding the ring")
            << "work 120 =card work 20 still 9 =card still 1 =none" << QStringList{"1"};
        QTest::newRow("missed after three lengths on screen")
            << "work 120 =card work 29 =card work 1 =none" << QStringList{"0"};
        QTest::newRow("skipped") << "work 120 =card skip =none" << QStringList{"0"};
        QTest::newRow("not next to a due long break, and not queued")
            << "short work work 120 =none work 50 =none" << QStringList{};
        QTest::newRow("not during a pause of reminders") << "pause work 120 =none work 119 =none" << QStringList{};
        QTest::newRow("not in meeting mode") << "meeting work 240 =none" << QStringList{};
        QTest::newRow("not under a quiet hold") << "busy work 120 =none" << QStringList{};
        QTest::newRow("off: none at all") << "off work 600 =none" << QStringList{};
    }

    void microPausesComeAfterTheirIntervalAndEndTakenOrMissed()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, records);
        AppStateFixture app([&](AppSettings& s) {
            s.microPauses = !script.startsWith(u"off");
            s.microPauseMinutes = 2;
            s.microPauseSeconds = 10;
            s.rule.workSeconds = script.startsWith(u"short work") ? 180 : 2700;
            s.quietDuringCalls = true;
        });
        const QStringList steps = script.split(u' ');
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const QString& step = steps[i];
            const std::chrono::seconds seconds(steps.value(i + 1).toInt());
            if (step == u"work" || step == u"still" || step == u"away") {
                step == u"work" ? app.work(seconds) : step == u"still" ? app.still(seconds) : app.away(seconds);
                ++i;
            } else if (step.startsWith(u'=')) {
                QVERIFY2(app.microPauseCard.isShown() == (step == u"=card"), qPrintable(QString::number(i)));
            } else if (step == u"skip") {
                app.microPauseCard.skip();
            } else if (step == u"pause") {
                app.state().pauseReminders(30min);
            } else if (step == u"meeting") {
                app.state().settingsStore().setSettings(app.state().settings().withMovieMode(true));
            } else if (step == u"busy") {
                app.state();
                emit app.events.launchFinished(); // the quiet watchers follow the settings from then on
                app.scheduler.runDue();
                app.calls.setBusy(true);
            }
        }
        QCOMPARE(DatabaseRows::read(app.databasePath(), QStringLiteral("SELECT taken FROM micro_pauses ORDER BY id")),
                 records);
    }

    // Micro-pauses change nothing of the long breaks: the same day of input brings the same breaks, fatigue
    // and stored usage with them on and off.
    void theLongBreaksAreTheSameWithMicroPausesOnAndOff()
    {
        QStringList seen;
        for (const bool on : {false, true}) {
            AppStateFixture app([&](AppSettings& s) {
                s.microPauses = on;
                s.microPauseMinutes = 2;
                s.microPauseSeconds = 10;
                s.notifyBeforeOverlay = false;
            });
            app.work(50min);
            app.still(40s);
            app.work(50min);
            QVERIFY(app.breaks().size() >= 2);
            seen.append(app.breaks().join(u';') +
                        QStringLiteral("|%1|%2").arg(app.state().fatigue().percent).arg(app.storedSeconds(kToday)));
        }
        QCOMPARE(seen.at(1), seen.at(0));
    }

    // One evening of a person, lived twice: once asked every second, once by a source that tells, so that the tick
    // rests while they are away. Everything computed, stored and written is the same, to the last bit.
    void aRestingTickComputesWhatATickingOneDoes()
    {
        struct Evening
        {
            QStringList figures, written, rows;
            int asked = 0, published = 0;
        };
        const auto live = [](bool tells) {
            AppStateFixture app(
                [](AppSettings& s) {
                    s.rule.workSeconds = 600;
                    s.rule.restSeconds = 60;
                },
                QDateTime(QDate(2026, 3, 2), QTime(21, 0), Qt::UTC));
            ScheduledPerson person(app.clock, app.scheduler, tells);
            ActivityMonitor monitor(person);
            CountingReloader reloader;
            const QString path = app.dir.filePath(QStringLiteral("snapshot.json"));
            WidgetSnapshotPublisher snapshots(reloader, app.log, app.clock, path);
            app.person = &monitor;
            app.snapshots = &snapshots;
            AppState& state = app.state();
            int ticks = 0;
            QObject::connect(&state, &AppState::tickFinished, [&ticks] { ++ticks; });
            const auto minute = [](double minutes) { return std::chrono::milliseconds(qRound64(minutes * 60'000)); };
            // Absences in minutes of the evening, ending within a second, not on it; after the sleep at 90 the
            // steady clock is 20 minutes ahead.
            for (const auto& [from, to] :
                 std::vector<std::pair<double, double>>{{20, 20.75}, {41, 70}, {80, 110}, {142, 170}, {180, 230}}) {
                person.leave(minute(from) + 300ms, minute(to) + 300ms);
            }
            QStringList figures;
            QStringList written;
            bool putOff = false;
            for (int second = 1; second <= 300 * 60; ++second) {
                app.scheduler.advance(1s);
                // Every file written (at most one a second, at the tick) and the reloads asked so far.
                QFile file(path);
                const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
                if (written.isEmpty() || !written.last().startsWith(text)) {
                    written.append(text + QString::number(reloader.reloads));
                }
                if (second == 40 * 60) {
                    state.pauseReminders(15min); // over during the absence
                } else if (second == 50 * 60) {
                    app.clock.step(5min); // set forward: the pause ends sooner
                    emit app.events.clockChanged();
                } else if (second == 90 * 60) {
                    emit app.events.willSleep(); // twenty minutes asleep during the absence
                    app.clock.advance(20min);
                    person.leave();
                } else if (second == 100 * 60) {
                    person.leave(minute(120) + 300ms, minute(135) + 300ms);
                } else if (second == 125 * 60) {
                    app.clock.step(-10min); // set back during the absence
                    emit app.events.clockChanged();
                }
                // A break put off at its notice, with the person back in the second it is due again.
                if (!putOff && app.bannerWindow.shown) {
                    putOff = true;
                    app.bannerWindow.action();
                    const auto now = app.clock.steady();
                    person.leave(now + 5300ms, now + 5min + 200ms);
                }
                if (second % 60 == 0) {
                    state.bringUpToDate();
                    const FatigueState& f = state.fatigue();
                    figures.append(QString::asprintf("%d %.17g %.17g %.17g ", second, f.percent, f.continuousWork,
                                                     state.todaySeconds()) +
                                   state.currentDayKey());
                }
            }
            emit app.events.willTerminate();
            const QStringList rows =
                DatabaseRows::read(app.databasePath(), QStringLiteral("SELECT * FROM usage_hourly"));
            return Evening{figures, written, rows + app.breaks(), person.asked, ticks};
        };
        const Evening ticking = live(false);
        const Evening resting = live(true);
        QCOMPARE(resting.figures, ticking.figures);
        QCOMPARE(resting.written, ticking.written);
        QCOMPARE(resting.rows, ticking.rows);
        QVERIFY(ticking.rows.size() >= 6 && ticking.figures.last().endsWith(u"2026-03-03"));
        // It did rest: a fraction of the ticks, and the source asked near the threshold only.
        QVERIFY2(resting.published < ticking.published * 2 / 3 && resting.asked < ticking.asked / 20,
                 qPrintable(QStringLiteral("%1 ticks, asked %2 times").arg(resting.published).arg(resting.asked)));
    }

    // A laptop that travels: just past midnight in Shanghai the zone becomes New York's, where it is 11:00 of the
    // day before, and back. The day and the hour follow the zone in force, both ways.
    void theDayAndTheHourFollowAZoneChangedWhileRunning()
    {
        AppStateFixture app({}, QDateTime(QDate(2026, 3, 2), QTime(16, 0, 20), Qt::UTC));
        app.calendar.setTimeZone(QTimeZone("Asia/Shanghai"));
        app.work(10s);
        QCOMPARE(app.state().currentDayKey(), kToday.left(8) + QStringLiteral("03"));
        app.calendar.setTimeZone(QTimeZone("America/New_York"));
        app.work(30s);
        QCOMPARE(app.state().currentDayKey(), kToday);
        QVERIFY(app.state().hourlyUsage()[11] > 0);
        app.calendar.setTimeZone(QTimeZone("Asia/Shanghai"));
        app.work(20s);
        QCOMPARE(app.state().currentDayKey(), kToday.left(8) + QStringLiteral("03"));
        QCOMPARE(
            DatabaseRows::read(app.databasePath(),
                               QStringLiteral("SELECT day || ' ' || hour || ' ' || active_seconds FROM usage_hourly "
                                              "ORDER BY day")),
            (QStringList{"2026-03-02 11 30", "2026-03-03 0 30"}));
    }

    // Today's figure is what is stored for the day plus what waits to be stored: after the clock is set back
    // across midnight onto a day already counted, and after a store that did not answer at start.
    void todayIsWhatIsStoredPlusWhatWaits()
    {
        AppStateFixture app({}, QDateTime(QDate(2026, 3, 2), QTime(23, 59, 30), Qt::UTC));
        QVERIFY(app.database->addUsage(kToday, 23, 12, 10));
        app.work(60s); // into the 3rd
        const double stored = app.storedSeconds(kToday);
        QVERIFY(stored > 12);
        app.clock.step(-60s); // back to 23:59:30 on the 2nd
        app.work(5s);
        QCOMPARE(app.state().currentDayKey(), kToday);
        QCOMPARE(app.state().todaySeconds(), stored + 5.0);
        emit app.events.willSleep(); // all stored
        QCOMPARE(app.state().todaySeconds(), app.storedSeconds(kToday));

        AppStateFixture busy;
        QVERIFY(busy.database->addUsage(kToday, 8, 25, 10));
        busy.usage.failReads = busy.usage.failWrites = true;
        busy.work(20s);
        QCOMPARE(busy.state().todaySeconds(), 20.0); // all this process knows
        busy.usage.failReads = busy.usage.failWrites = false;
        busy.work(10s);
        QCOMPARE(busy.storedSeconds(kToday), 55.0);
        QCOMPARE(busy.state().todaySeconds(), 55.0);
        QCOMPARE(busy.state().hourlyUsage()[8], 25.0 / 36.0);
    }

    void failedWritesAreKeptAndRetriedAndDroppedOnlyAtMidnight()
    {
        AppStateFixture app({}, QDateTime(QDate(2026, 3, 2), QTime(22, 59, 50), Qt::UTC));
        app.usage.failWrites = true;
        app.state().requestBreak();
        app.scheduler.runDue();
        app.overlayWindows.skip();
        app.work(20s); // the break and two hours, 22 and 23, pending
        QCOMPARE(app.recorder().pendingHours(), 2);
        QCOMPARE(app.recorder().pendingBreaks(), 1);
        const int writes = app.usage.writes;
        app.work(10s);
        QCOMPARE(app.usage.writes, writes + 1); // the first refusal ends a flush: no second wait
        app.usage.failWrites = false;
        app.work(10s);
        QCOMPARE(app.storedSeconds(kToday), 40.0);
        QCOMPARE(app.breaks().size(), 1);
        QCOMPARE(app.recorder().pendingHours() + app.recorder().pendingBreaks(), 0);
        app.usage.failWrites = true; // an hour refused on its own is kept too
        app.work(10s);
        QCOMPARE(app.recorder().pendingHours(), 1);
        app.usage.failWrites = false;
        app.work(10s);
        QCOMPARE(app.storedSeconds(kToday), 60.0);

        // Still failing at midnight: the old day's rest is dropped, with a log line.
        app.usage.failWrites = true;
        app.work(1h);
        QCOMPARE(app.log.count(UsageRecorder::kDroppedUsage), 1);
        QCOMPARE(app.storedSeconds(kToday), 60.0);
        app.usage.failWrites = false;
        app.work(10s);
        QVERIFY(app.storedSeconds(QStringLiteral("2026-03-03")) > 0);
    }

    void terminateAndSleepFlushAtOnce()
    {
        AppStateFixture app;
        app.work(3s);
        emit app.events.willTerminate();
        QCOMPARE(app.storedSeconds(kToday), 3.0);
        app.work(4s);
        emit app.events.willSleep();
        QCOMPARE(app.storedSeconds(kToday), 7.0);

        // A break on screen when Tavrin ends (quit, SIGTERM and the session's end all say "will terminate")
        // is recorded with its real start and end, cut short: skipped. The overlay's own outcome afterwards
        // adds nothing.
        AppStateFixture other;
        other.state().requestBreak();
        other.scheduler.runDue();
        other.away(100s);
        emit other.events.willTerminate();
        QCOMPARE(other.breaks(), QStringList{QStringLiteral("manual|1|0|100")});
        other.overlayWindows.skip();
        other.scheduler.runDue();
        QCOMPARE(other.breaks().size(), 1);

        // A store that still refuses at the end (a full disk): the loss is said.
        other.usage.failWrites = true;
        other.work(3s);
        emit other.events.willTerminate();
        QCOMPARE(other.log.count(UsageRecorder::kUnsavedAtExit), 1);
    }

    void aWorkPeriodLeadsToTheOverlayAndARecord_data()
    {
        QTest::addColumn<bool>("notice");
        QTest::newRow("after the ten-second notice") << true;
        QTest::newRow("at once without the notice") << false;
    }

    void aWorkPeriodLeadsToTheOverlayAndARecord()
    {
        QFETCH(bool, notice);
        AppStateFixture app([&](AppSettings& s) {
            shortRule(s);
            s.notifyBeforeOverlay = notice;
        });
        app.work(59s);
        QVERIFY(!app.bannerWindow.shown && !app.overlay.hasWindows());
        app.work(1s);
        QCOMPARE(app.bannerWindow.shown, notice);
        QCOMPARE(app.overlay.hasWindows(), !notice);
        if (notice) {
            app.work(9s);
            QVERIFY2(!app.bannerWindow.shown, "the notice goes after 9 s");
            QVERIFY(!app.overlay.hasWindows());
            app.work(1s);
            QVERIFY(app.overlay.hasWindows());
        }
        QCOMPARE(app.overlayWindows.opened.duration, 30.0);
        const double today = app.state().todaySeconds();
        app.work(29s);
        QVERIFY(app.overlay.hasWindows());
        QCOMPARE(app.state().fatigue().mode, FatigueMode::resting);
        // A change of rule during the break applies to the next one.
        AppSettings settings = app.state().settings();
        settings.rule.restSeconds = 5;
        app.state().settingsStore().setSettings(settings);
        app.work(1s);
        QVERIFY(!app.overlay.hasWindows());
        QCOMPARE(app.state().fatigue(), (FatigueState{0, 0, FatigueMode::idle}));
        QCOMPARE(app.breaks(), QStringList{QStringLiteral("work_reached|0|0|30")});
        QCOMPARE(app.state().todaySeconds(), today);
        QCOMPARE(app.sound.plays, 1);
        app.state().requestBreak();
        app.scheduler.runDue();
        QCOMPARE(app.overlayWindows.opened.duration, 5.0);
    }

    void midnightDuringTheNoticeAndTheBreak()
    {
        AppStateFixture app([](AppSettings& s) { s.rule.workSeconds = 55; },
                            QDateTime(QDate(2026, 3, 2), QTime(23, 59, 0), Qt::UTC));
        app.work(55s + 10s); // the notice at 23:59:55, the overlay after midnight
        QVERIFY(app.overlay.hasWindows());
        app.work(180s);
        QCOMPARE(DatabaseRows::read(app.databasePath(), QStringLiteral("SELECT started_at FROM break_events")),
                 QStringList{QStringLiteral("2026-03-03T00:00:05Z")});
        // The 55 s of work and the 4 s of the notice before midnight went to the old day.
        QCOMPARE(app.storedSeconds(kToday), 59.0);
    }

    void anIgnoredBannerIsASkippedBreakAndComesBackAfterTheNagInterval()
    {
        AppStateFixture app([](AppSettings& s) {
            s.rule.workSeconds = 60;
            s.reminderStyle = ReminderStyle::banner;
            s.nagIntervalSeconds = 120;
        });
        app.work(60s);
        QVERIFY(app.bannerWindow.shown);
        app.work(10s);
        QVERIFY(!app.bannerWindow.shown);
        QCOMPARE(app.breaks(), QStringList{QStringLiteral("work_reached|1|0|10")});
        QVERIFY2(app.state().fatigue().continuousWork >= 70, "an ignored banner changes nothing");

        app.clock.step(-1h); // the nag interval does not wait for the wall clock to catch up
        app.work(109s);
        QCOMPARE(app.bannerWindow.shows, 1);
        app.work(1s); // 120 s after the first trigger
        QCOMPARE(app.bannerWindow.shows, 2);

        // The action: the overlay at once, recorded with the banner's trigger; the banner records nothing.
        app.bannerWindow.action();
        app.scheduler.runDue();
        QVERIFY(app.overlay.hasWindows());
        app.overlayWindows.skip();
        app.scheduler.runDue();
        QCOMPARE(app.breaks().size(), 2);
        QVERIFY(app.breaks().last().startsWith(QStringLiteral("work_reached|1|0|")));
    }

    void fullFatigueTriggersAtMostOncePerNagInterval()
    {
        AppStateFixture app([](AppSettings& s) {
            s.rule.workSeconds = 100;
            s.notifyBeforeOverlay = false;
            s.nagIntervalSeconds = 30;
        });
        app.work(100s);
        app.overlayWindows.skip(); // at 100 %: back to 80 %
        app.scheduler.runDue();
        app.work(20s); // 100 % again, continuous work only 20 s
        QCOMPARE(app.state().fatigue().percent, 100.0);
        app.work(9s);
        QVERIFY2(!app.overlay.hasWindows(), "within the nag interval of the last trigger");
        app.work(1s);
        QVERIFY(app.overlay.hasWindows());
        app.overlayWindows.skip();
        app.scheduler.runDue();
        QVERIFY(app.breaks().last().startsWith(QStringLiteral("fatigue_max|1|0|")));
    }

    void manualBreaksAreFullScreenAndNeverTwice()
    {
        AppStateFixture app([](AppSettings& s) {
            s.notificationEnabled = false;
            s.reminderStyle = ReminderStyle::banner;
            s.rule.workSeconds = 10;
        });
        app.work(60s);
        QCOMPARE(app.bannerWindow.shows + app.overlayWindows.opens, 0);
        app.state().requestBreak();
        app.state().requestBreak();
        app.scheduler.runDue();
        QCOMPARE(app.bannerWindow.shows + app.overlayWindows.opens, 1);
        app.overlayWindows.skip();
        app.scheduler.runDue();
        QCOMPARE(app.breaks(), QStringList{QStringLiteral("manual|1|0|0")});
        QCOMPARE(app.sound.plays, 0);

        // A manual break that starts during the notice is the break.
        AppStateFixture other([](AppSettings& s) { s.rule.workSeconds = 30; });
        other.work(30s);
        other.state().requestBreak();
        other.work(10s);
        QCOMPARE(other.overlayWindows.opens, 1);
        QVERIFY(!other.state().isSchedulingOverlay());
    }

    // Postponing, pausing and the quiet of a busy user, as scripts in virtual time. Steps: "work N" and "away N"
    // (seconds at the keyboard), "later" (稍后提醒 / 推迟 on what is shown), "skip", "pause 30|60|tomorrow", "resume",
    // "busy call|screen|-", "restart"; checks: "=none|notice|banner|overlay" (what is up), "?call|screen|-"
    // (why a break waits), "?paused|running".
    void theMomentOfInterruption_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("postponed at the notice: back five minutes later, fatigue untouched")
            << ""
            << "work 60 =notice later =none work 299 =none work 1 =notice work 10 =overlay skip"
            << QStringList{"work_reached|1|1|0", "work_reached|1|0|0"};
        QTest::newRow("postponed from the overlay, for three minutes")
            << "direct 3min"
            << "work 60 =overlay later =none work 179 =none work 1 =overlay" << QStringList{"work_reached|1|1|0"};
        QTest::newRow("postponed 30 s into the overlay: back five minutes later as it was, through the notice")
            << "long rest"
            << "work 60 =notice work 10 =overlay work 30 later =none work 299 =none work 1 =notice work 10 =overlay "
               "skip"
            << QStringList{"work_reached|1|1|30", "work_reached|1|0|0"};
        QTest::newRow("postponed 90 s into the overlay")
            << "long rest"
            << "work 60 =notice work 10 =overlay work 90 later =none work 299 =none work 1 =notice"
            << QStringList{"work_reached|1|1|90"};
        QTest::newRow("a break for fatigue comes back for fatigue, though work reached the period meanwhile")
            << ""
            << "work 50 away 30 work 14 =notice later work 300 =notice work 10 =overlay skip"
            << QStringList{"fatigue_max|1|1|0", "fatigue_max|1|0|0"};
        QTest::newRow("the banner's second choice, before the nag interval would bring it")
            << "banner"
            << "work 60 =banner later =none work 299 =none work 1 =banner" << QStringList{"work_reached|1|1|0"};
        QTest::newRow("a pause holds breaks, counting goes on, and the overdue break comes once")
            << "banner"
            << "pause 30 work 1799 =none ?paused work 1 ?running =banner work 10 =none work 110 =none"
            << QStringList{"work_reached|1|0|10"};
        QTest::newRow("a pause survives a restart and ends early on request")
            << ""
            << "pause 60 restart work 120 =none ?paused resume work 1 =notice" << QStringList{};
        QTest::newRow("a stored pause further off than any Tavrin sets ends at once")
            << "pause in ten days"
            << "work 1 ?running work 59 =notice" << QStringList{};
        QTest::newRow("stored pauses at the ends of the range end at once")
            << "pause at the ends"
            << "work 1 ?running work 59 =notice" << QStringList{};
        QTest::newRow("until tomorrow: midnight, fifteen hours on")
            << ""
            << "pause tomorrow work 53999 =none ?paused work 1 ?running =notice" << QStringList{};
        QTest::newRow("a call holds the break until two minutes after it ends")
            << "calls"
            << "busy call work 60 =none ?call work 600 busy - work 119 =none ?call work 1 =notice ?-" << QStringList{};
        QTest::newRow("a full-screen window holds it an hour at the most")
            << "screens"
            << "busy screen work 60 ?screen work 3599 =none work 1 =notice" << QStringList{};
        QTest::newRow("with the quiet switches off a busy user gets the break as before")
            << ""
            << "busy call busy screen work 60 =notice ?-" << QStringList{};
        // After the notice, the overlay waits for the first 3 s without input, a minute at the most.
        QTest::newRow("at a pause: typing for 2.5 s after the notice, then still")
            << "at pause"
            << "work 60 =notice work 9.5 =notice work 0.5 =waiting work 2.5 still 2.75 =waiting still 0.25 =overlay "
               "skip"
            << QStringList{"work_reached|1|0|0"};
        QTest::newRow("at a pause: no pause at all, the overlay a minute after the notice")
            << "at pause"
            << "work 70 =waiting work 59 =waiting work 1 =overlay" << QStringList{};
        QTest::newRow("at a pause: pauses shorter than 3 s do not start it")
            << "at pause"
            << "work 70 still 2.75 work 1 still 2.75 work 1 =waiting still 2.75 =waiting still 0.25 =overlay"
            << QStringList{};
        QTest::newRow("at a pause: put off while it waits, the record from the notice on")
            << "at pause"
            << "work 70 =waiting later =none work 299 =none work 1 =notice" << QStringList{"work_reached|1|1|10"};
        QTest::newRow("at a pause: a break by hand while it waits is the break")
            << "at pause"
            << "work 70 =waiting manual =overlay skip" << QStringList{"manual|1|0|0"};
        QTest::newRow("at a pause: a call while it waits holds the break as usual")
            << "calls at pause"
            << "work 70 =waiting busy call work 1 =none ?call busy - work 119 =none work 1 =notice" << QStringList{};
        QTest::newRow("at a pause: a pause of reminders while it waits")
            << "at pause"
            << "work 70 =waiting pause 30 work 1 =none ?paused resume work 1 =notice" << QStringList{};
        QTest::newRow("at a pause, without the notice: at once as before") << "direct at pause"
                                                                           << "work 60 =overlay" << QStringList{};
    }

    void theMomentOfInterruption()
    {
        QFETCH(QString, setup);
        QFETCH(QString, script);
        QFETCH(QStringList, records);
        AppStateFixture app([&](AppSettings& s) {
            shortRule(s);
            s.rule.restSeconds = setup == u"long rest" ? 180 : 30;
            s.reminderStyle = setup == u"banner" ? ReminderStyle::banner : ReminderStyle::fullscreen;
            s.nagIntervalSeconds = 600;
            s.notifyBeforeOverlay = !setup.startsWith(u"direct");
            s.startBreakAtPause = setup.endsWith(u"at pause");
            s.postponeMinutes = setup == u"direct 3min" ? 3 : 5;
            s.quietDuringCalls = setup.startsWith(u"calls");
            s.quietDuringFullScreen = setup == u"screens";
            if (setup == u"pause in ten days") {
                s.pausedUntil = AppStateFixture::kStart.addDays(10).toSecsSinceEpoch();
            }
            if (setup == u"pause at the ends") {
                s.pausedUntil = std::numeric_limits<qint64>::min();
            }
        });
        app.state();
        emit app.events.launchFinished();
        const auto shown = [&app] {
            if (app.overlay.hasWindows()) {
                return QStringLiteral("overlay");
            }
            if (!app.bannerWindow.shown) {
                return QStringLiteral("none");
            }
            switch (app.banner.notice().value().kind) {
            case BannerNotice::Kind::breakComing:
                return QStringLiteral("notice");
            case BannerNotice::Kind::waitingForPause:
                return QStringLiteral("waiting");
            case BannerNotice::Kind::breakDue:
                break;
            }
            return QStringLiteral("banner");
        };
        // What was up when the break came: putting it off goes back to it.
        FatigueState atBreak;
        app.overlayWindows.onOpen = [&] { atBreak = app.state().fatigue(); };
        const QStringList steps = script.split(u' ');
        for (int i = 0; i < steps.size(); ++i) {
            const QString& step = steps[i];
            const QString argument = i + 1 < steps.size() ? steps[i + 1] : QString();
            const QString where = QStringLiteral("step %1 (%2)").arg(i).arg(step);
            if (step.startsWith(u'=')) {
                if (!app.overlay.hasWindows()) {
                    atBreak = app.state().fatigue();
                }
                QVERIFY2(shown() == step.mid(1), qPrintable(where + QStringLiteral(": ") + shown()));
                QCOMPARE(app.state().reminderState().breakAtPauseBy.has_value(), shown() == u"waiting");
            } else if (step == u"?paused" || step == u"?running") {
                QVERIFY2(app.state().remindersPaused() == (step == u"?paused"), qPrintable(where));
                QCOMPARE(app.publisher.reminder.pausedUntil.has_value(), step == u"?paused");
            } else if (step.startsWith(u'?')) {
                const auto reason = app.state().breakWaitReason();
                const QString text = reason ? QStringList{"call", "screen"}.at(int(*reason)) : QStringLiteral("-");
                QVERIFY2(text == step.mid(1), qPrintable(where + QStringLiteral(": ") + text));
            } else if (step == u"work" || step == u"away" || step == u"still") {
                const std::chrono::milliseconds duration(qRound64(argument.toDouble() * 1000));
                step == u"work" ? app.work(duration) : step == u"away" ? app.away(duration) : app.still(duration);
                ++i;
            } else if (step == u"later") {
                // The untouched default message says the real work period.
                const QString message = QStringLiteral("你已经持续盯着屏幕 1 分钟啦");
                if (app.overlay.hasWindows()) {
                    QCOMPARE(app.overlayWindows.opened.postponeMinutes,
                             std::optional<qint64>(app.state().settings().postponeMinutes));
                    QCOMPARE(app.overlayWindows.opened.message, message);
                    app.overlayWindows.postpone();
                } else if (shown() == u"notice" || shown() == u"waiting") {
                    app.bannerWindow.action();
                } else {
                    QCOMPARE(app.bannerWindow.content.subtitle, std::optional(message));
                    app.bannerWindow.secondaryAction();
                }
                app.scheduler.runDue();
                QVERIFY2(app.state().fatigue().continuousWork == atBreak.continuousWork &&
                             app.state().fatigue().percent == atBreak.percent,
                         "a break put off changes neither fatigue nor continuous work");
            } else if (step == u"skip") {
                app.overlayWindows.skip();
                app.scheduler.runDue();
            } else if (step == u"pause") {
                argument == u"tomorrow" ? app.state().pauseRemindersUntilTomorrow()
                                        : app.state().pauseReminders(std::chrono::minutes(argument.toInt()));
                ++i;
            } else if (step == u"manual") {
                app.state().requestBreak();
                app.scheduler.runDue();
                QVERIFY2(!app.bannerWindow.shown, qPrintable(where));
            } else if (step == u"resume") {
                app.state().resumeReminders();
            } else if (step == u"busy") {
                if (argument == u"-") {
                    app.calls.setBusy(false);
                    app.fullScreen.setBusy(false);
                }
                (argument == u"call" ? app.calls : app.fullScreen).setBusy(argument != u"-");
                ++i;
            } else if (step == u"restart") {
                app.restart();
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
            }
        }
        QCOMPARE(app.breaks(), records);
    }

    void changedSettingsAreSavedThenAppliedAndEveryLaunchAppliesAll()
    {
        AppStateFixture app;
        AppState& state = app.state();
        state.settingsStore().setSettings(state.settings());
        QCOMPARE(app.defaults.writeCount(), 0);
        QCOMPARE(app.appearance.calls + app.taskbar.calls + app.loginItem.registrations, 0);

        AppSettings settings = state.settings();
        settings.theme = ThemeMode::dark;
        state.settingsStore().setSettings(settings);
        QCOMPARE(app.defaults.writeCount(), 1);
        QCOMPARE(app.appearance.mode, ThemeMode::dark);
        QCOMPARE(app.taskbar.calls + app.loginItem.registrations, 0);
        settings.showDockIcon = true;
        settings.launchAtStartup = true;
        state.settingsStore().setSettings(settings);
        QCOMPARE(app.taskbar.calls, 1);
        QCOMPARE(app.loginItem.registrations, 1);

        // At the next start the stored choices are applied again, changed or not.
        app.appearance = DummyAppearance();
        app.taskbar = DummyTaskbarPresence();
        app.restart();
        emit app.events.launchFinished();
        app.scheduler.runDue();
        QCOMPARE(app.appearance.mode, ThemeMode::dark);
        QCOMPARE(app.taskbar.calls, 1);
        QCOMPARE(app.loginItem.registrations, 1); // already enabled: not registered twice
    }
};

QTEST_GUILESS_MAIN(AppStateTest)
#include "tst_appstate.moc"
