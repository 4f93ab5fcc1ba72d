// SPDX-License-Identifier: GPL-3.0-or-later
#include "DBusWidgetReloader.h"

#include <QDBusMessage>

DBusWidgetReloader::DBusWidgetReloader(const QDBusConnection& bus)
    : m_bus(bus)
{
}

void DBusWidgetReloader::reloadTimelines(const QString& kind)
{
    if (!m_bus.isConnected()) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, kMember);
    signal << kind;
    m_bus.send(signal);
}
