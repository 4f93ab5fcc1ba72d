// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "PrivateFiles.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

constexpr int kAskTimeoutMs = 2000;
const QByteArray kReopenCommand = QByteArrayLiteral("reopen\n");

} // namespace

SingleInstance::SingleInstance(const QDBusConnection& bus, QString runtimeFolder, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_runtimeFolder(std::move(runtimeFolder))
{
}

SingleInstance::~SingleInstance()
{
    if (m_ownsName) {
        m_bus.unregisterObject(kObjectPath);
        m_bus.unregisterService(kServiceName);
    }
}

bool SingleInstance::claim()
{
    // The lock in the runtime folder decides, whether or not this process reaches a session bus: two
    // starts that reach each other by different ways (one without a bus, one with it) still find one
    // owner. The owner also takes the bus name, so that commands and a second launch find it there.
    if (!claimWithLock()) {
        return false;
    }
    if (m_bus.isConnected() && !claimOnBus()) {
        // Another process holds the name without the lock (a Tavrin with another runtime folder): it stays
        // the one, and this process leaves.
        m_server.reset();
        m_lock.reset();
        return false;
    }
    return true;
}

bool SingleInstance::claimOnBus()
{
    m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots);
    const auto reply = m_bus.interface()->registerService(kServiceName, QDBusConnectionInterface::DontQueueService,
                                                          QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_ownsName = true;
        return true;
    }
    m_bus.unregisterObject(kObjectPath);
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kServiceName, kObjectPath, QStringLiteral("org.tavrin.Tavrin"), QStringLiteral("Reopen"));
    m_bus.call(call, QDBus::Block, kAskTimeoutMs);
    return false;
}

bool SingleInstance::claimWithLock()
{
    PrivateFiles::ensureDirectory(m_runtimeFolder);
    const QString socketPath = m_runtimeFolder + QStringLiteral("/tavrin.socket");
    m_lock = std::make_unique<QLockFile>(m_runtimeFolder + QStringLiteral("/tavrin.lock"));
    // A lock left by a crashed instance is stale once its process is gone; QLockFile checks the PID.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        // The owner listens on the socket whichever way it reached the session.
        m_lock.reset();
        askOwnerOverSocket();
        return false;
    }
    QLocalServer::removeServer(socketPath);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->canReadLine() && socket->readLine() == kReopenCommand) {
                    emit reopenRequested();
                }
            });
        }
    });
    m_server->listen(socketPath);
    return true;
}

void SingleInstance::askOwnerOverSocket()
{
    QLocalSocket socket;
    socket.connectToServer(m_runtimeFolder + QStringLiteral("/tavrin.socket"));
    if (socket.waitForConnected(kAskTimeoutMs)) {
        socket.write(kReopenCommand);
        socket.waitForBytesWritten(kAskTimeoutMs);
        socket.disconnectFromServer();
    }
}

void SingleInstance::exportAdaptors()
{
    if (!m_ownsName) {
        return;
    }
    // Qt hooks an object's adaptors up when it is registered: register it again now that they exist.
    m_bus.unregisterObject(kObjectPath);
    m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportAdaptors);
}

void SingleInstance::Reopen()
{
    emit reopenRequested();
}
