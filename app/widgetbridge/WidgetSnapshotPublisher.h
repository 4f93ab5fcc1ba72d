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
// something the widget shows changed (percent, minutes today, minutes to the break, mode, rule) or at
// least once a minute, and the widget is asked to reload only for such changes, at most every 20 seconds.
// What the person changes or a break changes (a pause, meeting mode, a postponement, a break's start and end:
// the reminder's state) is no figure that drifts: it is written and reloaded at the tick that sees it.
// Those intervals are measured on the steady clock, so a wall clock set back neither holds the snapshot back
// nor leaves an updatedAt in the future standing.
class WidgetSnapshotPublisher final : public SnapshotPublishing
{
public:
    static constexpr qint64 kMinReloadIntervalSeconds = 20;
    static constexpr qint64 kMaxWriteIntervalSeconds = 60;

    WidgetSnapshotPublisher(WidgetReloader& reloader, SystemLog& log, const Clock& clock, QString snapshotPath);

    void publish(const FatigueState& fatigue, double todaySeconds, const RuleConfig& rule,
                 const ReminderState& reminder, const QDateTime& now) override;
    std::chrono::milliseconds nextWrite() const override;
    // The language chosen in Tavrin, for the widget to show the same ("zh_CN", "en"); nothing: the desktop's.
    void setLanguage(std::optional<QString> language) { m_language = std::move(language); }

    // The figures the widget shows, as one text: percent|minutes today|minutes to break|mode|work|rest.
    static QString fingerprint(const WidgetSnapshot& snapshot);
    // What the reminder's state says, with the instant it names: "paused@1772426400", "countdown".
    static QString reminderFingerprint(const WidgetSnapshot& snapshot);

private:
    WidgetReloader& m_reloader;
    SystemLog& m_log;
    const Clock& m_clock;
    QString m_snapshotPath;
    std::optional<QString> m_language;
    std::optional<QString> m_lastFingerprint;
    // The reminder's state in the last file written.
    std::optional<QString> m_lastReminder;
    // On the steady clock; absent: the distant past, so the first call always qualifies.
    std::optional<std::chrono::milliseconds> m_lastWrite;
    std::optional<std::chrono::milliseconds> m_lastReload;
};
