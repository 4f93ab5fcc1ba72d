// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsageRecorder.h"

#include "SystemLog.h"
#include "UsageStore.h"
#include "UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

UsageRecorder::UsageRecorder(UsageStore& store, UserDefaults& defaults, SystemLog& log, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_defaults(defaults)
    , m_log(log)
{
}

void UsageRecorder::startDay(const QString& day)
{
    if (day == m_day) {
        return;
    }
    if (!m_pendingUsage.empty()) {
        m_log.log(kDroppedUsage, pendingSummary());
        m_pendingUsage.clear();
    }
    m_day = day;
}

void UsageRecorder::addUsage(int hour, double seconds, double fatiguePeak)
{
    PendingHour& pending = m_pendingUsage[hour];
    pending.seconds += seconds;
    pending.fatiguePeak = std::max(pending.fatiguePeak, fatiguePeak);
}

void UsageRecorder::recordBreak(const QDateTime& startedAt, const QDateTime& endedAt, BreakOutcome outcome,
                                BreakTrigger trigger)
{
    // A break put off counts as one that did not happen (skipped), and says why.
    PendingBreak pending{startedAt, endedAt, outcome != BreakOutcome::completed, outcome == BreakOutcome::postponed,
                         rawValue(trigger)};
    if (m_pendingBreaks.empty() && write(pending)) {
        return;
    }
    // Kept for the next flush, in order; a store that never comes back does not make the list grow forever.
    if (m_pendingBreaks.size() >= kMaxPendingBreaks) {
        m_log.log(kDroppedBreak, m_pendingBreaks.front().startedAt.toUTC().toString(Qt::ISODate));
        m_pendingBreaks.erase(m_pendingBreaks.begin());
    }
    m_pendingBreaks.push_back(std::move(pending));
}

void UsageRecorder::recordMicroPause(const QDateTime& startedAt, const QDateTime& endedAt, bool taken)
{
    if (!m_store.recordMicroPause(startedAt, endedAt, taken)) {
        setStoreProblem(m_store.lastError());
    }
}

bool UsageRecorder::write(const PendingBreak& pending)
{
    return m_store.recordBreak(pending.startedAt, pending.endedAt, pending.skipped, pending.postponed, pending.trigger);
}

bool UsageRecorder::flush()
{
    while (!m_pendingBreaks.empty()) {
        if (!write(m_pendingBreaks.front())) {
            setStoreProblem(m_store.lastError());
            return false;
        }
        m_pendingBreaks.erase(m_pendingBreaks.begin());
    }
    const bool anyUsage = !m_pendingUsage.empty();
    for (auto entry = m_pendingUsage.begin(); entry != m_pendingUsage.end();) {
        const auto& [hour, pending] = *entry;
        if (!m_store.addUsage(m_day, hour, pending.seconds, pending.fatiguePeak)) {
            setStoreProblem(m_store.lastError());
            return false;
        }
        entry = m_pendingUsage.erase(entry);
    }
    setStoreProblem(std::nullopt);
    return anyUsage;
}

void UsageRecorder::flushBeforeExit()
{
    flush();
    // The last chance: what the store still refuses (a full disk) is lost, and says so.
    if (!m_pendingUsage.empty() || !m_pendingBreaks.empty()) {
        m_log.log(kUnsavedAtExit, pendingSummary());
    }
}

void UsageRecorder::setStoreProblem(std::optional<QString> problem)
{
    if (problem != m_storeProblem) {
        m_storeProblem = std::move(problem);
        emit storeProblemChanged();
    }
}

QString UsageRecorder::pendingSummary() const
{
    double seconds = 0;
    for (const auto& [hour, pending] : m_pendingUsage) {
        seconds += pending.seconds;
    }
    QString summary = m_day + QStringLiteral(", ") + QString::number(m_pendingUsage.size()) + QStringLiteral(" h, ") +
                      QString::number(seconds, 'f', 0) + QStringLiteral(" s");
    if (!m_pendingBreaks.empty()) {
        summary += QStringLiteral(", ") + QString::number(m_pendingBreaks.size()) + QStringLiteral(" breaks");
    }
    return summary;
}

void UsageRecorder::migrateLegacyUsage()
{
    const auto data = m_defaults.data(kLegacyUsageKey);
    if (!data) {
        return;
    }
    // All of it must decode, or nothing is migrated and the value stays for the next start.
    const QJsonDocument document = QJsonDocument::fromJson(*data);
    if (!document.isObject()) {
        return;
    }
    const QJsonObject days = document.object();
    QList<std::pair<QString, QList<double>>> decoded;
    for (auto day = days.begin(); day != days.end(); ++day) {
        const QJsonObject usage = day.value().toObject();
        const QJsonValue hourly = usage.value(QLatin1StringView("hourly"));
        if (!day.value().isObject() || !usage.value(QLatin1StringView("seconds")).isDouble() || !hourly.isArray()) {
            return;
        }
        QList<double> values;
        for (const QJsonValue value : hourly.toArray()) {
            if (!value.isDouble()) {
                return;
            }
            values.append(value.toDouble());
        }
        decoded.append({day.key(), values});
    }
    bool stored = true;
    for (const auto& [day, values] : decoded) {
        // Only the 24 hours of a day: anything past them would be a row no reader ever shows.
        for (qsizetype hour = 0; hour < std::min<qsizetype>(values.size(), 24); ++hour) {
            if (values[hour] > 0) {
                stored = m_store.addUsage(day, static_cast<int>(hour), values[hour] / 100.0 * 3600.0, 0) && stored;
            }
        }
    }
    // The old value goes only once the database holds all of it; otherwise the next start tries again (the
    // database adds what it takes twice, but a history that could not be stored at all is not lost).
    if (stored) {
        m_defaults.remove(kLegacyUsageKey);
    }
}
