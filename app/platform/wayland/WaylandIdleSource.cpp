// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandIdleSource.h"

#include "PlatformMessages.h"
#include "SystemLog.h"

#include <QSocketNotifier>

#include <cstring>
#include <poll.h>

#include "ext-idle-notify-v1-client-protocol.h"
#include <wayland-client.h>

namespace {

void handleGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    static_cast<WaylandIdleSource*>(data)->onGlobal(registry, name, interface, version);
}

void handleGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {handleGlobal, handleGlobalRemove};

void handleIdled(void* data, ext_idle_notification_v1*)
{
    static_cast<WaylandIdleSource*>(data)->onIdled();
}

void handleResumed(void* data, ext_idle_notification_v1*)
{
    static_cast<WaylandIdleSource*>(data)->onResumed();
}

const ext_idle_notification_v1_listener kNotificationListener = {handleIdled, handleResumed};

} // namespace

std::unique_ptr<WaylandIdleSource> WaylandIdleSource::create(SystemLog& log, const char* displayName)
{
    wl_display* display = wl_display_connect(displayName);
    if (!display) {
        return nullptr;
    }
    std::unique_ptr<WaylandIdleSource> source(new WaylandIdleSource(log, display));
    if (!source->bind()) {
        return nullptr;
    }
    return source;
}

WaylandIdleSource::WaylandIdleSource(SystemLog& log, wl_display* display)
    : m_log(log)
    , m_display(display)
{
    m_clock.start();
    m_noticeTimer.setSingleShot(true);
    m_noticeTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_noticeTimer, &QTimer::timeout, &m_noticeTimer, [this] { followNotice(); });
}

WaylandIdleSource::~WaylandIdleSource()
{
    m_socketNotifier.reset();
    if (m_notification) {
        ext_idle_notification_v1_destroy(m_notification);
    }
    if (m_notifier) {
        ext_idle_notifier_v1_destroy(m_notifier);
    }
    if (m_seat) {
        wl_seat_destroy(m_seat);
    }
    if (m_registry) {
        wl_registry_destroy(m_registry);
    }
    wl_display_disconnect(m_display);
}

bool WaylandIdleSource::bind()
{
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &kRegistryListener, this);
    if (wl_display_roundtrip(m_display) < 0 || !m_notifier || !m_seat) {
        return false;
    }
    m_notification = ext_idle_notifier_v1_get_idle_notification(m_notifier, kTimeoutMs, m_seat);
    ext_idle_notification_v1_add_listener(m_notification, &kNotificationListener, this);
    wl_display_flush(m_display);

    m_socketNotifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    QObject::connect(m_socketNotifier.get(), &QSocketNotifier::activated, m_socketNotifier.get(),
                     [this] { dispatch(); });
    return true;
}

void WaylandIdleSource::onGlobal(wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0 && !m_notifier) {
        m_notifier =
            static_cast<ext_idle_notifier_v1*>(wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !m_seat) {
        m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}

void WaylandIdleSource::onIdled()
{
    m_tracker.idled(m_clock.elapsed());
    followNotice();
}

void WaylandIdleSource::onResumed()
{
    m_tracker.resumed();
    followNotice();
}

bool WaylandIdleSource::notify(Notice notice, double seconds, std::function<void()> then)
{
    if (m_failed) {
        return false;
    }
    m_notice = notice;
    m_noticeSeconds = seconds;
    m_then = std::move(then);
    ++m_noticeGeneration;
    followNotice();
    return true;
}

void WaylandIdleSource::followNotice()
{
    m_noticeTimer.stop();
    if (!m_then) {
        return;
    }
    const double idle = m_failed ? 0 : m_tracker.idleSeconds(m_clock.elapsed());
    const bool come = m_notice == Notice::inputBelow ? idle < m_noticeSeconds : idle >= m_noticeSeconds;
    if (come) {
        QMetaObject::invokeMethod(
            &m_noticeTimer,
            [this, generation = m_noticeGeneration] {
                if (generation == m_noticeGeneration && m_then) {
                    std::exchange(m_then, {})();
                }
            },
            Qt::QueuedConnection);
    } else if (m_notice == Notice::idleReaches && m_tracker.isIdle()) {
        m_noticeTimer.start(static_cast<int>((m_noticeSeconds - idle) * 1000.0) + 1);
    }
}

void WaylandIdleSource::dispatch()
{
    if (m_failed) {
        return;
    }
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0) {
            fail(QStringLiteral("Wayland: 处理事件失败"));
            return;
        }
    }
    pollfd descriptor{wl_display_get_fd(m_display), POLLIN, 0};
    if (::poll(&descriptor, 1, 0) > 0) {
        if (wl_display_read_events(m_display) < 0) {
            fail(QStringLiteral("Wayland: 与合成器的连接已断开"));
            return;
        }
    } else {
        wl_display_cancel_read(m_display);
    }
    if (wl_display_dispatch_pending(m_display) < 0 || wl_display_flush(m_display) < 0) {
        if (wl_display_get_error(m_display) != 0) {
            fail(QStringLiteral("Wayland: 与合成器的连接已断开"));
        }
    }
}

double WaylandIdleSource::secondsSinceLastInput()
{
    dispatch();
    if (m_failed) {
        return 0;
    }
    return m_tracker.idleSeconds(m_clock.elapsed());
}

QString WaylandIdleSource::name() const
{
    return QStringLiteral("ext-idle-notify-v1");
}

void WaylandIdleSource::fail(const QString& detail)
{
    if (m_failed) {
        return;
    }
    m_failed = true;
    if (m_socketNotifier) {
        m_socketNotifier->setEnabled(false);
    }
    m_log.log(PlatformMessages::kIdleSourceFailed, detail);
    // Nobody can tell of anything any more: the person counts as present, and a notice armed says so.
    followNotice();
}
