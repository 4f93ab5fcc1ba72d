// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleNotificationTracker.h"
#include "IdleSource.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include <memory>

class QSocketNotifier;
class SystemLog;
struct wl_display;
struct wl_registry;
struct wl_seat;
struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;

// Idle time on Wayland compositors that offer ext_idle_notifier_v1 (version 1), on a Wayland connection
// of Tavrin's own: the windows themselves go through XWayland. A notification with a one-second timeout
// tells when the user went idle and when input resumed. Version 1 honours idle inhibitors, so a video
// that keeps the screen on also counts as presence. Notices follow from the same events: the return is the next
// "resumed", the idle time reaching a value a timer from "idled" (the one-second notification still wakes
// the process at every pause of a second; the compositor sends nothing finer).
class WaylandIdleSource final : public IdleSource
{
public:
    static constexpr qint64 kTimeoutMs = 1000;

    // Nothing when there is no Wayland display or the compositor lacks the protocol.
    static std::unique_ptr<WaylandIdleSource> create(SystemLog& log, const char* displayName = nullptr);
    ~WaylandIdleSource() override;
    WaylandIdleSource(const WaylandIdleSource&) = delete;
    WaylandIdleSource& operator=(const WaylandIdleSource&) = delete;

    double secondsSinceLastInput() override;
    QString name() const override;
    bool notify(Notice notice, double seconds, std::function<void()> then) override;

    // Listener entry points (called from C callbacks).
    void onGlobal(wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    void onIdled();
    void onResumed();

private:
    WaylandIdleSource(SystemLog& log, wl_display* display);
    bool bind();
    // Reads and handles whatever the compositor sent, without blocking.
    void dispatch();
    void fail(const QString& detail);
    // Delivers the notice when its moment has come, or arms the timer for it.
    void followNotice();

    SystemLog& m_log;
    wl_display* m_display;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    ext_idle_notifier_v1* m_notifier = nullptr;
    ext_idle_notification_v1* m_notification = nullptr;
    std::unique_ptr<QSocketNotifier> m_socketNotifier;
    QElapsedTimer m_clock;
    IdleNotificationTracker m_tracker{kTimeoutMs};
    bool m_failed = false;
    Notice m_notice = Notice::inputBelow;
    double m_noticeSeconds = 0;
    std::function<void()> m_then;
    // Tells a delivery posted for a notice from one for the notice armed since.
    quint64 m_noticeGeneration = 0;
    QTimer m_noticeTimer;
};
