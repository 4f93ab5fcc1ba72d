// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"
#include "FakeClock.h"
#include "ManualScheduler.h"
#include "RecordingSystemLog.h"
#include "StatusPainter.h"
#include "StatusProvider.h"
#include "StatusViewLogic.h"
#include "StatusWidgetWindow.h"
#include "TestFiles.h"
#include "TextContrast.h"
#include "TimelineHost.h"
#include "WidgetReloader.h"
#include "WidgetSharedStore.h"
#include "WidgetSnapshotPublisher.h"
#include "WidgetTheme.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(WidgetSnapshot)
Q_DECLARE_METATYPE(std::optional<WidgetSnapshot>)

using namespace std::chrono_literals;
using Mode = WidgetSnapshot::Mode;

namespace {

const QDateTime kUpdated = QDateTime::fromMSecsSinceEpoch(1'796'000'000'123, Qt::UTC);

WidgetSnapshot sample()
{
    return {.fatiguePercent = 42.5,
            .mode = WidgetSnapshot::Mode::working,
            .continuousWorkSeconds = 1234.5,
            .todaySeconds = 3725.25,
            .workSeconds = 2700,
            .restSeconds = 180,
            .updatedAt = kUpdated};
}

QByteArray withMember(const char* name, const QJsonValue& value)
{
    QJsonObject object = QJsonDocument::fromJson(sample().toJson()).object();
    if (value.isUndefined()) {
        object.remove(QLatin1StringView(name));
    } else {
        object.insert(QLatin1StringView(name), value);
    }
    return QJsonDocument(object).toJson();
}

class RecordingReloader final : public WidgetReloader
{
public:
    void reloadTimelines(const QString& kind) override { kinds.append(kind); }
    QStringList kinds;
};

FatigueState working(double percent, double continuous = 600)
{
    return {percent, continuous, FatigueMode::working};
}

const QDateTime kNow = QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC);

WidgetSnapshot snapshot(Mode mode, double percent = 68, qint64 ageSeconds = 0, qint64 workSeconds = 2700)
{
    return {.fatiguePercent = percent,
            .mode = mode,
            .continuousWorkSeconds = 1620,
            .todaySeconds = 15960,
            .workSeconds = workSeconds,
            .restSeconds = 300,
            .updatedAt = kNow.addSecs(-ageSeconds)};
}

} // namespace

// The desktop widget and what feeds it: the snapshot record and its file, the publisher that rations
// writes and reload requests, and the widget's timelines in virtual time and what its views show.
class WidgetTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    FakeClock m_clock;
    RecordingSystemLog m_log;
    RecordingReloader m_reloader;
    std::unique_ptr<WidgetSnapshotPublisher> m_publisher;

    // Publishes once, as a tick does; true when the file was rewritten.
    bool publish(const FatigueState& fatigue, const RuleConfig& rule = RuleConfig())
    {
        m_publisher->publish(fatigue, 3725, rule, ReminderState(), m_clock.now());
        const auto stored = WidgetSharedStore::load(m_path);
        return stored && stored->updatedAt == m_clock.now();
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("group.tavrin/widget-snapshot.json"));
        QFile::remove(m_path);
        m_clock.setNow(QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC));
        m_log.lines.clear();
        m_reloader.kinds.clear();
        m_publisher = std::make_unique<WidgetSnapshotPublisher>(m_reloader, m_log, m_clock, m_path);
    }

    void derivedTexts_data()
    {
        QTest::addColumn<double>("continuous");
        QTest::addColumn<double>("today");
        QTest::addColumn<qint64>("minutesToBreak");
        QTest::addColumn<QString>("worked");
        QTest::newRow("half a second short") << 2699.5 << 59.9 << 1LL << "0 分钟";
        QTest::newRow("61 seconds short") << 2639.0 << 3599.9 << 2LL << "59 分钟";
        QTest::newRow("just reached") << 2700.0 << 3600.0 << 0LL << "1 小时 0 分";
        QTest::newRow("past the period") << 2760.0 << 90061.0 << 0LL << "25 小时 1 分";
    }

    void derivedTexts()
    {
        QFETCH(double, continuous);
        QFETCH(double, today);
        QFETCH(qint64, minutesToBreak);
        QFETCH(QString, worked);
        WidgetSnapshot snapshot = sample();
        snapshot.continuousWorkSeconds = continuous;
        snapshot.todaySeconds = today;
        QCOMPARE(snapshot.minutesUntilBreak(), minutesToBreak);
        QCOMPARE(snapshot.workedText(), worked);
        QVERIFY(!snapshot.isStale(kUpdated.addSecs(180)));
        QVERIFY(snapshot.isStale(kUpdated.addMSecs(180'001)));
    }

    void strictDecoding_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("valid");
        QTest::newRow("complete") << sample().toJson() << true;
        QTest::newRow("extra member") << withMember("future", QStringLiteral("x")) << true;
        QTest::newRow("pause that is not seconds") << withMember("pausedUntil", QStringLiteral("soon")) << true;
        QTest::newRow("integral double for an integer") << withMember("workSeconds", 2700.0) << true;
        QTest::newRow("no updatedAt") << withMember("updatedAt", QJsonValue::Undefined) << false;
        QTest::newRow("unknown mode") << withMember("mode", QStringLiteral("sleeping")) << false;
        QTest::newRow("fractional work period") << withMember("workSeconds", 2700.5) << false;
        QTest::newRow("string percent") << withMember("fatiguePercent", QStringLiteral("42")) << false;
        QTest::newRow("null today") << withMember("todaySeconds", QJsonValue::Null) << false;
        QTest::newRow("absurd date") << withMember("updatedAt", 1e300) << false;
        QTest::newRow("absurd time today") << withMember("todaySeconds", 1e300) << false;
        QTest::newRow("negative continuous work") << withMember("continuousWorkSeconds", -1) << false;
        QTest::newRow("percent beyond 100") << withMember("fatiguePercent", 100.5) << false;
        QTest::newRow("work period beyond reason") << withMember("workSeconds", 4e18) << false;
        QTest::newRow("truncated") << sample().toJson().left(40) << false;
        QTest::newRow("padded past the size limit") << sample().toJson() + QByteArray(70'000, ' ') << false;
    }

    void strictDecoding()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, valid);
        const QString path = m_dir.filePath(QStringLiteral("snapshot.json"));
        QVERIFY(TestFiles::write(path, content));
        const auto loaded = WidgetSharedStore::load(path);
        QCOMPARE(loaded.has_value(), valid);
        if (valid) {
            QCOMPARE(*loaded, sample());
        }
    }

    void savingIsPrivateAndAtomic()
    {
        const mode_t previous = ::umask(022);
        QString error;
        QVERIFY(WidgetSharedStore::save(sample(), &error, m_path));
        ::umask(previous);
        QCOMPARE(TestFiles::mode(m_path), 0600);
        QCOMPARE(TestFiles::mode(QFileInfo(m_path).path()), 0700);

        // A write that fails half-way (the file size limit, which holds for root too) is reported, and the
        // earlier file stays exactly as it was: a short write must never be committed.
        const QByteArray earlier = TestFiles::read(m_path);
        WidgetSnapshot changed = sample();
        changed.fatiguePercent = 99;
        const bool saved =
            TestFiles::withFileSizeLimit(16, [&] { return WidgetSharedStore::save(changed, &error, m_path); });
        QVERIFY(!saved && !error.isEmpty());
        QCOMPARE(TestFiles::read(m_path), earlier);
        QCOMPARE(QDir(QFileInfo(m_path).path()).entryList(QDir::Files), QStringList{QFileInfo(m_path).fileName()});
    }

    void anUnchangedStateIsWrittenOnceAMinuteWithoutReloads()
    {
        QVERIFY(publish(working(42)));
        QCOMPARE(m_reloader.kinds, QStringList{QStringLiteral("TavrinStatusWidget")});
        QList<int> writtenAt;
        for (int second = 1; second <= 180; ++second) {
            m_clock.advance(1s);
            // Continuous work grows within the same minute to the break: nothing the widget shows.
            if (publish(working(42, 600 + second % 30))) {
                writtenAt.append(second);
            }
        }
        QCOMPARE(writtenAt, QList<int>({60, 120, 180}));
        QCOMPARE(m_reloader.kinds.size(), 1);
    }

    void aVisibleChangeWaitsTwentySecondsAfterTheLastReload()
    {
        publish(working(42.4));
        for (int second = 1; second < 20; ++second) {
            m_clock.advance(1s);
            QVERIFY2(!publish(working(42.6)), "42 → 43, but the last reload was less than 20 s ago");
        }
        m_clock.advance(1s);
        QVERIFY(publish(working(42.6)));
        QCOMPARE(m_reloader.kinds.size(), 2);
        m_clock.advance(25s);
        QVERIFY2(publish(working(42.6), RuleConfig{1800, 300, QString()}), "a new rule is a visible change");
        QCOMPARE(m_reloader.kinds.size(), 3);
        m_clock.advance(25s);
        ReminderState paused;
        paused.pausedUntil = 1'800'000'000;
        m_publisher->publish(working(42.6), 3725, RuleConfig{1800, 300, QString()}, paused, m_clock.now());
        QCOMPARE(WidgetSharedStore::load(m_path)->pausedUntil, std::optional<qint64>(1'800'000'000));
        QCOMPARE(m_reloader.kinds.size(), 4);
        // What the person changes is no drifting figure: a resume a second later reaches the widget at once.
        m_clock.advance(1s);
        QVERIFY(publish(working(42.6), RuleConfig{1800, 300, QString()}));
        QCOMPARE(m_reloader.kinds.size(), 5);

        // Nobody at the computer: fatigue easing off every second is written once a minute, no more.
        QList<int> idleWrites;
        for (int second = 1; second <= 180; ++second) {
            m_clock.advance(1s);
            if (publish({42 - second * 0.2, 0, FatigueMode::idle})) {
                idleWrites.append(second);
            }
        }
        QCOMPARE(idleWrites, QList<int>({60, 120, 180}));
    }

    // The rationing counts on the steady clock: after the wall clock goes back an hour the snapshot is still
    // written within the minute (with the new time, not one in the future); set forward, it is not flooded.
    void theWallClockSetBackOrForwardChangesNoInterval_data()
    {
        QTest::addColumn<int>("stepMinutes");
        QTest::newRow("back an hour") << -60;
        QTest::newRow("forward an hour") << 60;
    }

    void theWallClockSetBackOrForwardChangesNoInterval()
    {
        QFETCH(int, stepMinutes);
        publish(working(42));
        m_clock.step(std::chrono::minutes(stepMinutes));
        QList<int> writtenAt;
        for (int second = 1; second <= 120; ++second) {
            m_clock.advance(1s);
            if (publish(working(42))) {
                writtenAt.append(second);
            }
        }
        QCOMPARE(writtenAt, QList<int>({60, 120}));
    }

    // A link planted where the snapshot goes is never written through.
    void aSymbolicLinkAtTheSnapshotPathIsRefused()
    {
        const QString target = m_dir.filePath(QStringLiteral("someone-elses-file"));
        QVERIFY(
            TestFiles::write(target, "mine") &&
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        QDir().mkpath(QFileInfo(m_path).path());
        QVERIFY(QFile::link(target, m_path));
        publish(working(42));
        QCOMPARE(TestFiles::read(target), QByteArray("mine"));
        QCOMPARE(TestFiles::mode(target), 0644);
        QCOMPARE(m_log.count(WidgetSharedStore::kSaveFailed), 1);
    }

    // A FIFO where the snapshot belongs reads as no snapshot at once, not as a wait for a writer; Tavrin's
    // next write replaces it.
    void aFifoAtTheSnapshotPathIsNoSnapshot()
    {
        QDir().mkpath(QFileInfo(m_path).path());
        QVERIFY(::mkfifo(QFile::encodeName(m_path).constData(), 0600) == 0);
        QVERIFY(!WidgetSharedStore::load(m_path));
        publish(working(42));
        QVERIFY(WidgetSharedStore::load(m_path));
    }

    void aFailingWriteIsLoggedOncePerAttempt()
    {
        // A file where the container should be: every write fails, for root too.
        QVERIFY(TestFiles::write(m_dir.filePath(QStringLiteral("blocked")), "x"));
        WidgetSnapshotPublisher publisher(m_reloader, m_log, m_clock,
                                          m_dir.filePath(QStringLiteral("blocked/widget-snapshot.json")));
        for (int second = 0; second < 130; ++second) {
            publisher.publish(working(42), 3725, RuleConfig(), ReminderState(), m_clock.now());
            m_clock.advance(1s);
        }
        QCOMPARE(m_log.count(WidgetSharedStore::kSaveFailed), 3); // at the start, then once a minute
    }

    void onlyAFreshWorkingSnapshotIsProjected_data()
    {
        QTest::addColumn<std::optional<WidgetSnapshot>>("stored");
        QTest::addColumn<int>("entries");
        QTest::newRow("nothing stored") << std::optional<WidgetSnapshot>() << 1;
        QTest::newRow("working, 180 s old") << std::optional(snapshot(Mode::working, 68, 180)) << 16;
        QTest::newRow("working, 181 s old") << std::optional(snapshot(Mode::working, 68, 181)) << 1;
        QTest::newRow("resting") << std::optional(snapshot(Mode::resting)) << 1;
        QTest::newRow("idle") << std::optional(snapshot(Mode::idle)) << 1;
    }

    void onlyAFreshWorkingSnapshotIsProjected()
    {
        QFETCH(std::optional<WidgetSnapshot>, stored);
        QFETCH(int, entries);
        const StatusTimeline timeline = StatusProvider::timeline(kNow, stored);
        QCOMPARE(timeline.entries.size(), entries);
        QCOMPARE(timeline.reloadAt, kNow.addSecs(900));
        QCOMPARE(timeline.entries.first().snapshot, stored);
        for (int i = 1; i < entries; ++i) {
            const WidgetSnapshot& projected = *timeline.entries[i].snapshot;
            QCOMPARE(timeline.entries[i].date, kNow.addSecs(60 * i));
            QCOMPARE(projected.fatiguePercent, std::min(68 + 60 * i * 100.0 / 2700, 100.0));
            QCOMPARE(projected.continuousWorkSeconds, 1620.0 + 60 * i);
            QCOMPARE(projected.todaySeconds, 15960.0 + 60 * i);
            QVERIFY2(!projected.isStale(timeline.entries[i].date), "every entry is as fresh as the first");
        }
    }

    // The badge, and beside the ring what comes next: the minutes to the break, or when a pause ends.
    void theBadgeFollowsStalenessThenMode_data()
    {
        QTest::addColumn<WidgetSnapshot>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("next");
        const QString countdown = QStringLiteral("距离下次休息");
        QTest::newRow("181 s old") << snapshot(Mode::resting, 10, 181) << "未在统计" << WidgetTheme::secondary()
                                   << countdown;
        QTest::newRow("180 s old, resting")
            << snapshot(Mode::resting, 10, 180) << "休息中" << WidgetTheme::breakGreen() << countdown;
        QTest::newRow("idle") << snapshot(Mode::idle, 10) << "空闲中" << WidgetTheme::statusTeal() << countdown;
        QTest::newRow("working at 99.5") << snapshot(Mode::working, 99.5) << "疲劳上升中" << WidgetTheme::statusOrange()
                                         << countdown;
        QTest::newRow("working at 100") << snapshot(Mode::working, 100) << "疲劳已满" << WidgetTheme::red()
                                        << countdown;
        WidgetSnapshot paused = snapshot(Mode::working, 100);
        paused.pausedUntil = kNow.toSecsSinceEpoch() + 1;
        QTest::newRow("paused") << paused << "提醒已暂停" << WidgetTheme::secondary() << "提醒暂停至 10:00";
        paused.pausedUntil = kNow.addDays(1).toSecsSinceEpoch();
        QTest::newRow("paused until tomorrow")
            << paused << "提醒已暂停" << WidgetTheme::secondary() << "提醒暂停至 明天 10:00";
        paused.mode = Mode::resting;
        QTest::newRow("paused, resting") << paused << "休息中" << WidgetTheme::breakGreen() << "提醒暂停至 明天 10:00";
        paused.mode = Mode::idle;
        paused.pausedUntil = kNow.toSecsSinceEpoch();
        QTest::newRow("pause just over") << paused << "空闲中" << WidgetTheme::statusTeal() << countdown;
        // The panel's states, from the snapshot's later members.
        WidgetSnapshot later = snapshot(Mode::working, 100);
        later.postponedUntil = kNow.addSecs(300).toSecsSinceEpoch();
        QTest::newRow("postponed") << later << "已推迟" << WidgetTheme::secondary() << "已推迟，再提醒于 10:05";
        later.mode = Mode::resting;
        later.breakEndsAt = kNow.addSecs(150).toSecsSinceEpoch();
        QTest::newRow("in a break") << later << "休息中" << WidgetTheme::breakGreen() << "休息中，还剩 3 分钟";
        later.breakEndsAt.reset();
        later.meeting = true;
        QTest::newRow("meeting") << later << "会议/观影模式" << WidgetTheme::secondary() << "会议/观影模式 暂停计时";
    }

    // Every text the widget draws, in every state, against the card behind it as painted.
    void everyTextOfTheWidgetIsReadable_data() { theBadgeFollowsStalenessThenMode_data(); }

    void everyTextOfTheWidgetIsReadable()
    {
        QFETCH(WidgetSnapshot, stored);
        QStringList faint;
        for (const auto family : {WidgetConfiguration::Family::medium, WidgetConfiguration::Family::large}) {
            QImage card(StatusPainter::familySize(family).toSize(), QImage::Format_ARGB32);
            card.fill(WidgetTheme::containerBackground());
            QPainter painter(&card);
            painter.setRenderHint(QPainter::Antialiasing);
            StatusPainter drawn(painter, false);
            drawn.paint(card.rect(), StatusEntry{kNow, stored, false}, family);
            painter.end();
            card.save(QStringLiteral("widget-%1-%2.png").arg(QTest::currentDataTag()).arg(int(family)));
            for (const StatusPainter::DrawnText& text : drawn.texts()) {
                // Behind the text: the colour most of its box shows.
                QHash<QRgb, int> counts;
                const QRect box = text.rect.toAlignedRect().intersected(card.rect());
                for (int y = box.top(); y <= box.bottom(); ++y) {
                    for (int x = box.left(); x <= box.right(); ++x) {
                        ++counts[card.pixel(x, y)];
                    }
                }
                const QColor behind = QColor::fromRgb(
                    std::max_element(counts.cbegin(), counts.cend(), [](int a, int b) { return a < b; }).key());
                const double alpha = text.color.alphaF();
                const QColor shown = QColor::fromRgbF(text.color.redF() * alpha + behind.redF() * (1 - alpha),
                                                      text.color.greenF() * alpha + behind.greenF() * (1 - alpha),
                                                      text.color.blueF() * alpha + behind.blueF() * (1 - alpha));
                if (TextContrast::ratio(shown, behind) < TextContrast::needed(text.font)) {
                    faint.append(QStringLiteral("'%1': %2").arg(text.text).arg(TextContrast::ratio(shown, behind)));
                }
            }
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
    }

    void theBadgeFollowsStalenessThenMode()
    {
        QFETCH(WidgetSnapshot, stored);
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QFETCH(QString, next);
        QVERIFY(StatusViewLogic::status(stored, kNow) == (StatusViewLogic::BadgeInfo{text, color}));
        const auto [title, value] = StatusViewLogic::nextBreakBlock(stored, kNow);
        QCOMPARE(title == QStringLiteral("距离下次休息") ? title : title + u' ' + value, next);
    }

    void theHostSwitchesAtEntryDatesAndReadsOnlyWhenAsked()
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
        host.start();
        QCOMPARE(host.current().date, kNow);
        scheduler.advance(59s);
        QCOMPARE(host.current().date, kNow);
        scheduler.advance(1s);
        QCOMPARE(host.current().snapshot->continuousWorkSeconds, 1680.0);

        // A running Tavrin rewrites the file at least once a minute; the host looks again when the
        // snapshot it showed would turn stale, and takes the newer one.
        file = snapshot(Mode::working, 52, -150); // written at 150 s
        scheduler.advance(120s);
        QCOMPARE(reads, 1);
        scheduler.advance(1s); // 181 s
        QCOMPARE(reads, 2);
        QCOMPARE(host.current().snapshot->fatiguePercent, 52.0);

        // Tavrin quits: the next look, 181 s after its last write, finds the snapshot stale, and the widget
        // says so instead of counting on; then it reads again only after the usual fifteen minutes.
        scheduler.advance(150s);
        QCOMPARE(reads, 3);
        QCOMPARE(StatusViewLogic::status(*host.current().snapshot, clock.now()).text, QStringLiteral("未在统计"));
        scheduler.advance(14min + 59s);
        QCOMPARE(reads, 3);
        scheduler.advance(1s);
        QCOMPARE(reads, 4);

        // A reload for another kind is ignored; for ours it reads at once.
        host.onReloadTimelines(QStringLiteral("SomeOtherWidget"));
        QCOMPARE(reads, 4);
        file.reset();
        host.onReloadTimelines(QStringLiteral("TavrinStatusWidget"));
        QCOMPARE(reads, 5);
        QVERIFY(!host.current().snapshot);

        // The gallery's preview shows the sample until there is data.
        TimelineHost preview(
            scheduler, clock, [&] { return file; }, true);
        preview.start();
        QCOMPARE(preview.current().snapshot, std::optional(StatusProvider::sample()));
        file = snapshot(Mode::resting);
        preview.onReloadTimelines(QStringLiteral("TavrinStatusWidget"));
        QCOMPARE(preview.current().snapshot->mode, Mode::resting);
    }

    // A screen reader finds the widget as a window and reads what it draws.
    void theWidgetReadsToAScreenReader()
    {
        Accessibility::install();
        ManualScheduler scheduler(m_clock);
        QSettings settings(m_dir.filePath(QStringLiteral("TavrinWidget.conf")), QSettings::IniFormat);
        StatusWidgetWindow window(settings, scheduler);
        const WidgetSnapshot shown = snapshot(Mode::working);
        window.showEntry(StatusEntry{kNow, shown, false});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.grab();
        QAccessibleInterface* widget = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(widget->role(), QAccessible::Window);
        QVERIFY(widget->text(QAccessible::Description).contains(shown.workedText()));
    }

    // Dragged, the widget moves in many steps: its place is written once, when it has come to rest.
    void theWidgetsPlaceIsKeptOnceItRests()
    {
        ManualScheduler scheduler(m_clock);
        const QString file = m_dir.filePath(QStringLiteral("TavrinWidget.conf"));
        QSettings settings(file, QSettings::IniFormat);
        {
            StatusWidgetWindow window(settings, scheduler);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QByteArray before = TestFiles::read(file);
            for (int step = 1; step <= 20; ++step) {
                window.move(100 + 5 * step, 200);
                QCoreApplication::processEvents();
            }
            QCOMPARE(TestFiles::read(file), before);
            scheduler.advance(StatusWidgetWindow::kSettleTime);
            QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("position")).toPoint(),
                     QPoint(200, 200));
            window.move(300, 300); // and once more, just before it quits
        }
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("position")).toPoint(), QPoint(300, 300));
    }
};

QTEST_MAIN(WidgetTest)
#include "tst_widget.moc"
