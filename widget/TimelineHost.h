// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusEntry.h"
#include "TaskHandle.h"

#include <QObject>

#include <functional>
#include <optional>

class Clock;
class Scheduler;

// The widget's host: it asks the provider for a timeline, shows the newest entry whose date has come,
// switches at each later entry's date, and asks again at the timeline's reload date or when the
// application sends ReloadTimelines for this widget's kind. Between those moments it is idle: no
// polling, and the snapshot file is read only when a timeline is asked for.
class TimelineHost final : public QObject
{
    Q_OBJECT

public:
    using Loader = std::function<std::optional<WidgetSnapshot>()>;

    // preview: show the gallery entry (the sample until the application has written a snapshot).
    TimelineHost(Scheduler& scheduler, const Clock& clock, Loader load, bool preview, QObject* parent = nullptr);
    ~TimelineHost() override;

    void start();
    const StatusEntry& current() const { return m_current; }

public slots:
    // The D-Bus signal org.tavrin.WidgetCenter.ReloadTimelines.
    void onReloadTimelines(const QString& kind);

signals:
    void currentChanged(const StatusEntry& entry);

private:
    void requestTimeline();
    void showDueEntry();

    Scheduler& m_scheduler;
    const Clock& m_clock;
    Loader m_load;
    bool m_preview;
    StatusTimeline m_timeline;
    StatusEntry m_current;
    TaskHandle m_nextEntry;
    TaskHandle m_reload;
};
