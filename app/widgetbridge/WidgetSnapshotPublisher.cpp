// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetSnapshotPublisher.h"

#include "Clock.h"
#include "SystemLog.h"
#include "WholeNumbers.h"
#include "WidgetReloader.h"
#include "WidgetSharedStore.h"

#include <cmath>

namespace {

WidgetSnapshot::Mode snapshotMode(FatigueMode mode)
{
    switch (mode) {
    case FatigueMode::working:
        return WidgetSnapshot::Mode::working;
    case FatigueMode::resting:
        return WidgetSnapshot::Mode::resting;
    case FatigueMode::idle:
        break;
    }
    return WidgetSnapshot::Mode::idle;
}

bool atLeastSecondsSince(const std::optional<std::chrono::milliseconds>& since, std::chrono::milliseconds now,
                         qint64 seconds)
{
    return !since || now - *since >= std::chrono::seconds(seconds);
}

} // namespace

WidgetSnapshotPublisher::WidgetSnapshotPublisher(WidgetReloader& reloader, SystemLog& log, const Clock& clock,
                                                 QString snapshotPath)
    : m_reloader(reloader)
    , m_log(log)
    , m_clock(clock)
    , m_snapshotPath(std::move(snapshotPath))
{
}

QString WidgetSnapshotPublisher::fingerprint(const WidgetSnapshot& snapshot)
{
    const qint64 percent = WholeNumbers::rounded(snapshot.fatiguePercent);
    const qint64 minutesToday = WholeNumbers::truncated(snapshot.todaySeconds) / 60;
    return QStringList{QString::number(percent),
                       QString::number(minutesToday),
                       QString::number(snapshot.minutesUntilBreak()),
                       WidgetSnapshot::modeRawValue(snapshot.mode),
                       QString::number(snapshot.workSeconds),
                       QString::number(snapshot.restSeconds)}
        .join(u'|');
}

QString WidgetSnapshotPublisher::reminderFingerprint(const WidgetSnapshot& snapshot)
{
    const ReminderState reminder = snapshot.reminder();
    const ReminderState::Kind kind = reminder.kind(snapshot.updatedAt);
    std::optional<qint64> instant;
    switch (kind) {
    case ReminderState::Kind::inBreak:
        instant = reminder.breakEndsAt;
        break;
    case ReminderState::Kind::waitingForPause:
        instant = reminder.breakAtPauseBy;
        break;
    case ReminderState::Kind::paused:
        instant = reminder.pausedUntil;
        break;
    case ReminderState::Kind::postponed:
        instant = reminder.postponedUntil;
        break;
    case ReminderState::Kind::meeting:
    case ReminderState::Kind::heldByCall:
    case ReminderState::Kind::heldByFullScreen:
    case ReminderState::Kind::countdown:
        break;
    }
    const QString name = QString::number(static_cast<int>(kind));
    return instant ? name + u'@' + QString::number(*instant) : name;
}

std::chrono::milliseconds WidgetSnapshotPublisher::nextWrite() const
{
    return m_lastWrite ? *m_lastWrite + std::chrono::seconds(kMaxWriteIntervalSeconds) : m_clock.steady();
}

void WidgetSnapshotPublisher::publish(const FatigueState& fatigue, double todaySeconds, const RuleConfig& rule,
                                      const ReminderState& reminder, const QDateTime& now)
{
    WidgetSnapshot snapshot{.fatiguePercent = fatigue.percent,
                            .mode = snapshotMode(fatigue.mode),
                            .continuousWorkSeconds = fatigue.continuousWork,
                            .todaySeconds = todaySeconds,
                            .workSeconds = rule.workSeconds,
                            .restSeconds = rule.restSeconds,
                            .updatedAt = now};
    snapshot.setReminder(reminder);
    snapshot.language = m_language;
    const QString print = fingerprint(snapshot);
    const QString state = reminderFingerprint(snapshot);
    const std::chrono::milliseconds steady = m_clock.steady();
    const bool unchanged = m_lastFingerprint && *m_lastFingerprint == print;
    // Nobody at the computer: fatigue easing off is written with the minute's write, not on its own, so that
    // an idle Tavrin writes the snapshot once a minute and nothing else.
    const bool idle = snapshot.mode == WidgetSnapshot::Mode::idle;
    const bool stateChanged = m_lastReminder != state;
    const bool reload =
        stateChanged || (!unchanged && atLeastSecondsSince(m_lastReload, steady, kMinReloadIntervalSeconds) &&
                         (!idle || atLeastSecondsSince(m_lastWrite, steady, kMaxWriteIntervalSeconds)));
    if (!reload && !atLeastSecondsSince(m_lastWrite, steady, kMaxWriteIntervalSeconds)) {
        return;
    }
    QString error;
    if (!WidgetSharedStore::save(snapshot, &error, m_snapshotPath)) {
        m_log.log(WidgetSharedStore::kSaveFailed, error);
    }
    // A failed write is tried again at the next visible change or a minute later, not every second.
    m_lastWrite = steady;
    m_lastReminder = state;
    if (reload) {
        m_lastFingerprint = print;
        m_lastReload = steady;
        m_reloader.reloadTimelines(WidgetSharedStore::widgetKind);
    }
}
