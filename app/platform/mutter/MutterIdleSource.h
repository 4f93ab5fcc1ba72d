// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

#include <QDBusConnection>
#include <QObject>

#include <functional>
#include <optional>

#include <memory>

class SystemLog;

// Idle time from GNOME's compositor on Wayland: org.gnome.Mutter.IdleMonitor.GetIdletime on the session
// bus, in milliseconds. The call is made once per tick with a short timeout, so a hung service can never
// stall the tick for long. A failing service is reported once; when it answers again, a later failure is
// reported again. Notices are the service's own watches: an idle watch at the seconds given, and a watch for
// the user becoming active; the service sends WatchFired once the moment comes.
class MutterIdleSource final : public QObject, public IdleSource
{
    Q_OBJECT

public:
    static constexpr int kCallTimeoutMs = 250;

    // Nothing when the session bus or the service is missing.
    static std::unique_ptr<MutterIdleSource> create(SystemLog& log,
                                                    const QDBusConnection& bus = QDBusConnection::sessionBus());

    double secondsSinceLastInput() override;
    QString name() const override;
    bool notify(Notice notice, double seconds, std::function<void()> then) override;

private slots:
    void watchFired(uint id);

private:
    MutterIdleSource(SystemLog& log, QDBusConnection bus);
    std::optional<double> query() const;
    void removeWatch();

    SystemLog& m_log;
    QDBusConnection m_bus;
    bool m_failing = false;
    // The watch armed, and what it tells.
    std::optional<uint> m_watch;
    bool m_watchIsIdle = false;
    std::function<void()> m_then;
};
