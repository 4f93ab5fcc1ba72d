// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogindSleepWatcher.h"

#include "PlatformMessages.h"
#include "SystemLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kInterface = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

std::unique_ptr<LogindSleepWatcher> LogindSleepWatcher::create(SystemLog& log, const QDBusConnection& bus)
{
    if (!bus.isConnected()) {
        log.log(PlatformMessages::kNoSleepHandling, bus.lastError().message());
        return nullptr;
    }
    return std::unique_ptr<LogindSleepWatcher>(new LogindSleepWatcher(log, bus));
}

LogindSleepWatcher::LogindSleepWatcher(SystemLog& log, QDBusConnection bus)
    : m_log(log)
    , m_bus(std::move(bus))
{
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("PrepareForSleep"), this, SLOT(onPrepareForSleep(bool)));
    takeInhibitor();
}

void LogindSleepWatcher::takeInhibitor()
{
    if (m_inhibitor.isValid() || m_requestPending) {
        return;
    }
    m_requestPending = true;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Tavrin") << QStringLiteral("保存使用记录")
         << QStringLiteral("delay");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        m_requestPending = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
        if (reply.isError()) {
            if (!m_reportedInhibitFailure) {
                m_reportedInhibitFailure = true;
                m_log.log(PlatformMessages::kNoSleepHandling, reply.error().message());
            }
            return;
        }
        m_inhibitor = reply.value();
        emit inhibitorChanged(true);
    });
}

void LogindSleepWatcher::releaseInhibitor()
{
    if (m_inhibitor.isValid()) {
        m_inhibitor = QDBusUnixFileDescriptor();
        emit inhibitorChanged(false);
    }
}

void LogindSleepWatcher::onPrepareForSleep(bool start)
{
    if (start) {
        emit aboutToSleep();
        releaseInhibitor();
    } else {
        takeInhibitor();
    }
}
