// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsageDatabase.h"

#include "Clock.h"
#include "CsvExport.h"
#include "DataPaths.h"
#include "PrivateFiles.h"
#include "SystemLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UsageDatabase)
};

const QString kOpenFailed = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 打开 SQLite 失败："));
const QString kExecFailed = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: SQLite exec 失败："));
const QString kPrepareFailed = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: SQLite prepare 失败："));
const QString kStepFailed = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: SQLite step 失败："));
const QString kNewerFile = QString::fromUtf8(
    QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 数据库由更新版本的 Tavrin 写入，只使用能理解的部分，版本："));

// Run one by one at every open; each is idempotent, so opening an existing file keeps its rows.
constexpr const char* kSchema[] = {
    "PRAGMA journal_mode=WAL",
    "CREATE TABLE IF NOT EXISTS usage_hourly (\n"
    "    day            TEXT    NOT NULL,\n"
    "    hour           INTEGER NOT NULL,\n"
    "    active_seconds INTEGER NOT NULL DEFAULT 0,\n"
    "    fatigue_peak   REAL    NOT NULL DEFAULT 0,\n"
    "    PRIMARY KEY (day, hour)\n"
    ")",
    "CREATE INDEX IF NOT EXISTS idx_usage_day ON usage_hourly(day)",
    "CREATE TABLE IF NOT EXISTS break_events (\n"
    "    id         INTEGER PRIMARY KEY AUTOINCREMENT,\n"
    "    started_at TEXT    NOT NULL,\n"
    "    ended_at   TEXT,\n"
    "    duration_s INTEGER,\n"
    "    skipped    INTEGER NOT NULL DEFAULT 0,\n"
    "    trigger    TEXT,\n"
    "    postponed  INTEGER NOT NULL DEFAULT 0\n"
    ")",
    // For the history's days and the pruning; a version 1 Tavrin keeps it up to date without knowing it.
    "CREATE INDEX IF NOT EXISTS idx_breaks_started ON break_events(started_at)",
    // Micro-pauses in a table of their own: a Tavrin that does not know them reads the same figures as before.
    "CREATE TABLE IF NOT EXISTS micro_pauses (\n"
    "    id         INTEGER PRIMARY KEY AUTOINCREMENT,\n"
    "    started_at TEXT    NOT NULL,\n"
    "    ended_at   TEXT    NOT NULL,\n"
    "    taken      INTEGER NOT NULL\n"
    ")",
    "CREATE INDEX IF NOT EXISTS idx_micro_started ON micro_pauses(started_at)",
};

// Version 2 adds break_events.postponed: a break put off (skipped is 1 for it too, as it did not happen).
// The column, not user_version, decides: a Tavrin of version 1 that opens the file sets user_version back
// to 1 and keeps writing rows, which take the column's default.
constexpr const char* kHasPostponed = "SELECT 1 FROM pragma_table_info('break_events') WHERE name = 'postponed'";
constexpr const char* kAddPostponed = "ALTER TABLE break_events ADD COLUMN postponed INTEGER NOT NULL DEFAULT 0";

constexpr const char* kUpsertUsage =
    "INSERT INTO usage_hourly(day, hour, active_seconds, fatigue_peak) VALUES(?1, ?2, ?3, ?4)\n"
    "ON CONFLICT(day, hour) DO UPDATE SET\n"
    "  active_seconds = active_seconds + excluded.active_seconds,\n"
    "  fatigue_peak   = MAX(fatigue_peak, excluded.fatigue_peak)";
constexpr const char* kInsertBreak =
    "INSERT INTO break_events(started_at, ended_at, duration_s, skipped, trigger, postponed)\n"
    "VALUES(?1, ?2, ?3, ?4, ?5, ?6)";
constexpr const char* kSelectHourlySeconds =
    "SELECT hour, active_seconds FROM usage_hourly WHERE day = ?1 ORDER BY hour";
constexpr const char* kSelectHourlyPeaks = "SELECT hour, fatigue_peak FROM usage_hourly WHERE day = ?1 ORDER BY hour";
constexpr const char* kSelectTotal = "SELECT SUM(active_seconds) FROM usage_hourly WHERE day = ?1";
// The history by day: hours outside the day are somebody else's rows and count for nothing.
constexpr const char* kSelectDaily = "SELECT day, SUM(active_seconds), MAX(fatigue_peak) FROM usage_hourly\n"
                                     "WHERE day BETWEEN ?1 AND ?2 AND hour BETWEEN 0 AND 23 GROUP BY day ORDER BY day";
// Timestamps are ISO texts in UTC, so they compare as they sort.
constexpr const char* kSelectBreaks = "SELECT started_at, skipped, postponed FROM break_events\n"
                                      "WHERE started_at >= ?1 AND started_at < ?2 ORDER BY started_at";
constexpr const char* kSelectAllUsage =
    "SELECT day, hour, active_seconds, fatigue_peak FROM usage_hourly ORDER BY day, hour";
constexpr const char* kSelectBreakColumns = "SELECT name FROM pragma_table_info('break_events') ORDER BY cid";
constexpr const char* kSelectNewest =
    "SELECT (SELECT MAX(day) FROM usage_hourly), (SELECT MAX(started_at) FROM break_events)";
constexpr const char* kInsertMicroPause = "INSERT INTO micro_pauses(started_at, ended_at, taken) VALUES (?1, ?2, ?3)";
constexpr const char* kSelectMicroPausesTaken =
    "SELECT started_at FROM micro_pauses WHERE taken = 1 AND started_at >= ?1 AND started_at < ?2 ORDER BY started_at";
constexpr const char* kSelectAllMicroPauses =
    "SELECT started_at, ended_at, taken FROM micro_pauses ORDER BY started_at, id";
constexpr const char* kPruneMicroPauses = "DELETE FROM micro_pauses WHERE started_at < ?1";
constexpr const char* kPruneUsage = "DELETE FROM usage_hourly WHERE day < ?1";
constexpr const char* kPruneBreaks = "DELETE FROM break_events WHERE started_at < ?1";

void bindText(sqlite3_stmt* statement, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// A file that is not a database (or is damaged beyond use) answers every statement with one of these.
bool isUnusableFile(int resultCode)
{
    const int primary = resultCode & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

// ISO 8601 with the offset always written out: 2026-03-02T09:36:00+08:00.
QString withOffset(const QDateTime& local)
{
    const int offset = local.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
}

} // namespace

QString UsageDatabase::defaultPath()
{
    return DataPaths::applicationFolder() + QStringLiteral("/data.db");
}

UsageDatabase::UsageDatabase(const QString& path, SystemLog& log, const Clock& clock, LocalCalendar calendar,
                             Access access)
    : m_log(log)
    , m_clock(clock)
    , m_calendar(std::move(calendar))
{
    open(path, access);
    if (isOpen() && access == Access::readWrite) {
        prune(m_clock.now());
    }
}

UsageDatabase::~UsageDatabase()
{
    close();
}

void UsageDatabase::open(const QString& path, Access access)
{
    m_path = path;
    const QByteArray nativePath = QFile::encodeName(path);
    sqlite3* db = nullptr;
    // SQLite would open a FIFO and wait in it for good: anything but a regular file (or a link to one) is
    // left alone, and nothing is created where a link points to nothing.
    if (!PrivateFiles::isRegularOrAbsent(path)) {
        m_lastError = Texts::tr("%1：不是普通文件").arg(path);
        m_log.log(kOpenFailed, m_lastError);
        return;
    }
    if (access == Access::readOnly) {
        if (sqlite3_open_v2(nativePath.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            m_db = db;
        } else {
            m_log.log(kOpenFailed, Texts::tr("%1：%2").arg(path, QString::fromUtf8(sqlite3_errmsg(db))));
            sqlite3_close(db);
        }
        return;
    }
    // Create the file ourselves so that it starts out private; SQLite gives the -wal and -shm files the
    // mode of the database file.
    PrivateFiles::ensureFile(path);

    const int result =
        sqlite3_open_v2(nativePath.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // A read-only file opens without an error but could never take a write: treat it as not openable
    // rather than failing (and logging) at every flush.
    if (result != SQLITE_OK || sqlite3_db_readonly(db, "main") == 1) {
        m_log.log(kOpenFailed,
                  Texts::tr("%1：%2").arg(path, result != SQLITE_OK ? QString::fromUtf8(sqlite3_errmsg(db))
                                                                    : Texts::tr("文件或其文件夹只读，无法写入")));
        sqlite3_close(db);
        return;
    }
    m_db = db;
    // Wait for another connection (a checkpoint, a user's sqlite3 session) instead of losing the write.
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    createSchema();
    if (!isOpen()) {
        return;
    }
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QString file = path + QLatin1StringView(suffix);
        if (QFile::exists(file)) {
            PrivateFiles::restrictToOwner(file);
        }
    }
}

void UsageDatabase::createSchema()
{
    bool unusable = false;
    bool created = true;
    for (const char* sql : kSchema) {
        if (!exec(sql)) {
            created = false;
            unusable = unusable || isUnusableFile(sqlite3_extended_errcode(m_db));
        }
    }
    // A disk that was full or a file that was locked at the start leaves no tables: the next write tries again.
    m_schemaReady = created;
    // In WAL mode NORMAL keeps the file consistent through a crash or power loss and only gives up the
    // last commits on a power loss; FULL would wait for the disk on every hour of every flush.
    if (!unusable) {
        exec("PRAGMA synchronous=NORMAL");
        bool hasPostponed = false;
        withStatement(kHasPostponed,
                      [&](sqlite3_stmt* statement) { hasPostponed = sqlite3_step(statement) == SQLITE_ROW; });
        if (hasPostponed || exec(kAddPostponed)) {
            // A file of a newer Tavrin keeps its number: we read what we understand and leave the rest.
            int version = 0;
            withStatement("PRAGMA user_version", [&](sqlite3_stmt* statement) {
                if (sqlite3_step(statement) == SQLITE_ROW) {
                    version = sqlite3_column_int(statement, 0);
                }
            });
            if (version > kSchemaVersion) {
                m_log.log(kNewerFile, QString::number(version));
            } else if (version < kSchemaVersion) {
                exec("PRAGMA user_version=2");
            }
        }
    }
    // Every later statement would fail the same way and log it every few seconds. Close now: the file
    // stays untouched on disk, and the application goes on without history.
    if (unusable) {
        close();
    }
}

void UsageDatabase::close()
{
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

QString UsageDatabase::lastError() const
{
    return m_db ? m_lastError : Texts::tr("%1：无法打开（详见系统日志）").arg(m_path);
}

void UsageDatabase::logSqliteError(const QString& message)
{
    // The same failure comes back at every flush: say it once with the file, again when it changes, and
    // otherwise once an hour.
    const QString detail = Texts::tr("%1：%2").arg(m_path, QString::fromUtf8(sqlite3_errmsg(m_db)));
    const std::chrono::milliseconds now = m_clock.steady();
    if (detail == m_lastError && m_lastErrorMessage == message && m_lastErrorAt &&
        now - *m_lastErrorAt < std::chrono::hours(1)) {
        return;
    }
    m_lastError = detail;
    m_lastErrorMessage = message;
    m_lastErrorAt = now;
    m_log.log(message, detail);
}

bool UsageDatabase::exec(const char* sql)
{
    if (!m_db) {
        return false;
    }
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        logSqliteError(kExecFailed);
        return false;
    }
    return true;
}

bool UsageDatabase::withStatement(const char* sql, const std::function<void(sqlite3_stmt*)>& body)
{
    if (!m_db) {
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK || !statement) {
        logSqliteError(kPrepareFailed);
        sqlite3_finalize(statement);
        return false;
    }
    body(statement);
    sqlite3_finalize(statement);
    return true;
}

bool UsageDatabase::stepWrite(sqlite3_stmt* statement)
{
    const int result = sqlite3_step(statement);
    if (result != SQLITE_DONE && result != SQLITE_ROW) {
        logSqliteError(kStepFailed);
        return false;
    }
    return true;
}

bool UsageDatabase::ensureSchema()
{
    if (m_db && !m_schemaReady) {
        createSchema();
    }
    return m_db && m_schemaReady;
}

bool UsageDatabase::addUsage(const QString& day, int hour, double seconds, double fatiguePeak)
{
    if (!ensureSchema()) {
        return false;
    }
    bool written = false;
    withStatement(kUpsertUsage, [&](sqlite3_stmt* statement) {
        bindText(statement, 1, day);
        sqlite3_bind_int(statement, 2, hour);
        sqlite3_bind_double(statement, 3, seconds);
        sqlite3_bind_double(statement, 4, fatiguePeak);
        written = stepWrite(statement);
    });
    return written;
}

bool UsageDatabase::recordBreak(const QDateTime& startedAt, const QDateTime& endedAt, bool skipped, bool postponed,
                                const QString& trigger)
{
    if (!ensureSchema()) {
        return false;
    }
    bool written = false;
    withStatement(kInsertBreak, [&](sqlite3_stmt* statement) {
        // Whole seconds, halves away from zero.
        const double seconds = static_cast<double>(startedAt.msecsTo(endedAt)) / 1000.0;
        const double rounded = std::clamp(std::round(seconds), double(INT_MIN), double(INT_MAX));
        bindText(statement, 1, isoTimestamp(startedAt));
        bindText(statement, 2, isoTimestamp(endedAt));
        sqlite3_bind_int(statement, 3, static_cast<int>(rounded));
        sqlite3_bind_int(statement, 4, skipped ? 1 : 0);
        bindText(statement, 5, trigger);
        sqlite3_bind_int(statement, 6, postponed ? 1 : 0);
        written = stepWrite(statement);
    });
    return written;
}

std::optional<UsageDatabase::HourlyValues> UsageDatabase::hourlySeconds(const QString& day)
{
    return hourlyColumn(kSelectHourlySeconds, day);
}

std::optional<UsageDatabase::HourlyValues> UsageDatabase::hourlyFatiguePeaks(const QString& day)
{
    return hourlyColumn(kSelectHourlyPeaks, day);
}

std::optional<UsageDatabase::HourlyValues> UsageDatabase::hourlyColumn(const char* sql, const QString& day)
{
    HourlyValues values{};
    bool used = false;
    withStatement(sql, [&](sqlite3_stmt* statement) {
        bindText(statement, 1, day);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            // Read the hour at full width: a stray 4294967305 must not wrap around to 9.
            const sqlite3_int64 hour = sqlite3_column_int64(statement, 0);
            if (hour >= 0 && hour < 24) {
                values[static_cast<std::size_t>(hour)] = sqlite3_column_double(statement, 1);
                used = true;
            }
        }
    });
    if (!used) {
        return std::nullopt;
    }
    return values;
}

std::optional<double> UsageDatabase::totalSeconds(const QString& day)
{
    std::optional<double> total;
    withStatement(kSelectTotal, [&](sqlite3_stmt* statement) {
        bindText(statement, 1, day);
        if (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_type(statement, 0) != SQLITE_NULL) {
            total = sqlite3_column_double(statement, 0);
        }
    });
    return total;
}

QString UsageDatabase::isoTimestamp(const QDateTime& instant)
{
    return instant.toUTC().toString(Qt::ISODate);
}

std::optional<QDateTime> UsageDatabase::newestRecord()
{
    std::optional<QDateTime> newest;
    withStatement(kSelectNewest, [&](sqlite3_stmt* statement) {
        if (sqlite3_step(statement) != SQLITE_ROW) {
            return;
        }
        const auto text = [statement](int column) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
        };
        // The end of the newest day of usage, and the newest break.
        const QDate day = QDate::fromString(text(0), QStringLiteral("yyyy-MM-dd"));
        for (const QDateTime& at :
             {QDateTime(day, QTime(23, 59, 59), m_calendar.timeZone()), QDateTime::fromString(text(1), Qt::ISODate)}) {
            if (at.isValid() && (!newest || at > *newest)) {
                newest = at;
            }
        }
    });
    return newest;
}

void UsageDatabase::prune(const QDateTime& now)
{
    // Ninety days back from now, or from the newest record if that is older: a clock set far ahead, once,
    // must not take the whole history with it. (After a long absence the rows then go at the next start.)
    const std::optional<QDateTime> newest = newestRecord();
    const QDateTime anchor = newest && *newest < now ? *newest : now;
    // Ninety calendar days back at the same local time: across a daylight-saving change that is not
    // 90 × 24 hours, and the day of the cutoff itself is kept.
    const QDateTime cutoff = m_calendar.addDays(anchor, -kRetentionDays);
    if (!cutoff.isValid()) {
        return;
    }
    const QString cutoffDay = m_calendar.dayKey(cutoff);
    const QString cutoffTimestamp = isoTimestamp(cutoff);
    withStatement(kPruneUsage, [&](sqlite3_stmt* statement) {
        bindText(statement, 1, cutoffDay);
        stepWrite(statement);
    });
    for (const char* sql : {kPruneBreaks, kPruneMicroPauses}) {
        withStatement(sql, [&](sqlite3_stmt* statement) {
            bindText(statement, 1, cutoffTimestamp);
            stepWrite(statement);
        });
    }
}

std::vector<UsageHistory::Day> UsageDatabase::dailyUsage(const QString& firstDay, const QString& lastDay)
{
    std::vector<Day> days;
    withStatement(kSelectDaily, [&](sqlite3_stmt* statement) {
        bindText(statement, 1, firstDay);
        bindText(statement, 2, lastDay);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            days.push_back({QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))),
                            sqlite3_column_double(statement, 1), sqlite3_column_double(statement, 2)});
        }
    });
    return days;
}

bool UsageDatabase::recordMicroPause(const QDateTime& startedAt, const QDateTime& endedAt, bool taken)
{
    if (!ensureSchema()) {
        return false;
    }
    bool written = false;
    withStatement(kInsertMicroPause, [&](sqlite3_stmt* statement) {
        bindText(statement, 1, isoTimestamp(startedAt));
        bindText(statement, 2, isoTimestamp(endedAt));
        sqlite3_bind_int(statement, 3, taken ? 1 : 0);
        written = stepWrite(statement);
    });
    return written;
}

void UsageDatabase::forEachStarted(const char* sql, const QDateTime& from, const QDateTime& to,
                                   const std::function<void(sqlite3_stmt*, const QDateTime&)>& row)
{
    withStatement(sql, [&](sqlite3_stmt* statement) {
        bindText(statement, 1, isoTimestamp(from));
        bindText(statement, 2, isoTimestamp(to));
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const QDateTime started = QDateTime::fromString(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))), Qt::ISODate);
            // A row somebody wrote by hand with a time that does not read belongs to no day.
            if (started.isValid()) {
                row(statement, started.toUTC());
            }
        }
    });
}

std::vector<QDateTime> UsageDatabase::microPausesTaken(const QDateTime& from, const QDateTime& to)
{
    std::vector<QDateTime> taken;
    forEachStarted(kSelectMicroPausesTaken, from, to,
                   [&](sqlite3_stmt*, const QDateTime& started) { taken.push_back(started); });
    return taken;
}

std::vector<UsageHistory::Break> UsageDatabase::breaksStarted(const QDateTime& from, const QDateTime& to)
{
    std::vector<Break> breaks;
    forEachStarted(kSelectBreaks, from, to, [&](sqlite3_stmt* statement, const QDateTime& started) {
        breaks.push_back({started, sqlite3_column_int(statement, 1) != 0, sqlite3_column_int(statement, 2) != 0});
    });
    return breaks;
}

std::optional<QList<CsvExport::Table>> UsageDatabase::exportTables()
{
    // Every statement must run to its end: a file that is not a database, or lacks a table, exports nothing.
    bool whole = true;
    CsvExport::Table usage{QStringLiteral("usage.csv"), kUsageColumns, {}};
    CsvExport::Table breaks{QStringLiteral("breaks.csv"), kBreakColumnsFirst, {}};
    // The known columns first, in their documented order, then any that a later version added.
    whole &= withStatement(kSelectBreakColumns, [&](sqlite3_stmt* statement) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
            if (name != u"id" && !breaks.header.contains(name)) {
                breaks.header.append(name);
            }
        }
    });
    const auto readRows = [this, &whole](const QByteArray& sql, CsvExport::Table& table) {
        whole &= withStatement(sql.constData(), [&](sqlite3_stmt* statement) {
            int result = SQLITE_ROW;
            while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
                QStringList row;
                for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                    row.append(
                        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column))));
                }
                table.rows.append(row);
            }
            if (result != SQLITE_DONE) {
                logSqliteError(kStepFailed);
                whole = false;
            }
        });
    };
    readRows(kSelectAllUsage, usage);
    // A peak to one decimal, as the windows show it.
    for (QStringList& row : usage.rows) {
        bool number = false;
        const double peak = row.value(3).toDouble(&number);
        if (number) {
            row[3] = QString::number(peak, 'f', 1);
        }
    }
    QStringList quoted;
    for (const QString& name : breaks.header) {
        quoted.append(u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"');
    }
    readRows("SELECT " + quoted.join(u',').toUtf8() + " FROM break_events ORDER BY started_at, id", breaks);
    // A file of a Tavrin without micro-pauses has no table for them: the file then has its header alone.
    CsvExport::Table micro{QStringLiteral("micro_pauses.csv"), kMicroPauseColumns, {}};
    bool hasMicroPauses = false;
    whole &= withStatement("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'micro_pauses'",
                           [&](sqlite3_stmt* statement) { hasMicroPauses = sqlite3_step(statement) == SQLITE_ROW; });
    if (hasMicroPauses) {
        readRows(kSelectAllMicroPauses, micro);
    }
    // Stored in UTC; written in the person's own time with its offset, as the usage's days and hours are.
    for (CsvExport::Table* table : {&breaks, &micro}) {
        for (const char* name : {"started_at", "ended_at"}) {
            const qsizetype column = table->header.indexOf(QLatin1StringView(name));
            for (QStringList& row : table->rows) {
                const QDateTime at = QDateTime::fromString(row.value(column), Qt::ISODate);
                if (column >= 0 && at.isValid()) {
                    row[column] = withOffset(at.toTimeZone(m_calendar.timeZone()));
                }
            }
        }
    }
    if (!whole) {
        return std::nullopt;
    }
    return QList<CsvExport::Table>{usage, breaks, micro};
}

bool UsageDatabase::exportCsv(const QString& folder, QString* error)
{
    const auto tables = m_db ? exportTables() : std::nullopt;
    if (!tables) {
        *error = Texts::tr("无法读取使用记录数据库 %1").arg(m_lastError.isEmpty() ? m_path : m_lastError);
        return false;
    }
    return CsvExport::write(folder, *tables, error);
}
