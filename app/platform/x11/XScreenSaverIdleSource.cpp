// SPDX-License-Identifier: GPL-3.0-or-later
#include "XScreenSaverIdleSource.h"

#include "PlatformMessages.h"
#include "SystemLog.h"

#include <QSocketNotifier>

// Xlib last: its macros (None, Bool, Status) clash with Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <X11/extensions/sync.h>

struct XScreenSaverIdleSource::Connection
{
    Display* display = nullptr;
    XScreenSaverInfo* info = nullptr;
    bool broken = false;
    // The SYNC extension's idle counter, in milliseconds; 0 without it.
    XSyncCounter idleCounter = 0;
    int syncEventBase = 0;
    XSyncAlarm alarm = 0;
    // The value the alarm waits for: an event of the notice before carries another.
    int armedMs = 0;
};

namespace {

// Xlib calls this on a fatal I/O error (the server went away). The default prints and the default exit
// handler ends the process; ours only stays quiet, and the per-display exit handler below marks the
// connection as dead instead of exiting.
int quietIOErrorHandler(Display*)
{
    return 0;
}

void markBroken(Display*, void* userData)
{
    static_cast<XScreenSaverIdleSource::Connection*>(userData)->broken = true;
}

XSyncCounter idleCounter(Display* display, int* eventBase)
{
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XSyncQueryExtension(display, eventBase, &errorBase) || !XSyncInitialize(display, &major, &minor)) {
        return 0;
    }
    int count = 0;
    XSyncSystemCounter* counters = XSyncListSystemCounters(display, &count);
    XSyncCounter found = 0;
    for (int i = 0; i < count; ++i) {
        if (qstrcmp(counters[i].name, "IDLETIME") == 0) {
            found = counters[i].counter;
        }
    }
    if (counters) {
        XSyncFreeSystemCounterList(counters);
    }
    return found;
}

} // namespace

std::unique_ptr<XScreenSaverIdleSource> XScreenSaverIdleSource::create(SystemLog& log, const QByteArray& displayName)
{
    Display* display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display) {
        return nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase)) {
        XCloseDisplay(display);
        return nullptr;
    }
    auto connection = std::make_unique<Connection>();
    connection->display = display;
    connection->info = XScreenSaverAllocInfo();
    connection->idleCounter = idleCounter(display, &connection->syncEventBase);
    XSetIOErrorHandler(quietIOErrorHandler);
    XSetIOErrorExitHandler(display, markBroken, connection.get());
    return std::unique_ptr<XScreenSaverIdleSource>(new XScreenSaverIdleSource(log, std::move(connection)));
}

XScreenSaverIdleSource::XScreenSaverIdleSource(SystemLog& log, std::unique_ptr<Connection> connection)
    : m_log(log)
    , m_connection(std::move(connection))
{
}

XScreenSaverIdleSource::~XScreenSaverIdleSource()
{
    m_notifier.reset();
    XFree(m_connection->info);
    // A broken connection must not be used again, not even to close it.
    if (!m_connection->broken) {
        XCloseDisplay(m_connection->display);
    }
}

double XScreenSaverIdleSource::secondsSinceLastInput()
{
    if (m_connection->broken) {
        return 0;
    }
    Display* display = m_connection->display;
    const int status = XScreenSaverQueryInfo(display, DefaultRootWindow(display), m_connection->info);
    if (m_connection->broken || status == 0) {
        reportFailure(QStringLiteral("XScreenSaver: 与 X 服务器的连接已断开"));
        m_connection->broken = true;
        return 0;
    }
    drainLater();
    return static_cast<double>(m_connection->info->idle) / 1000.0;
}

bool XScreenSaverIdleSource::notify(Notice notice, double seconds, std::function<void()> then)
{
    Connection& connection = *m_connection;
    if (connection.broken || !connection.idleCounter) {
        return false;
    }
    // A comparison with no delta triggers once, at once if it already holds, and then the alarm rests.
    XSyncAlarmAttributes attributes{};
    attributes.trigger.counter = connection.idleCounter;
    attributes.trigger.value_type = XSyncAbsolute;
    connection.armedMs = static_cast<int>(seconds * 1000.0);
    XSyncIntToValue(&attributes.trigger.wait_value, connection.armedMs);
    attributes.trigger.test_type = notice == Notice::idleReaches ? XSyncPositiveComparison : XSyncNegativeComparison;
    XSyncIntToValue(&attributes.delta, 0);
    attributes.events = True;
    const unsigned long mask =
        XSyncCACounter | XSyncCAValueType | XSyncCAValue | XSyncCATestType | XSyncCADelta | XSyncCAEvents;
    if (connection.alarm) {
        XSyncChangeAlarm(connection.display, connection.alarm, mask, &attributes);
    } else {
        connection.alarm = XSyncCreateAlarm(connection.display, mask, &attributes);
    }
    XFlush(connection.display);
    if (connection.broken) {
        return false;
    }
    m_then = std::move(then);
    if (!m_notifier) {
        m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(connection.display), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { drainEvents(); });
    }
    return true;
}

void XScreenSaverIdleSource::drainLater()
{
    if (m_notifier && !m_connection->broken && XEventsQueued(m_connection->display, QueuedAlready) > 0) {
        QMetaObject::invokeMethod(
            m_notifier.get(), [this] { drainEvents(); }, Qt::QueuedConnection);
    }
}

void XScreenSaverIdleSource::drainEvents()
{
    Connection& connection = *m_connection;
    if (connection.broken) {
        m_notifier->setEnabled(false);
        return;
    }
    bool rang = false;
    while (!connection.broken && XPending(connection.display) > 0) {
        XEvent event;
        XNextEvent(connection.display, &event);
        if (event.type == connection.syncEventBase + XSyncAlarmNotify) {
            const auto* alarm = reinterpret_cast<XSyncAlarmNotifyEvent*>(&event);
            rang = rang || (alarm->alarm == connection.alarm &&
                            static_cast<int>(XSyncValueLow32(alarm->alarm_value)) == connection.armedMs);
        }
    }
    if (connection.broken) {
        // The server went away: nobody can tell of anything any more, so the person counts as present.
        m_notifier->setEnabled(false);
        reportFailure(QStringLiteral("XScreenSaver: 与 X 服务器的连接已断开"));
        rang = true;
    }
    if (rang && m_then) {
        std::exchange(m_then, {})();
    }
}

QString XScreenSaverIdleSource::name() const
{
    return QStringLiteral("XScreenSaver");
}

void XScreenSaverIdleSource::reportFailure(const QString& detail)
{
    if (!m_reported) {
        m_reported = true;
        m_log.log(PlatformMessages::kIdleSourceFailed, detail);
    }
}
