// SPDX-License-Identifier: GPL-3.0-or-later
#include "MutterIdleSource.h"

#include "PlatformMessages.h"
#include "SystemLog.h"

#include <QDBusMessage>

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString kInterface = QStringLiteral("org.gnome.Mutter.IdleMonitor");

} // namespace

std::unique_ptr<MutterIdleSource> MutterIdleSource::create(SystemLog& log, const QDBusConnection& bus)
{
    if (!bus.isConnected()) {
        return nullptr;
    }
    std::unique_ptr<MutterIdleSource> source(new MutterIdleSource(log, bus));
    if (!source->query()) {
        return nullptr;
    }
    return source;
}

MutterIdleSource::MutterIdleSource(SystemLog& log, QDBusConnection bus)
    : m_log(log)
    , m_bus(std::move(bus))
{
}

std::optional<double> MutterIdleSource::query() const
{
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetIdletime"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
        return std::nullopt;
    }
    bool ok = false;
    const qulonglong milliseconds = reply.arguments().constFirst().toULongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<double>(milliseconds) / 1000.0;
}

double MutterIdleSource::secondsSinceLastInput()
{
    if (const auto seconds = query()) {
        m_failing = false;
        return *seconds;
    }
    if (!m_failing) {
        m_failing = true;
        m_log.log(PlatformMessages::kIdleSourceFailed, QStringLiteral("Mutter IdleMonitor 无应答"));
    }
    return 0;
}

QString MutterIdleSource::name() const
{
    return QStringLiteral("Mutter IdleMonitor");
}
