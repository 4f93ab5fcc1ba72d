// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FatigueState.h"
#include "RuleConfig.h"
#include "SnapshotPublishing.h"
#include "WidgetSnapshot.h"

#include <QDateTime>

#include <QString>
#include <chrono>

#include <optional>

class Clock;
class SystemLog;
class WidgetReloader;

// Turns the once-a-second state into the widget's snapshot file, rationed: the file is written when
// something the widget shows changed (percent, minutes today, minutes to the break, mode, rule, a pause) or at
// least once a minute, and the widget is asked to reload only for such changes, at most every 20 seconds.
// Those intervals are measured on the steady clock, so a wall clock set back neither holds the snapshot back
// nor leaves an updatedAt in the future standing.
class WidgetSnapshotPublisher final : public SnapshotPublishing
{
public:
    static constexpr qint64 kMinReloadIntervalSeconds = 20;
    static constexpr qint64 kMaxWriteIntervalSeconds = 60;

    WidgetSnapshotPublisher(WidgetReloader& reloader, SystemLog& log, const Clock& clock, QString snapshotPath);

    void publish(const FatigueState& fatigue, double todaySeconds, const RuleConfig& rule,
                 std::optional<qint64> pausedUntil, const QDateTime& now) override;

    // What the widget shows, as one text: percent|minutes today|minutes to break|mode|work|rest|pause.
    static QString fingerprint(const WidgetSnapshot& snapshot);

private:
    WidgetReloader& m_reloader;
    SystemLog& m_log;
    const Clock& m_clock;
    QString m_snapshotPath;
    std::optional<QString> m_lastFingerprint;
    // On the steady clock; absent: the distant past, so the first call always qualifies.
    std::optional<std::chrono::milliseconds> m_lastWrite;
    std::optional<std::chrono::milliseconds> m_lastReload;
};
