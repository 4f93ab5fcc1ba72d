// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

#include <QByteArray>

#include <memory>

class SystemLog;

// Idle time from the X server's MIT-SCREEN-SAVER extension, on a connection of its own. The server
// counts keyboard and pointer input of every client, which is what an X11 session needs.
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

    // The Xlib connection and its state; defined where Xlib is included.
    struct Connection;

private:
    XScreenSaverIdleSource(SystemLog& log, std::unique_ptr<Connection> connection);
    void reportFailure(const QString& detail);

    SystemLog& m_log;
    std::unique_ptr<Connection> m_connection;
    bool m_reported = false;
};
