#include "FakeClock.h"
#include "RecordingSystemLog.h"
#include "UsageDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <sys/stat.h>
#include <thread>

namespace {

const QString kOpenFailed = QStringLiteral("Tavrin: 打开 SQLite 失败：");
const QString kStepFailed = QStringLiteral("Tavrin: SQLite step 失败：");

QDateTime utc(const char* iso)
{
    return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate);
}

// A second connection to the same file, as another process (a user's sqlite3 shell) would have.
class RawConnection
{
public:
    explicit RawConnection(const QString& path) { sqlite3_open(QFile::encodeName(path).constData(), &m_db); }
    ~RawConnection() { sqlite3_close(m_db); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    QVariant scalar(const QString& sql)
    {
        sqlite3_stmt* statement = nullptr;
        QVariant result;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            switch (sqlite3_column_type(statement, 0)) {
            case SQLITE_INTEGER:
                result = qint64(sqlite3_column_int64(statement, 0));
                break;
            case SQLITE_FLOAT:
                result = sqlite3_column_double(statement, 0);
                break;
            case SQLITE_TEXT:
                result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
                break;
            default:
                break;
            }
        }
        sqlite3_finalize(statement);
        return result;
    }

private:
    sqlite3* m_db = nullptr;
};

int mode(const QString& path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class UsageDatabaseTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordingSystemLog m_log;
    FakeClock m_clock{utc("2026-03-02T09:00:00Z")};

    QString path(const char* name = "data.db") const { return m_dir.filePath(QLatin1StringView(name)); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const char* name : {"data.db", "data.db-wal", "data.db-shm"}) {
            QFile::remove(path(name));
        }
        m_log.lines.clear();
    }

    void createsTheSchemaInWalModeAtVersionOne()
    {
        {
            UsageDatabase db(path(), m_log, m_clock);
            QVERIFY(db.isOpen());
        }
        QVERIFY2(m_log.lines.isEmpty(), qPrintable(m_log.lines.join(u'\n')));
        RawConnection raw(path());
        QCOMPARE(raw.scalar(QStringLiteral("PRAGMA user_version")).toInt(), 1);
        QCOMPARE(raw.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QCOMPARE(raw.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN "
                                           "('usage_hourly','break_events','idx_usage_day')"))
                     .toInt(),
                 3);
        QVERIFY(raw.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name='usage_hourly'"))
                    .toString()
                    .contains(QStringLiteral("    active_seconds INTEGER NOT NULL DEFAULT 0,\n")));
    }

    void usageOfTheSameHourAddsUpAndKeepsThePeak()
    {
        UsageDatabase db(path(), m_log, m_clock);
        QVERIFY(db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40));
        QVERIFY(db.addUsage(QStringLiteral("2026-03-02"), 9, 45, 20));
        QVERIFY(db.addUsage(QStringLiteral("2026-03-02"), 10, 1.5, 0));
        QVERIFY(db.addUsage(QStringLiteral("2026-03-02"), 10, 1.5, 0));

        const auto seconds = db.hourlySeconds(QStringLiteral("2026-03-02"));
        const auto peaks = db.hourlyFatiguePeaks(QStringLiteral("2026-03-02"));
        QVERIFY(seconds && peaks);
        QCOMPARE((*seconds)[9], 75.0);
        QCOMPARE((*peaks)[9], 40.0);
        QCOMPARE((*seconds)[10], 3.0);
        QCOMPARE((*seconds)[11], 0.0);
        QCOMPARE(db.totalSeconds(QStringLiteral("2026-03-02")), std::optional(78.0));
    }

    void daysWithoutRowsYieldNothing()
    {
        UsageDatabase db(path(), m_log, m_clock);
        db.addUsage(QStringLiteral("2026-03-02"), 9, 60, 10);
        QVERIFY(!db.hourlySeconds(QStringLiteral("2026-03-01")));
        QVERIFY(!db.hourlyFatiguePeaks(QStringLiteral("2026-03-01")));
        QVERIFY(!db.totalSeconds(QStringLiteral("2026-03-01")));

        const auto one = db.hourlySeconds(QStringLiteral("2026-03-02"));
        QVERIFY(one);
        for (int hour = 0; hour < 24; ++hour) {
            QCOMPARE((*one)[hour], hour == 9 ? 60.0 : 0.0);
        }
    }

    void rowsOutsideTheDayAreIgnored()
    {
        {
            UsageDatabase db(path(), m_log, m_clock);
        }
        RawConnection raw(path());
        QVERIFY(raw.exec("INSERT INTO usage_hourly VALUES('2026-03-03', 24, 100, 5), ('2026-03-03', -1, 50, 5),"
                         " ('2026-03-03', 4294967305, 7, 5), ('2026-03-04', 24, 1, 1), ('2026-03-04', 23, 2, 2)"));
        UsageDatabase db(path(), m_log, m_clock);
        QVERIFY2(!db.hourlySeconds(QStringLiteral("2026-03-03")), "only hours outside 0-23: nothing");
        const auto mixed = db.hourlyFatiguePeaks(QStringLiteral("2026-03-04"));
        QVERIFY(mixed);
        QCOMPARE((*mixed)[23], 2.0);
    }

    void breaksAreRecordedWithRoundedDurationAndTrigger()
    {
        UsageDatabase db(path(), m_log, m_clock);
        const QDateTime start = utc("2026-03-02T08:30:00Z").addMSecs(250);
        QVERIFY(db.recordBreak(start, start.addMSecs(179'500), true, QStringLiteral("work_reached")));
        QVERIFY(db.recordBreak(start, start.addMSecs(10'400), false, QStringLiteral("manual")));

        RawConnection raw(path());
        QCOMPARE(raw.scalar(QStringLiteral("SELECT duration_s FROM break_events WHERE id=1")).toInt(), 180);
        QCOMPARE(raw.scalar(QStringLiteral("SELECT skipped FROM break_events WHERE id=1")).toInt(), 1);
        QCOMPARE(raw.scalar(QStringLiteral("SELECT trigger FROM break_events WHERE id=1")).toString(),
                 QStringLiteral("work_reached"));
        QCOMPARE(raw.scalar(QStringLiteral("SELECT started_at FROM break_events WHERE id=1")).toString(),
                 QStringLiteral("2026-03-02T08:30:00Z"));
        QCOMPARE(raw.scalar(QStringLiteral("SELECT ended_at FROM break_events WHERE id=1")).toString(),
                 QStringLiteral("2026-03-02T08:32:59Z"));
        QCOMPARE(raw.scalar(QStringLiteral("SELECT duration_s FROM break_events WHERE id=2")).toInt(), 10);
        QCOMPARE(raw.scalar(QStringLiteral("SELECT skipped FROM break_events WHERE id=2")).toInt(), 0);
    }

    void openingPrunesByCalendarDaysAcrossDaylightSaving()
    {
        {
            UsageDatabase db(path(), m_log, m_clock);
        }
        {
            RawConnection raw(path());
            QVERIFY(raw.exec("INSERT INTO usage_hourly VALUES('2026-03-28', 23, 10, 1), ('2026-03-29', 0, 20, 2),"
                             " ('2026-06-27', 0, 30, 3), ('2025-12-31', 5, 40, 4)"));
            QVERIFY(raw.exec("INSERT INTO break_events(started_at, ended_at, duration_s, skipped, trigger) VALUES"
                             " ('2026-03-28T23:29:59Z', '2026-03-28T23:32:59Z', 180, 0, 'manual'),"
                             " ('2026-03-28T23:30:00Z', '2026-03-28T23:33:00Z', 180, 0, 'manual')"));
        }
        // 00:30 on 27 June in Berlin (summer time). Ninety calendar days earlier is 00:30 on 29 March, still
        // winter time (23:30 UTC on the 28th); ninety times 24 hours would wrongly keep the 28th.
        FakeClock summer(utc("2026-06-26T22:30:00Z"));
        UsageDatabase db(path(), m_log, summer, LocalCalendar(QTimeZone(QByteArrayLiteral("Europe/Berlin"))));

        QVERIFY(!db.totalSeconds(QStringLiteral("2026-03-28")));
        QVERIFY(!db.totalSeconds(QStringLiteral("2025-12-31")));
        QCOMPARE(db.totalSeconds(QStringLiteral("2026-03-29")), std::optional(20.0));
        QCOMPARE(db.totalSeconds(QStringLiteral("2026-06-27")), std::optional(30.0));
        RawConnection raw(path());
        QCOMPARE(raw.scalar(QStringLiteral("SELECT group_concat(started_at) FROM break_events")).toString(),
                 QStringLiteral("2026-03-28T23:30:00Z"));
    }

    void reopeningKeepsTheRows()
    {
        {
            UsageDatabase db(path(), m_log, m_clock);
            db.addUsage(QStringLiteral("2026-03-02"), 8, 120, 12);
        }
        UsageDatabase again(path(), m_log, m_clock);
        QCOMPARE(again.totalSeconds(QStringLiteral("2026-03-02")), std::optional(120.0));
        QVERIFY(m_log.lines.isEmpty());
    }

    void aFolderThatCannotBeCreatedLeavesAClosedDatabase()
    {
        QFile blocker(path("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString impossible = path("not-a-folder") + QStringLiteral("/Tavrin %s%n/data.db");

        UsageDatabase db(impossible, m_log, m_clock);
        QVERIFY(!db.isOpen());
        QCOMPARE(m_log.lines, QStringList{kOpenFailed + impossible});
        QVERIFY(!db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40));
        QVERIFY(!db.recordBreak(m_clock.now(), m_clock.now(), false, QStringLiteral("manual")));
        QVERIFY(!db.hourlySeconds(QStringLiteral("2026-03-02")));
        QVERIFY(!db.hourlyFatiguePeaks(QStringLiteral("2026-03-02")));
        QVERIFY(!db.totalSeconds(QStringLiteral("2026-03-02")));
        QCOMPARE(m_log.lines.size(), 1);
    }

    void aFileThatIsNotADatabaseIsLeftUntouched()
    {
        const QByteArray garbage = QByteArray("not a database, but somebody's notes\n").repeated(200);
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
        file.close();

        {
            UsageDatabase db(path(), m_log, m_clock);
            QVERIFY(!db.isOpen());
            QVERIFY(!db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40));
            QVERIFY(!db.hourlySeconds(QStringLiteral("2026-03-02")));
            QVERIFY(!db.totalSeconds(QStringLiteral("2026-03-02")));
        }
        QVERIFY(!m_log.lines.isEmpty());
        QVERIFY(m_log.lines.first().startsWith(QStringLiteral("Tavrin: SQLite exec 失败：")));
        const qsizetype linesAfterOpen = m_log.lines.size();
        QVERIFY(linesAfterOpen <= 5);
        QCOMPARE(readAll(path()), garbage);
        QVERIFY(!QFile::exists(path("data.db-wal")));
    }

    void aReadOnlyFileIsLeftUntouched()
    {
        if (::geteuid() == 0) {
            QSKIP("root writes to read-only files");
        }
        {
            UsageDatabase db(path(), m_log, m_clock);
            db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40);
        }
        RawConnection(path()).exec("PRAGMA wal_checkpoint(TRUNCATE)");
        const QByteArray before = readAll(path());
        QVERIFY(QFile::setPermissions(path(), QFileDevice::ReadOwner));

        UsageDatabase db(path(), m_log, m_clock);
        QVERIFY(!db.isOpen());
        QCOMPARE(m_log.count(kOpenFailed), 1);
        QVERIFY(!db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40));
        QCOMPARE(readAll(path()), before);
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void filesArePrivateWhateverTheUmask()
    {
        const mode_t previous = ::umask(022);
        {
            const QString folder = m_dir.filePath(QStringLiteral("share/Tavrin"));
            qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("share"))));
            const QString file = UsageDatabase::defaultPath();
            QCOMPARE(file, folder + QStringLiteral("/data.db"));
            QCOMPARE(mode(folder), 0700);

            UsageDatabase db(file, m_log, m_clock);
            RawConnection reader(file); // keeps the -wal and -shm files in place
            QVERIFY(reader.scalar(QStringLiteral("SELECT count(*) FROM usage_hourly")).isValid());
            QVERIFY(db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40));
            for (const char* suffix : {"", "-wal", "-shm"}) {
                const QString name = file + QLatin1StringView(suffix);
                QVERIFY2(QFile::exists(name), qPrintable(name));
                QCOMPARE(mode(name), 0600);
            }
        }
        ::umask(previous);
    }

    void aBusyDatabaseWaitsForTheOtherWriter()
    {
        UsageDatabase db(path(), m_log, m_clock);
        RawConnection other(path());
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        // The other writer finishes while our write waits; without the busy timeout it would be lost.
        std::thread finisher([&other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            other.exec("COMMIT");
        });
        const bool written = db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40);
        finisher.join();
        QVERIFY(written);
        QCOMPARE(db.totalSeconds(QStringLiteral("2026-03-02")), std::optional(30.0));
        QVERIFY(m_log.lines.isEmpty());
    }

    void aWriteThatStaysBlockedIsReportedAndLogged()
    {
        UsageDatabase db(path(), m_log, m_clock);
        RawConnection other(path());
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        QVERIFY(!db.addUsage(QStringLiteral("2026-03-02"), 9, 30, 40));
        QVERIFY(!db.recordBreak(m_clock.now(), m_clock.now(), false, QStringLiteral("manual")));
        QCOMPARE(m_log.count(kStepFailed), 2);
        QVERIFY(m_log.lines.first().endsWith(QStringLiteral("database is locked")));
        QVERIFY(other.exec("COMMIT"));
    }
};

QTEST_GUILESS_MAIN(UsageDatabaseTest)
#include "tst_usagedatabase.moc"
