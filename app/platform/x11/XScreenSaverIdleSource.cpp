// SPDX-License-Identifier: GPL-3.0-or-later
#include "XScreenSaverIdleSource.h"

#include "PlatformMessages.h"
#include "SystemLog.h"

// Xlib last: its macros (None, Bool, Status) clash with Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

struct XScreenSaverIdleSource::Connection
{
    Display* display = nullptr;
    XScreenSaverInfo* info = nullptr;
    bool broken = false;
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
    return static_cast<double>(m_connection->info->idle) / 1000.0;
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
