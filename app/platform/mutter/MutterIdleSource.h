// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

#include <QDBusConnection>

#include <memory>

class SystemLog;

// Idle time from GNOME's compositor on Wayland: org.gnome.Mutter.IdleMonitor.GetIdletime on the session
// bus, in milliseconds. The call is made once per tick with a short timeout, so a hung service can never
// stall the tick for long. A failing service is reported once; when it answers again, a later failure is
// reported again.
class MutterIdleSource final : public IdleSource
{
public:
    static constexpr int kCallTimeoutMs = 250;

    // Nothing when the session bus or the service is missing.
    static std::unique_ptr<MutterIdleSource> create(SystemLog& log,
                                                    const QDBusConnection& bus = QDBusConnection::sessionBus());

    double secondsSinceLastInput() override;
    QString name() const override;

private:
    MutterIdleSource(SystemLog& log, QDBusConnection bus);
    std::optional<double> query() const;

    SystemLog& m_log;
    QDBusConnection m_bus;
    bool m_failing = false;
};
