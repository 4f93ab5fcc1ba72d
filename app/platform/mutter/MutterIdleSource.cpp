// SPDX-License-Identifier: GPL-3.0-or-later
#include "MutterIdleSource.h"

#include "PlatformMessages.h"
#include "SystemLog.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>

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
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("WatchFired"), this, SLOT(watchFired(uint)));
}

bool MutterIdleSource::notify(Notice notice, double seconds, std::function<void()> then)
{
    removeWatch();
    const bool idle = notice == Notice::idleReaches;
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, kInterface, idle ? QStringLiteral("AddIdleWatch") : QStringLiteral("AddUserActiveWatch"));
    if (idle) {
        call << QVariant::fromValue(static_cast<qulonglong>(seconds * 1000.0));
    }
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    bool ok = false;
    const uint id = reply.arguments().value(0).toUInt(&ok);
    if (reply.type() != QDBusMessage::ReplyMessage || !ok) {
        return false;
    }
    m_watch = id;
    m_watchIsIdle = idle;
    m_then = std::move(then);
    // The moment may have come between the last answer and the watch: the service only tells of the next one.
    const auto now = query();
    if (!now || (idle ? *now >= seconds : *now < seconds)) {
        QMetaObject::invokeMethod(
            this, [this, id] { watchFired(id); }, Qt::QueuedConnection);
    }
    return true;
}

void MutterIdleSource::watchFired(uint id)
{
    if (m_watch == id && m_then) {
        // An idle watch would fire again at every idle stretch; one for activity is gone once fired.
        if (m_watchIsIdle) {
            removeWatch();
        }
        m_watch.reset();
        std::exchange(m_then, {})();
    }
}

void MutterIdleSource::removeWatch()
{
    if (m_watch) {
        m_bus.asyncCall(QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("RemoveWatch"))
                        << *m_watch);
        m_watch.reset();
    }
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
        m_log.log(PlatformMessages::kIdleSourceFailed,
                  QCoreApplication::translate("SystemLog", "Mutter IdleMonitor 无应答"));
    }
    return 0;
}

QString MutterIdleSource::name() const
{
    return QStringLiteral("Mutter IdleMonitor");
}
