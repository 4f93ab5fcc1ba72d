// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WidgetReloader.h"

#include <QDBusConnection>

// The reload request as a signal on the session bus: /org/tavrin/WidgetCenter,
// org.tavrin.WidgetCenter.ReloadTimelines(kind). Without a session bus nothing happens.
class DBusWidgetReloader final : public WidgetReloader
{
public:
    static inline const QString kPath = QStringLiteral("/org/tavrin/WidgetCenter");
    static inline const QString kInterface = QStringLiteral("org.tavrin.WidgetCenter");
    static inline const QString kMember = QStringLiteral("ReloadTimelines");

    explicit DBusWidgetReloader(const QDBusConnection& bus = QDBusConnection::sessionBus());

    void reloadTimelines(const QString& kind) override;

private:
    QDBusConnection m_bus;
};
