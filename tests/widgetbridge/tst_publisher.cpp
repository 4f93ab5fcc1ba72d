#include "FakeClock.h"
#include "RecordingSystemLog.h"
#include "WidgetReloader.h"
#include "WidgetSharedStore.h"
#include "WidgetSnapshotPublisher.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {

class RecordingReloader final : public WidgetReloader
{
public:
    void reloadTimelines(const QString& kind) override { kinds.append(kind); }
    QStringList kinds;
};

const RuleConfig kRule{2700, 180, QStringLiteral("m")};

FatigueState working(double percent, double continuous = 600)
{
    return {percent, continuous, FatigueMode::working};
}

} // namespace

// Calls once a second in virtual time, as the tick does; the file and the reload requests are counted.
class PublisherTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    FakeClock m_clock;
    RecordingSystemLog m_log;
    RecordingReloader m_reloader;
    std::unique_ptr<WidgetSnapshotPublisher> m_publisher;
    int m_writes = 0;
    QDateTime m_lastModified;

    // Publishes and notes whether the file was rewritten (it holds the call's instant when it was).
    bool publish(const FatigueState& fatigue, double today = 3725)
    {
        m_publisher->publish(fatigue, today, kRule, m_clock.now());
        const auto stored = WidgetSharedStore::load(m_path);
        const bool written = stored && stored->updatedAt == m_clock.now();
        m_writes += written ? 1 : 0;
        return written;
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("group.tavrin/widget-snapshot.json"));
        QFile::remove(m_path);
        m_clock.setNow(QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC));
        m_log.lines.clear();
        m_reloader.kinds.clear();
        m_writes = 0;
        m_publisher = std::make_unique<WidgetSnapshotPublisher>(m_reloader, m_log, m_path);
    }

    void fingerprintHoldsWhatTheWidgetShows()
    {
        const WidgetSnapshot snapshot{42.5, WidgetSnapshot::Mode::working, 2700 - 12 * 60, 3725, 2700, 180, {}};
        QCOMPARE(WidgetSnapshotPublisher::fingerprint(snapshot), QStringLiteral("43|62|12|working|2700|180"));
        WidgetSnapshot negative = snapshot;
        negative.fatiguePercent = -2.5;
        negative.workSeconds = -5;
        QCOMPARE(WidgetSnapshotPublisher::fingerprint(negative), QStringLiteral("-3|62|0|working|-5|180"));
    }

    void firstCallWritesAndReloads()
    {
        QVERIFY(publish(working(42)));
        QCOMPARE(m_reloader.kinds, QStringList{QStringLiteral("TavrinStatusWidget")});
        const auto stored = WidgetSharedStore::load(m_path);
        QCOMPARE(stored->mode, WidgetSnapshot::Mode::working);
        QCOMPARE(stored->continuousWorkSeconds, 600.0);
        QCOMPARE(stored->workSeconds, 2700);
    }

    void anUnchangedStateIsRewrittenOnceAMinuteWithoutReloads()
    {
        publish(working(42));
        QList<int> writtenAt;
        for (int second = 1; second <= 180; ++second) {
            m_clock.advance(1s);
            // continuous work grows within the same minute-to-break: not a visible change
            if (publish(working(42, 600 + second % 30))) {
                writtenAt.append(second);
            }
        }
        QCOMPARE(writtenAt, QList<int>({60, 120, 180}));
        QCOMPARE(m_reloader.kinds.size(), 1);
    }

    void aVisibleChangeWaitsForTwentySecondsSinceTheLastReload()
    {
        publish(working(42.4));
        m_clock.advance(5s);
        QVERIFY2(!publish(working(42.6)), "42 → 43, but the last reload was 5 s ago");
        QCOMPARE(m_reloader.kinds.size(), 1);
        for (int second = 6; second < 20; ++second) {
            m_clock.advance(1s);
            QVERIFY(!publish(working(42.6)));
        }
        m_clock.advance(1s); // 20 s after the first reload
        QVERIFY(publish(working(42.6)));
        QCOMPARE(m_reloader.kinds.size(), 2);

        // 25 s later a change goes out at once.
        m_clock.advance(25s);
        QVERIFY(publish(working(44)));
        QCOMPARE(m_reloader.kinds.size(), 3);
    }

    void aChangedRuleIsAVisibleChange()
    {
        publish(working(42));
        m_clock.advance(21s);
        m_publisher->publish(working(42), 3725, RuleConfig{1800, 300, QStringLiteral("m")}, m_clock.now());
        QCOMPARE(m_reloader.kinds.size(), 2);
        QCOMPARE(WidgetSharedStore::load(m_path)->workSeconds, 1800);
    }

    void aClockSetBackWaitsForTimeToCatchUp()
    {
        publish(working(42));
        m_clock.advance(-10min);
        for (int second = 0; second < 30; ++second) {
            m_clock.advance(1s);
            QVERIFY(!publish(working(80)));
        }
        QCOMPARE(m_reloader.kinds.size(), 1);
    }

    void aFailingWriteIsLoggedOncePerAttempt()
    {
        // A file where the container should be: every write fails.
        QFile blocker(m_dir.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        WidgetSnapshotPublisher publisher(m_reloader, m_log,
                                          m_dir.filePath(QStringLiteral("blocked/widget-snapshot.json")));
        for (int second = 0; second < 130; ++second) {
            publisher.publish(working(42), 3725, kRule, m_clock.now());
            m_clock.advance(1s);
        }
        // At the start and then once a minute, not every second.
        QCOMPARE(m_log.count(WidgetSharedStore::kSaveFailed), 3);
        QCOMPARE(m_reloader.kinds.size(), 1);
    }
};

QTEST_GUILESS_MAIN(PublisherTest)
#include "tst_publisher.moc"
