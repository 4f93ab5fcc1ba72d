// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimelineHost.h"

#include "Clock.h"
#include "Scheduler.h"
#include "StatusProvider.h"
#include "WidgetConfiguration.h"

#include <QPointer>

#include <chrono>

namespace {

std::chrono::milliseconds until(const QDateTime& from, const QDateTime& to)
{
    return std::chrono::milliseconds(std::max<qint64>(from.msecsTo(to), 0));
}

} // namespace

TimelineHost::TimelineHost(Scheduler& scheduler, const Clock& clock, Loader load, bool preview, QObject* parent)
    : QObject(parent)
    , m_scheduler(scheduler)
    , m_clock(clock)
    , m_load(std::move(load))
    , m_preview(preview)
{
}

TimelineHost::~TimelineHost()
{
    m_nextEntry.cancel();
    m_reload.cancel();
}

void TimelineHost::start()
{
    requestTimeline();
}

void TimelineHost::onReloadTimelines(const QString& kind)
{
    if (kind == WidgetConfiguration::kind) {
        requestTimeline();
    }
}

void TimelineHost::requestTimeline()
{
    m_nextEntry.cancel();
    m_reload.cancel();
    const QDateTime now = m_clock.now();
    if (m_preview) {
        m_timeline = {{StatusProvider::snapshot(now, m_load(), true)},
                      now.addSecs(StatusProvider::kReloadAfterSeconds)};
    } else {
        m_timeline = StatusProvider::timeline(now, m_load());
    }
    QDateTime reloadAt = m_timeline.reloadAt;
    // The timeline projects a working user forward, as if Tavrin kept writing. Look at the file again when
    // the snapshot it was built from would turn stale: a running Tavrin has rewritten it by then, and one
    // that has quit shows as "not counting" within the stale period instead of up to fifteen minutes
    // later.
    const std::optional<WidgetSnapshot>& loaded = m_timeline.entries.value(0).snapshot;
    if (!m_preview && loaded && !loaded->isStale(now)) {
        reloadAt = std::min(reloadAt, loaded->updatedAt.addSecs(WidgetSnapshot::kStaleAfterSeconds + 1));
    }
    QPointer<TimelineHost> self(this);
    m_reload = m_scheduler.runAfter(until(now, reloadAt), [self] {
        if (self) {
            self->requestTimeline();
        }
    });
    showDueEntry();
}

void TimelineHost::showDueEntry()
{
    const QDateTime now = m_clock.now();
    const QList<StatusEntry>& entries = m_timeline.entries;
    if (entries.isEmpty()) {
        return;
    }
    // The newest entry whose date has come; the first one if none has yet.
    qsizetype shown = 0;
    while (shown + 1 < entries.size() && entries[shown + 1].date <= now) {
        ++shown;
    }
    if (!(entries[shown] == m_current)) {
        m_current = entries[shown];
        emit currentChanged(m_current);
    }
    if (shown + 1 < entries.size()) {
        QPointer<TimelineHost> self(this);
        m_nextEntry = m_scheduler.runAfter(until(now, entries[shown + 1].date), [self] {
            if (self) {
                self->showDueEntry();
            }
        });
    }
}
