// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

#include <QByteArray>

#include <functional>
#include <memory>

class QSocketNotifier;

class SystemLog;

// Idle time from the X server's MIT-SCREEN-SAVER extension, on a connection of its own. The server
// counts keyboard and pointer input of every client, which is what an X11 session needs. Where the server
// also has the SYNC extension's IDLETIME counter, notices are alarms on it: the server sends one event when
// the idle time crosses the value, and nothing else reaches the process meanwhile.
//
// If the connection breaks, Xlib's fatal-error path is caught (it would otherwise exit the process):
// the source reports the failure once and answers 0 from then on.
class XScreenSaverIdleSource final : public IdleSource
{
public:
    // Connects to the display (DISPLAY when empty). Nothing when the display or the extension is missing.
    static std::unique_ptr<XScreenSaverIdleSource> create(SystemLog& log, const QByteArray& displayName = {});
    ~XScreenSaverIdleSource() override;
    XScreenSaverIdleSource(const XScreenSaverIdleSource&) = delete;
    XScreenSaverIdleSource& operator=(const XScreenSaverIdleSource&) = delete;

    double secondsSinceLastInput() override;
    QString name() const override;
    bool notify(Notice notice, double seconds, std::function<void()> then) override;

    // The Xlib connection and its state; defined where Xlib is included.
    struct Connection;

private:
    XScreenSaverIdleSource(SystemLog& log, std::unique_ptr<Connection> connection);
    void reportFailure(const QString& detail);
    // Handles the alarm's events, and posts a drain when a reply has brought some into Xlib's queue.
    void drainEvents();
    void drainLater();

    SystemLog& m_log;
    std::unique_ptr<Connection> m_connection;
    bool m_reported = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void()> m_then;
};
