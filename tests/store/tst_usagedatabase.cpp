// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseRows.h"
#include "FakeClock.h"
#include "RecordingSystemLog.h"
#include "TestFiles.h"
#include "UsageDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <thread>

namespace {

const QString kDay = QStringLiteral("2026-03-02");

QDateTime utc(const char* iso)
{
    return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate);
}

// An RFC 4180 reader, as a spreadsheet would read the export.
QList<QStringList> readCsv(const QByteArray& data)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    const QString text = QString::fromUtf8(data);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            rows.last().append(std::exchange(field, QString()));
        } else if (!quoted && c == u'\r' && text.mid(i, 2) == u"\r\n") {
            rows.last().append(std::exchange(field, QString()));
            rows.append(QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    rows.removeLast(); // after the last line end
    return rows;
}

} // namespace

class UsageDatabaseTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingSystemLog m_log;
    FakeClock m_clock{utc("2026-03-02T09:00:00Z")};

    QString path(const char* name = "data.db") const { return m_dir->filePath(QLatin1StringView(name)); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_log.lines.clear();
    }

    void usageAddsUpPerHourAndKeepsThePeak()
    {
        {
            UsageDatabase db(path(), m_log, m_clock);
            QVERIFY(db.addUsage(kDay, 9, 30, 40));
            QVERIFY(db.addUsage(kDay, 9, 45, 20));
            QVERIFY(db.addUsage(kDay, 10, 1.5, 0));
            QVERIFY(db.addUsage(kDay, 10, 1.5, 0));
        }
        DatabaseRows raw(path());
        QCOMPARE(raw.value(QStringLiteral("PRAGMA user_version")).toInt(), 2);
        QCOMPARE(raw.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        // Hours outside the day are somebody else's rows: never shown, never an index.
        QVERIFY(raw.exec(QStringLiteral("INSERT INTO usage_hourly VALUES('2026-03-03', 24, 100, 5),"
                                        " ('2026-03-03', -1, 50, 5), ('2026-03-03', 4294967305, 7, 5)")));

        UsageDatabase db(path(), m_log, m_clock);
        const auto seconds = db.hourlySeconds(kDay);
        const auto peaks = db.hourlyFatiguePeaks(kDay);
        QVERIFY(seconds && peaks);
        QCOMPARE((*seconds)[9], 75.0);
        QCOMPARE((*peaks)[9], 40.0);
        QCOMPARE((*seconds)[10], 3.0);
        QCOMPARE(db.totalSeconds(kDay), std::optional(78.0));
        QVERIFY(!db.hourlySeconds(QStringLiteral("2026-03-01")));
        QVERIFY(!db.totalSeconds(QStringLiteral("2026-03-01")));
        QVERIFY(!db.hourlyFatiguePeaks(QStringLiteral("2026-03-03")));
        QVERIFY2(m_log.lines.isEmpty(), qPrintable(m_log.lines.join(u'\n')));
    }

    void breaksAreRecordedInUtcWithRoundedDurations()
    {
        UsageDatabase db(path(), m_log, m_clock);
        const QDateTime start = utc("2026-03-02T08:30:00Z").addMSecs(250);
        QVERIFY(db.recordBreak(start, start.addMSecs(179'500), true, false, QStringLiteral("work_reached")));
        QVERIFY(db.recordBreak(start, start.addMSecs(10'400), false, false, QStringLiteral("manual")));
        QVERIFY(db.recordBreak(start, start, true, true, QStringLiteral("fatigue_max")));
        QCOMPARE(DatabaseRows::read(path(), QStringLiteral("SELECT started_at, ended_at, duration_s, skipped, trigger, "
                                                           "postponed FROM break_events ORDER BY id")),
                 QStringList({"2026-03-02T08:30:00Z|2026-03-02T08:32:59Z|180|1|work_reached|0",
                              "2026-03-02T08:30:00Z|2026-03-02T08:30:10Z|10|0|manual|0",
                              "2026-03-02T08:30:00Z|2026-03-02T08:30:00Z|0|1|fatigue_max|1"}));
    }

    void aVersionOneFileGainsThePostponedColumnAndKeepsEveryRow()
    {
        // The file as version 1 wrote it: its schema and its statements, word for word.
        QVERIFY(DatabaseRows(path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
                    .exec(QStringLiteral(
                        "PRAGMA journal_mode=WAL; PRAGMA user_version=1;"
                        "CREATE TABLE IF NOT EXISTS usage_hourly (day TEXT NOT NULL, hour INTEGER NOT NULL, "
                        "active_seconds INTEGER NOT NULL DEFAULT 0, fatigue_peak REAL NOT NULL DEFAULT 0, "
                        "PRIMARY KEY (day, hour));"
                        "CREATE INDEX IF NOT EXISTS idx_usage_day ON usage_hourly(day);"
                        "CREATE TABLE IF NOT EXISTS break_events (id INTEGER PRIMARY KEY AUTOINCREMENT, started_at "
                        "TEXT NOT NULL, ended_at TEXT, duration_s INTEGER, skipped INTEGER NOT NULL DEFAULT 0, "
                        "trigger TEXT);"
                        "INSERT INTO usage_hourly(day, hour, active_seconds, fatigue_peak) VALUES('2026-03-02', 8, "
                        "1200, 35.5) ON CONFLICT(day, hour) DO UPDATE SET active_seconds = active_seconds + "
                        "excluded.active_seconds, fatigue_peak = MAX(fatigue_peak, excluded.fatigue_peak);"
                        "INSERT INTO break_events(started_at, ended_at, duration_s, skipped, trigger) VALUES"
                        " ('2026-03-02T08:30:00Z', '2026-03-02T08:35:00Z', 300, 0, 'work_reached');"
                        "INSERT INTO break_events(started_at, ended_at, duration_s, skipped, trigger) VALUES"
                        " ('2026-03-02T08:50:00Z', '2026-03-02T08:50:04Z', 4, 1, 'manual')")));
        {
            // The export reads it as it is and changes nothing: no new column, no new version.
            UsageDatabase reader(path(), m_log, m_clock, LocalCalendar(), UsageDatabase::Access::readOnly);
            QString error;
            QVERIFY(reader.exportCsv(m_dir->filePath(QStringLiteral("v1")), &error));
        }
        QCOMPARE(DatabaseRows(path()).value(QStringLiteral("PRAGMA user_version")).toInt(), 1);
        QCOMPARE(readCsv(TestFiles::read(m_dir->filePath(QStringLiteral("v1/breaks.csv")))).size(), 3);
        for (int open = 0; open < 2; ++open) { // and a second opening finds it done
            UsageDatabase db(path(), m_log, m_clock);
            QVERIFY(db.recordBreak(m_clock.now(), m_clock.now(), true, true, QStringLiteral("work_reached")));
        }
        QCOMPARE(DatabaseRows(path()).value(QStringLiteral("PRAGMA user_version")).toInt(), 2);
        QCOMPARE(DatabaseRows::read(path(), QStringLiteral("SELECT * FROM break_events ORDER BY id")),
                 QStringList({"1|2026-03-02T08:30:00Z|2026-03-02T08:35:00Z|300|0|work_reached|0",
                              "2|2026-03-02T08:50:00Z|2026-03-02T08:50:04Z|4|1|manual|0",
                              "3|2026-03-02T09:00:00Z|2026-03-02T09:00:00Z|0|1|work_reached|1",
                              "4|2026-03-02T09:00:00Z|2026-03-02T09:00:00Z|0|1|work_reached|1"}));
        QCOMPARE(DatabaseRows::read(path(), QStringLiteral("SELECT * FROM usage_hourly")),
                 QStringList{QStringLiteral("2026-03-02|8|1200|35.5")});
        // Version 1 opening the file again still writes its rows: the new column has a default.
        QVERIFY(DatabaseRows(path()).exec(QStringLiteral(
            "PRAGMA user_version=1; INSERT INTO break_events(started_at, ended_at, duration_s, skipped, trigger) "
            "VALUES ('2026-03-02T10:00:00Z', '2026-03-02T10:05:00Z', 300, 0, 'manual')")));
        QVERIFY2(m_log.lines.isEmpty(), qPrintable(m_log.lines.join(u'\n')));

        // A file of a newer Tavrin keeps its number, said once; what we understand is still read and written.
        QVERIFY(DatabaseRows(path()).exec(QStringLiteral("PRAGMA user_version=3")));
        {
            UsageDatabase db(path(), m_log, m_clock);
            QVERIFY(db.addUsage(kDay, 9, 10, 20));
        }
        QCOMPARE(DatabaseRows(path()).value(QStringLiteral("PRAGMA user_version")).toInt(), 3);
        QCOMPARE(m_log.lines.size(), 1);
    }

    // By local day in Berlin across the spring change: a break at 23:30 UTC on the 28th started on the 29th;
    // hours outside 0…23 count for nothing.
    void theHistoryIsReadByDay()
    {
        UsageDatabase db(path(), m_log, m_clock, LocalCalendar(QTimeZone(QByteArrayLiteral("Europe/Berlin"))));
        DatabaseRows(path()).exec(QStringLiteral(
            "INSERT INTO usage_hourly VALUES ('2026-03-27', 9, 600, 20), ('2026-03-29', 1, 1800, 55),"
            " ('2026-03-29', 23, 600, 70), ('2026-03-29', 24, 99999, 99), ('2026-03-31', 0, 60, 5);"
            "INSERT INTO break_events(started_at, skipped, postponed) VALUES ('2026-03-28T22:59:59Z', 1, 0),"
            " ('2026-03-28T23:30:00Z', 0, 0), ('2026-03-29T21:59:59Z', 1, 1), ('2026-03-29T22:00:00Z', 0, 0)"));
        const auto days = db.dailyUsage(QStringLiteral("2026-03-28"), QStringLiteral("2026-03-30"));
        QCOMPARE(days.size(), std::size_t(1));
        QCOMPARE(days[0].day, QStringLiteral("2026-03-29"));
        QCOMPARE(days[0].activeSeconds, 2400.0);
        QCOMPARE(days[0].fatiguePeak, 70.0);
        // The 29th in Berlin: from 23:00 UTC on the 28th (winter time) to 22:00 UTC on the 29th (summer).
        const QDate day(2026, 3, 29);
        const auto breaks = db.breaksStarted(day.startOfDay(db.calendar().timeZone()),
                                             day.addDays(1).startOfDay(db.calendar().timeZone()));
        QCOMPARE(breaks.size(), std::size_t(2));
        QCOMPARE(breaks[0].startedAt, utc("2026-03-28T23:30:00Z"));
        QVERIFY(breaks[1].skipped && breaks[1].postponed);
    }

    void theExportReadsBackAsStoredAndReplacesOnlyWhenComplete()
    {
        // Someone in UTC+8: a break stored at 08:30 UTC is theirs at 16:30, and says so.
        UsageDatabase db(path(), m_log, m_clock, LocalCalendar(QTimeZone("Asia/Shanghai")));
        QVERIFY(db.addUsage(kDay, 9, 75, 40.54999));
        const QString trigger = QStringLiteral("typed, \"by hand\"\r\n第二行");
        QVERIFY(db.recordBreak(utc("2026-03-02T08:30:00Z"), utc("2026-03-02T08:35:00Z"), false, false, trigger));
        const QString folder = m_dir->filePath(QStringLiteral("export"));
        QString error;
        QVERIFY(db.exportCsv(folder, &error));
        const auto usage = readCsv(TestFiles::read(folder + QStringLiteral("/usage.csv")));
        QCOMPARE(usage,
                 (QList<QStringList>{{"day", "hour", "active_seconds", "fatigue_peak"}, {kDay, "9", "75", "40.5"}}));
        const auto breaks = readCsv(TestFiles::read(folder + QStringLiteral("/breaks.csv")));
        QCOMPARE(breaks, (QList<QStringList>{
                             {"started_at", "ended_at", "duration_s", "skipped", "trigger", "postponed"},
                             {"2026-03-02T16:30:00+08:00", "2026-03-02T16:35:00+08:00", "300", "0", trigger, "0"}}));

        // Again with one more row: replaced. Then a file that cannot be written leaves the earlier whole.
        QVERIFY(db.addUsage(kDay, 10, 5, 41));
        QVERIFY(db.exportCsv(folder, &error));
        QCOMPARE(readCsv(TestFiles::read(folder + QStringLiteral("/usage.csv"))).size(), 3);
        const QByteArray before = TestFiles::read(folder + QStringLiteral("/breaks.csv"));
        QVERIFY(db.recordBreak(m_clock.now(), m_clock.now(), true, false, QStringLiteral("manual")));
        QVERIFY(TestFiles::withFileSizeLimit(before.size() + 10, [&] { return !db.exportCsv(folder, &error); }));
        QVERIFY2(error.contains(QStringLiteral("breaks.csv")), qPrintable(error));
        QCOMPARE(TestFiles::read(folder + QStringLiteral("/breaks.csv")), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"breaks.csv", "micro_pauses.csv", "usage.csv"}));

        // The export as the command runs it: read-only, the database file unchanged to the byte, and a link
        // at either name refused, its target untouched.
        const QByteArray stored = TestFiles::read(path());
        UsageDatabase reader(path(), m_log, m_clock, LocalCalendar(), UsageDatabase::Access::readOnly);
        QVERIFY(reader.exportCsv(folder, &error));
        for (const char* name : {"usage.csv", "breaks.csv"}) {
            const QString victim = m_dir->filePath(QStringLiteral("victim"));
            QVERIFY(TestFiles::write(victim, "mine"));
            const QString at = folder + u'/' + QLatin1StringView(name);
            QVERIFY(QFile::remove(at) && QFile::link(victim, at));
            QVERIFY(!reader.exportCsv(folder, &error));
            QVERIFY2(error.contains(QLatin1StringView(name)), qPrintable(error));
            QCOMPARE(TestFiles::read(victim), QByteArray("mine"));
            QVERIFY(QFile::remove(at) && QFile::copy(victim, at));
        }
        QCOMPARE(TestFiles::read(path()), stored);
    }

    void openingPrunesNinetyCalendarDaysAcrossDaylightSaving()
    {
        {
            UsageDatabase db(path(), m_log, m_clock);
        }
        DatabaseRows(path()).exec(
            QStringLiteral("INSERT INTO usage_hourly VALUES('2026-03-28', 23, 10, 1), ('2026-03-29', 0, 20, 2),"
                           " ('2026-06-27', 0, 30, 3);"
                           "INSERT INTO break_events(started_at, trigger) VALUES ('2026-03-28T23:29:59Z', 'a'),"
                           " ('2026-03-28T23:30:00Z', 'b')"));
        // 00:30 on 27 June in Berlin (summer time). Ninety calendar days earlier is 00:30 on 29 March, still
        // winter time (23:30 UTC on the 28th); ninety times 24 hours would wrongly keep the 28th.
        FakeClock summer(utc("2026-06-26T22:30:00Z"));
        UsageDatabase db(path(), m_log, summer, LocalCalendar(QTimeZone(QByteArrayLiteral("Europe/Berlin"))));
        QCOMPARE(DatabaseRows::read(path(), QStringLiteral("SELECT day FROM usage_hourly ORDER BY day")),
                 QStringList({"2026-03-29", "2026-06-27"}));
        QCOMPARE(DatabaseRows::read(path(), QStringLiteral("SELECT trigger FROM break_events")),
                 QStringList{QStringLiteral("b")});
    }

    // Micro-pauses live in a table of their own: what a Tavrin without them reads (the usage, the breaks and
    // their files) is the same with them; and a file of that Tavrin, without the table, exports none.
    void microPausesLeaveEveryOtherFigureAsItWas()
    {
        QStringList read;
        for (const bool with : {false, true}) {
            const QString file = m_dir->filePath(with ? QStringLiteral("with.db") : QStringLiteral("without.db"));
            UsageDatabase db(file, m_log, m_clock);
            QVERIFY(db.addUsage(kDay, 9, 600, 30) &&
                    db.recordBreak(utc("2026-03-02T09:10:00Z"), utc("2026-03-02T09:13:00Z"), false, false, "a"));
            QVERIFY(!with || (db.recordMicroPause(utc("2026-03-02T09:05:00Z"), utc("2026-03-02T09:05:20Z"), true) &&
                              db.recordMicroPause(utc("2026-03-02T09:20:00Z"), utc("2026-03-02T09:21:00Z"), false)));
            QCOMPARE(db.microPausesTaken(utc("2026-03-02T00:00:00Z"), utc("2026-03-03T00:00:00Z")).size(),
                     std::size_t(with ? 1 : 0));
            QString error;
            QVERIFY(db.exportCsv(file + QStringLiteral(".csv"), &error));
            read.append(
                TestFiles::read(file + QStringLiteral(".csv/usage.csv")) +
                TestFiles::read(file + QStringLiteral(".csv/breaks.csv")) +
                DatabaseRows::read(file, QStringLiteral("SELECT * FROM usage_hourly, break_events")).join(u','));
        }
        QCOMPARE(read.at(1), read.at(0));
        DatabaseRows(m_dir->filePath(QStringLiteral("with.db"))).exec(QStringLiteral("DROP TABLE micro_pauses"));
        UsageDatabase older(m_dir->filePath(QStringLiteral("with.db")), m_log, m_clock, LocalCalendar(),
                            UsageDatabase::Access::readOnly);
        QString error;
        QVERIFY(older.exportCsv(m_dir->filePath(QStringLiteral("older")), &error));
        QCOMPARE(TestFiles::read(m_dir->filePath(QStringLiteral("older/micro_pauses.csv"))),
                 QByteArray("started_at,ended_at,taken\r\n"));
    }

    // A start with the clock 400 days ahead, then one with the right time: every real row is still there.
    void aClockSetFarAheadCostsNoHistory()
    {
        {
            UsageDatabase db(path(), m_log, m_clock);
            QVERIFY(db.addUsage(kDay, 9, 60, 10));
            QVERIFY(db.addUsage(QStringLiteral("2026-01-10"), 9, 60, 10));
            QVERIFY(db.recordBreak(utc("2026-01-10T09:00:00Z"), utc("2026-01-10T09:03:00Z"), false, false, "a"));
        }
        const QDateTime ahead = m_clock.now().addDays(400);
        {
            FakeClock wrong(ahead);
            UsageDatabase db(path(), m_log, wrong);
            QVERIFY(db.addUsage(LocalCalendar(QTimeZone::utc()).dayKey(ahead), 9, 60, 10));
        }
        const QString days = QStringLiteral("SELECT day FROM usage_hourly ORDER BY day");
        QCOMPARE(DatabaseRows::read(path(), days).size(), 3);
        UsageDatabase db(path(), m_log, m_clock);
        QCOMPARE(DatabaseRows::read(path(), days).size(), 3);
        QCOMPARE(DatabaseRows::read(path(), QStringLiteral("SELECT trigger FROM break_events")), QStringList{"a"});
    }

    // A disk full at the first start leaves a file without tables; once there is room, the next write makes
    // them and is stored.
    void tablesMissedAtTheStartAreMadeAtTheNextWrite()
    {
        auto db =
            TestFiles::withFileSizeLimit(0, [&] { return std::make_unique<UsageDatabase>(path(), m_log, m_clock); });
        QVERIFY(db->isOpen() && !db->totalSeconds(kDay)); // no table to read
        QVERIFY(db->addUsage(kDay, 9, 60, 10));
        QCOMPARE(db->totalSeconds(kDay), std::optional(60.0));
    }

    void aFileThatCannotBeUsedIsLeftExactlyAsItWas_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("inAFile"); // the folder is a file: nothing can be created
        QTest::newRow("not a database") << QByteArray("somebody's notes\n").repeated(300) << false;
        QTest::newRow("no folder") << QByteArray("x") << true;
    }

    void aFileThatCannotBeUsedIsLeftExactlyAsItWas()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, inAFile);
        QVERIFY(TestFiles::write(path(), content));
        const QString where = inAFile ? path() + QStringLiteral("/Tavrin %s%n/data.db") : path();
        {
            UsageDatabase db(where, m_log, m_clock);
            QVERIFY(!db.isOpen());
            QVERIFY(!db.addUsage(kDay, 9, 30, 40));
            QVERIFY(!db.recordBreak(m_clock.now(), m_clock.now(), false, false, QStringLiteral("manual")));
            QVERIFY(!db.hourlySeconds(kDay) && !db.totalSeconds(kDay));
        }
        QCOMPARE(TestFiles::read(path()), content);
        QVERIFY(!QFile::exists(path("data.db-wal")));
        // Logged once at opening, not at every use.
        QVERIFY(!m_log.lines.isEmpty() && m_log.lines.size() <= 5);
        QVERIFY(m_log.lines.first().startsWith(QStringLiteral("Tavrin: ")));
    }

    // The export as the command runs it, of a file that holds no history: it says so with the file, and writes
    // nothing, not even the header rows.
    void anUnreadableDatabaseExportsNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("somebody's notes\n").repeated(300);
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("a FIFO, which SQLite would wait in") << QByteArray("fifo");
    }

    void anUnreadableDatabaseExportsNothing()
    {
        QFETCH(QByteArray, content);
        QVERIFY(content == "fifo" ? ::mkfifo(QFile::encodeName(path()).constData(), 0600) == 0
                                  : TestFiles::write(path(), content));
        UsageDatabase reader(path(), m_log, m_clock, LocalCalendar(), UsageDatabase::Access::readOnly);
        const QString folder = m_dir->filePath(QStringLiteral("export"));
        QString error;
        QVERIFY(!reader.exportCsv(folder, &error));
        QVERIFY2(error.contains(path()), qPrintable(error));
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
        QCOMPARE(content == "fifo" ? QByteArray("fifo") : TestFiles::read(path()), content);
    }

    void filesArePrivateWhateverTheUmask()
    {
        const mode_t previous = ::umask(022);
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("share"))));
        const QString file = UsageDatabase::defaultPath();
        QCOMPARE(TestFiles::mode(m_dir->filePath(QStringLiteral("share/Tavrin"))), 0700);
        {
            UsageDatabase db(file, m_log, m_clock);
            DatabaseRows reader(file); // keeps the -wal and -shm files in place
            QVERIFY(reader.value(QStringLiteral("SELECT count(*) FROM usage_hourly")).isValid());
            QVERIFY(db.addUsage(kDay, 9, 30, 40));
            for (const char* suffix : {"", "-wal", "-shm"}) {
                QCOMPARE(TestFiles::mode(file + QLatin1StringView(suffix)), 0600);
            }
        }
        ::umask(previous);
    }

    void anotherWriterIsWaitedForAndABlockedWriteIsReported()
    {
        UsageDatabase db(path(), m_log, m_clock);
        DatabaseRows other(path());
        QVERIFY(other.exec(QStringLiteral("BEGIN IMMEDIATE")));
        // The other writer finishes while our write waits; without the busy timeout it would be lost.
        std::thread finisher([&other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            other.exec(QStringLiteral("COMMIT"));
        });
        const bool written = db.addUsage(kDay, 9, 30, 40);
        finisher.join();
        QVERIFY(written);
        QVERIFY(m_log.lines.isEmpty());

        QVERIFY(other.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(!db.addUsage(kDay, 9, 30, 40));
        QVERIFY(!db.recordBreak(m_clock.now(), m_clock.now(), false, false, QStringLiteral("manual")));
        // Said once, with the file: the same failure again within the hour adds no line.
        QCOMPARE(m_log.lines, QStringList{QStringLiteral("Tavrin: SQLite step 失败：") + path() +
                                          QStringLiteral("：database is locked")});
        QVERIFY(other.exec(QStringLiteral("COMMIT")));
        QCOMPARE(db.totalSeconds(kDay), std::optional(30.0));
    }
};

QTEST_GUILESS_MAIN(UsageDatabaseTest)
#include "tst_usagedatabase.moc"
