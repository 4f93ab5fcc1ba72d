// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CsvExport.h"
#include "LocalCalendar.h"
#include "UsageHistory.h"
#include "UsageStore.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;
class Clock;
class SystemLog;

// The history in one SQLite file: active seconds and the fatigue peak per local day and hour
// (usage_hourly), and one row per break (break_events), at user_version 2, read back by day for the
// history and written out as CSV. Rows older than 90 days are pruned when the database is opened; a file
// of version 1 gains break_events.postponed in place.
//
// Failures never reach the callers: they are logged and the operation goes on without the data. When
// the file cannot be opened as a writable database the object stays closed for good: writes do nothing,
// reads yield nothing, and the file on disk is left exactly as it was.
class UsageDatabase final : public UsageStore, public UsageHistory
{
public:
    static inline const QStringList kUsageColumns{QStringLiteral("day"), QStringLiteral("hour"),
                                                  QStringLiteral("active_seconds"), QStringLiteral("fatigue_peak")};
    static inline const QStringList kBreakColumnsFirst{QStringLiteral("started_at"), QStringLiteral("ended_at"),
                                                       QStringLiteral("duration_s"), QStringLiteral("skipped"),
                                                       QStringLiteral("trigger")};
    // What this version's breaks.csv holds: the documented columns, then those added since.
    static inline const QStringList kBreakColumns = kBreakColumnsFirst + QStringList{QStringLiteral("postponed")};
    static inline const QStringList kMicroPauseColumns{QStringLiteral("started_at"), QStringLiteral("ended_at"),
                                                       QStringLiteral("taken")};

    static constexpr int kRetentionDays = 90;
    // How long a statement waits for another writer (a checkpoint, a user's sqlite3 session) before it
    // fails: short, because the caller runs on the tick and keeps what failed for its next flush.
    static constexpr int kBusyTimeoutMs = 250;

    // Tavrin/data.db under the user's data folder; creates the Tavrin folder (mode 0700) on the way.
    static QString defaultPath();

    // What this version writes into PRAGMA user_version; a file of a newer Tavrin keeps its own number.
    static constexpr int kSchemaVersion = 2;

    // readOnly opens an existing file for reading alone (the export): no schema, no pruning, no write.
    enum class Access
    {
        readWrite,
        readOnly
    };

    UsageDatabase(const QString& path, SystemLog& log, const Clock& clock, LocalCalendar calendar = LocalCalendar(),
                  Access access = Access::readWrite);
    ~UsageDatabase() override;
    UsageDatabase(const UsageDatabase&) = delete;
    UsageDatabase& operator=(const UsageDatabase&) = delete;

    bool isOpen() const { return m_db != nullptr; }
    const LocalCalendar& calendar() const { return m_calendar; }

    // Adds the seconds to that day and hour and keeps the larger fatigue peak. True when the row was
    // written, so that a caller can keep what did not reach the disk and try again.
    bool addUsage(const QString& day, int hour, double seconds, double fatiguePeak) override;
    bool recordBreak(const QDateTime& startedAt, const QDateTime& endedAt, bool skipped, bool postponed,
                     const QString& trigger) override;
    bool recordMicroPause(const QDateTime& startedAt, const QDateTime& endedAt, bool taken) override;

    // 24 values indexed by hour, or nothing when the day has no rows within 0 to 23.
    std::optional<HourlyValues> hourlySeconds(const QString& day) override;
    std::optional<HourlyValues> hourlyFatiguePeaks(const QString& day) override;
    // The day's sum of active seconds, or nothing when the day has no rows.
    std::optional<double> totalSeconds(const QString& day) override;
    QString lastError() const override;

    std::vector<Day> dailyUsage(const QString& firstDay, const QString& lastDay) override;
    std::vector<Break> breaksStarted(const QDateTime& from, const QDateTime& to) override;
    std::vector<QDateTime> microPausesTaken(const QDateTime& from, const QDateTime& to) override;
    // Every row of the three tables as they are stored; a database that could not be opened exports nothing.
    bool exportCsv(const QString& folder, QString* error) override;
    // The three tables with their header rows (only those when the database is closed or empty).
    // Nothing when the file cannot be read to its end.
    std::optional<QList<CsvExport::Table>> exportTables();

    // Timestamps of break_events: UTC, whole seconds, "Z" designator.
    static QString isoTimestamp(const QDateTime& instant);

private:
    void open(const QString& path, Access access);
    void createSchema();
    // Creates the tables where the start could not; false while they are missing.
    bool ensureSchema();
    void prune(const QDateTime& now);
    // Runs sql with the two instants bound and hands each row whose first column (a start time) reads to row.
    void forEachStarted(const char* sql, const QDateTime& from, const QDateTime& to,
                        const std::function<void(sqlite3_stmt*, const QDateTime&)>& row);
    // The end of the newest day of usage or the newest break, whichever is later; nothing while empty.
    std::optional<QDateTime> newestRecord();
    void close();
    bool exec(const char* sql);
    // Prepares the statement, hands it to the body and finalizes it. Does nothing when closed or when
    // preparing fails (which is logged).
    bool withStatement(const char* sql, const std::function<void(sqlite3_stmt*)>& body);
    // Steps a write once. A failure (busy past the timeout, read-only, disk full) is logged.
    bool stepWrite(sqlite3_stmt* statement);
    std::optional<HourlyValues> hourlyColumn(const char* sql, const QString& day);
    void logSqliteError(const QString& message);

    SystemLog& m_log;
    const Clock& m_clock;
    LocalCalendar m_calendar;
    sqlite3* m_db = nullptr;
    bool m_schemaReady = false;
    QString m_path;
    QString m_lastError;
    QString m_lastErrorMessage;
    std::optional<std::chrono::milliseconds> m_lastErrorAt;
};
