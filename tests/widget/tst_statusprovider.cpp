#include "FakeClock.h"
#include "ManualScheduler.h"
#include "StatusProvider.h"
#include "StatusViewLogic.h"
#include "TimelineHost.h"
#include "WidgetTheme.h"

#include <QTest>

Q_DECLARE_METATYPE(WidgetSnapshot)

using namespace std::chrono_literals;
using Mode = WidgetSnapshot::Mode;
using Family = WidgetConfiguration::Family;

namespace {

const QDateTime kNow = QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC);

WidgetSnapshot snapshot(Mode mode, double percent = 68, qint64 ageSeconds = 0, qint64 workSeconds = 2700)
{
    return {percent, mode, 1620, 15960, workSeconds, 300, kNow.addSecs(-ageSeconds)};
}

} // namespace

class StatusProviderTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutASnapshotThereIsOneEmptyEntry()
    {
        const StatusTimeline timeline = StatusProvider::timeline(kNow, std::nullopt);
        QCOMPARE(timeline.entries.size(), 1);
        QVERIFY(timeline.entries[0] == (StatusEntry{kNow, std::nullopt, false}));
        QCOMPARE(timeline.reloadAt, kNow.addSecs(900));

        QVERIFY(!StatusProvider::snapshot(kNow, std::nullopt, false).snapshot);
        QVERIFY(*StatusProvider::snapshot(kNow, std::nullopt, true).snapshot == StatusProvider::sample());
        const WidgetSnapshot stored = snapshot(Mode::idle);
        QVERIFY2(*StatusProvider::snapshot(kNow, stored, true).snapshot == stored, "a real snapshot beats the sample");

        const StatusEntry placeholder = StatusProvider::placeholder(kNow);
        QVERIFY(placeholder.isPlaceholder);
        QCOMPARE(placeholder.snapshot->fatiguePercent, 68.0);
        QCOMPARE(placeholder.snapshot->restSeconds, 300);
    }

    void onlyAFreshWorkingSnapshotIsProjected_data()
    {
        QTest::addColumn<WidgetSnapshot>("stored");
        QTest::addColumn<int>("entries");
        QTest::newRow("working, 180 s old") << snapshot(Mode::working, 68, 180) << 16;
        QTest::newRow("working, 181 s old") << snapshot(Mode::working, 68, 181) << 1;
        QTest::newRow("resting") << snapshot(Mode::resting) << 1;
        QTest::newRow("idle") << snapshot(Mode::idle) << 1;
    }

    void onlyAFreshWorkingSnapshotIsProjected()
    {
        QFETCH(WidgetSnapshot, stored);
        QFETCH(int, entries);
        const StatusTimeline timeline = StatusProvider::timeline(kNow, stored);
        QCOMPARE(timeline.entries.size(), entries);
        QCOMPARE(timeline.reloadAt, kNow.addSecs(900));
        for (int i = 0; i < entries; ++i) {
            QCOMPARE(timeline.entries[i].date, kNow.addSecs(60 * i));
        }
    }

    void projectionKeepsCountingForFifteenMinutes()
    {
        const WidgetSnapshot stored = snapshot(Mode::working, 68, 30);
        const QList<StatusEntry> entries = StatusProvider::timeline(kNow, stored).entries;
        QVERIFY(qAbs(entries[1].snapshot->fatiguePercent - (68 + 60 * 100.0 / 2700)) < 1e-9);
        QCOMPARE(entries[15].snapshot->fatiguePercent, 100.0);
        for (int i = 1; i <= 15; ++i) {
            const WidgetSnapshot& projected = *entries[i].snapshot;
            QCOMPARE(projected.continuousWorkSeconds, 1620.0 + 60 * i);
            QCOMPARE(projected.todaySeconds, 15960.0 + 60 * i);
            QCOMPARE(projected.updatedAt, stored.updatedAt.addSecs(60 * i));
            QCOMPARE(projected.workSeconds, 2700);
            QCOMPARE(projected.mode, Mode::working);
            // Every projected entry is exactly as fresh as the first.
            QVERIFY(!projected.isStale(entries[i].date));
        }
        const auto zeroPeriod = StatusProvider::timeline(kNow, snapshot(Mode::working, 0, 0, 0)).entries;
        QCOMPARE(zeroPeriod[1].snapshot->fatiguePercent, 100.0);
    }

    void badgeFollowsStalenessThenMode_data()
    {
        QTest::addColumn<WidgetSnapshot>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("181 s old, resting")
            << snapshot(Mode::resting, 10, 181) << "未在统计" << WidgetTheme::secondary();
        QTest::newRow("180 s old, resting")
            << snapshot(Mode::resting, 10, 180) << "休息中" << WidgetTheme::breakGreen();
        QTest::newRow("idle") << snapshot(Mode::idle, 10) << "空闲中" << WidgetTheme::statusTeal();
        QTest::newRow("working at 99.5") << snapshot(Mode::working, 99.5) << "疲劳上升中"
                                         << WidgetTheme::statusOrange();
        QTest::newRow("working at 100") << snapshot(Mode::working, 100) << "疲劳已满" << WidgetTheme::red();
    }

    void badgeFollowsStalenessThenMode()
    {
        QFETCH(WidgetSnapshot, stored);
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QVERIFY(StatusViewLogic::status(stored, kNow) == (StatusViewLogic::BadgeInfo{text, color}));
    }

    void figuresAndTexts()
    {
        using namespace StatusViewLogic;
        QCOMPARE(ringNumber(99.5), QStringLiteral("100"));
        QCOMPARE(ringNumber(42.49), QStringLiteral("42"));
        QCOMPARE(ringNumber(0), QStringLiteral("0"));
        QCOMPARE(ringProgress(0), 0.003);
        QCOMPARE(ringProgress(-5), 0.003);
        QCOMPARE(ringProgress(50), 0.5);
        QCOMPARE(ringProgress(130), 1.0);
        QCOMPARE(durationText(2700), QStringLiteral("45 分钟"));
        QCOMPARE(durationText(300), QStringLiteral("5 分钟"));
        QCOMPARE(durationText(90), QStringLiteral("1 分 30 秒"));
        QCOMPARE(durationText(30), QStringLiteral("0 分 30 秒"));
        WidgetSnapshot past = snapshot(Mode::working);
        past.continuousWorkSeconds = 4000;
        QCOMPARE(minutesUntilBreakText(past), QStringLiteral("0 分钟"));

        const StatusEntry empty{kNow, std::nullopt, false};
        const StatusEntry full{kNow, snapshot(Mode::working), false};
        QCOMPARE(layoutFor(empty, Family::large), Layout::empty);
        QCOMPARE(layoutFor(full, Family::large), Layout::large);
        QCOMPARE(layoutFor(full, Family::medium), Layout::medium);
        QCOMPARE(layoutFor(full, Family(7)), Layout::medium);
    }

    void hostSwitchesAtEntryDatesAndReadsOnlyWhenAsked()
    {
        FakeClock clock(kNow);
        ManualScheduler scheduler(clock);
        int reads = 0;
        std::optional<WidgetSnapshot> file = snapshot(Mode::working, 50, 0);
        TimelineHost host(
            scheduler, clock,
            [&] {
                ++reads;
                return file;
            },
            false);
        QList<QDateTime> shown;
        connect(&host, &TimelineHost::currentChanged, this,
                [&](const StatusEntry& entry) { shown.append(entry.date); });

        host.start();
        QCOMPARE(reads, 1);
        QCOMPARE(shown, QList<QDateTime>{kNow});
        scheduler.advance(59s);
        QCOMPARE(shown.size(), 1);
        scheduler.advance(1s);
        QCOMPARE(shown.last(), kNow.addSecs(60));
        QVERIFY(host.current().snapshot->continuousWorkSeconds == 1680.0);
        QCOMPARE(pendingAfter(scheduler), 2); // the next entry and the reload

        // A running Tavrin rewrites the file at least once a minute; the host looks again when the snapshot
        // it showed would turn stale, and takes the newer one.
        file = snapshot(Mode::working, 52, -150); // written at 150 s
        scheduler.advance(120s);
        QCOMPARE(reads, 1);
        scheduler.advance(1s); // 181 s
        QCOMPARE(reads, 2);
        QCOMPARE(host.current().snapshot->fatiguePercent, 52.0);
        QCOMPARE(shown.size(), 5); // 0, 60, 120, 180 s, then the new timeline's first entry

        // Tavrin quits: nothing new is written. The next look, 181 s after the last write, finds the
        // snapshot stale, and the widget says so instead of counting on for fifteen minutes.
        scheduler.advance(149s); // 330 s
        QCOMPARE(reads, 2);
        QVERIFY(!host.current().snapshot->isStale(clock.now()));
        scheduler.advance(1s);
        QCOMPARE(reads, 3);
        QVERIFY(host.current().snapshot->isStale(clock.now()));
        // A stale snapshot is not projected, and the file is read again only after the usual fifteen minutes.
        QCOMPARE(pendingAfter(scheduler), 1);
        scheduler.advance(14min);
        QCOMPARE(reads, 3);
        file = snapshot(Mode::idle, 20, -1231); // Tavrin is back
        scheduler.advance(1min);
        QCOMPARE(reads, 4);
        QCOMPARE(host.current().snapshot->mode, Mode::idle);

        // A reload for another kind is ignored; for ours it reads at once.
        host.onReloadTimelines(QStringLiteral("SomeOtherWidget"));
        QCOMPARE(reads, 4);
        file.reset();
        host.onReloadTimelines(QStringLiteral("TavrinStatusWidget"));
        QCOMPARE(reads, 5);
        QVERIFY(!host.current().snapshot);
        scheduler.advance(14min);
        QCOMPARE(reads, 5);
    }

    void previewShowsTheSampleUntilThereIsData()
    {
        FakeClock clock(kNow);
        ManualScheduler scheduler(clock);
        std::optional<WidgetSnapshot> file;
        TimelineHost host(
            scheduler, clock, [&] { return file; }, true);
        host.start();
        QVERIFY(*host.current().snapshot == StatusProvider::sample());
        QVERIFY(!host.current().isPlaceholder);
        file = snapshot(Mode::resting);
        host.onReloadTimelines(QStringLiteral("TavrinStatusWidget"));
        QCOMPARE(host.current().snapshot->mode, Mode::resting);
    }

private:
    static int pendingAfter(const ManualScheduler& scheduler) { return scheduler.pendingCount(); }
};

QTEST_GUILESS_MAIN(StatusProviderTest)
#include "tst_statusprovider.moc"
