// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BreakScheduler.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <vector>

class SystemLog;
class UsageStore;
class UserDefaults;

// Writes the day's usage and the breaks to the usage store. What the store does not take (a busy
// database, a full disk) waits, in order, for the next flush; the first refusal ends a flush, since each
// write may wait for another writer and several such waits in a row would stall the tick.
class UsageRecorder final : public QObject
{
    Q_OBJECT

public:
    static inline const QString kLegacyUsageKey = QStringLiteral("Tavrin.DailyUsage");
    static inline const QString kDroppedUsage =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 丢弃未能写入的使用记录："));
    static inline const QString kUnsavedAtExit =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 退出时仍无法保存使用记录，已丢失："));
    static inline const QString kDroppedBreak =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 丢弃未能写入的休息记录："));
    static constexpr std::size_t kMaxPendingBreaks = 100;

    UsageRecorder(UsageStore& store, UserDefaults& defaults, SystemLog& log, QObject* parent = nullptr);

    // The store, for reading what it holds.
    UsageStore& store() const { return m_store; }

    // Moves the daily usage that early versions kept in the user defaults into the store.
    void migrateLegacyUsage();

    // The day that usage is counted for. Usage of the old day that still waits is dropped, with a log line:
    // flush first.
    const QString& day() const { return m_day; }
    void startDay(const QString& day);

    void addUsage(int hour, double seconds, double fatiguePeak);
    // Records a break that ended; one the store does not take waits for the next flush.
    void recordBreak(const QDateTime& startedAt, const QDateTime& endedAt, BreakOutcome outcome, BreakTrigger trigger);
    // Written at once; one the store refuses is said like refused usage, and not kept.
    void recordMicroPause(const QDateTime& startedAt, const QDateTime& endedAt, bool taken);

    // Stores what waits. True when it stored usage of the day and nothing waits any more.
    bool flush();
    // The last flush before the process ends: what the store still refuses is lost, and said.
    void flushBeforeExit();

    // Why usage cannot be stored now (the store refused the last write); nothing while it is stored.
    const std::optional<QString>& storeProblem() const { return m_storeProblem; }
    int pendingHours() const { return static_cast<int>(m_pendingUsage.size()); }
    int pendingBreaks() const { return static_cast<int>(m_pendingBreaks.size()); }

signals:
    void storeProblemChanged();

private:
    struct PendingHour
    {
        double seconds = 0;
        double fatiguePeak = 0;
    };
    struct PendingBreak
    {
        QDateTime startedAt;
        QDateTime endedAt;
        bool skipped = false;
        bool postponed = false;
        QString trigger;
    };

    bool write(const PendingBreak& pending);
    void setStoreProblem(std::optional<QString> problem);
    // What waits to be stored, for a log line: day, hours, seconds and breaks.
    QString pendingSummary() const;

    UsageStore& m_store;
    UserDefaults& m_defaults;
    SystemLog& m_log;
    QString m_day;
    std::map<int, PendingHour> m_pendingUsage;
    std::vector<PendingBreak> m_pendingBreaks;
    std::optional<QString> m_storeProblem;
};
