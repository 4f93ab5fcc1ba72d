// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "PrivateFiles.h"
#include "SystemLog.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kAskTimeoutMs = 2000;
constexpr qint64 kFreshLockMs = 2000;
const QByteArray kReopenCommand = QByteArrayLiteral("reopen\n");
const QString kSocketName = QStringLiteral("/tavrin.socket");

// The socket's address, or nothing when the path does not fit in one.
std::optional<sockaddr_un> socketAddress(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    if (encoded.isEmpty() || static_cast<size_t>(encoded.size()) >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, encoded.constData(), static_cast<size_t>(encoded.size()));
    return address;
}

} // namespace

SingleInstance::SingleInstance(const QDBusConnection& bus, QString runtimeFolder, SystemLog& log, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_runtimeFolder(std::move(runtimeFolder))
    , m_log(log)
{
}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0) {
        m_listening.reset();
        for (QSocketNotifier* connection : findChildren<QSocketNotifier*>()) {
            ::close(static_cast<int>(connection->socket()));
        }
        ::close(m_listener);
        ::unlink(QFile::encodeName(m_runtimeFolder + kSocketName).constData());
    }
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
        m_listening.reset();
        if (m_listener >= 0) {
            ::close(m_listener);
            m_listener = -1;
        }
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
    const QString path = m_runtimeFolder + QStringLiteral("/tavrin.lock");
    // A folder, a FIFO or a device can never be a lock, nor be taken over.
    if (const QFileInfo file(path); file.exists() && !file.isFile()) {
        m_problem = (file.isDir() ? QCoreApplication::translate("SingleInstance", "%1：是一个文件夹")
                                  : QCoreApplication::translate("SingleInstance", "%1：不是普通文件"))
                        .arg(path);
        return false;
    }
    m_lock = std::make_unique<QLockFile>(path);
    // A lock left by a crashed instance is stale once its process is gone; QLockFile checks the PID.
    m_lock->setStaleLockTime(0);
    bool locked = m_lock->tryLock(0);
    // A lock QLockFile cannot read (empty or garbled by a crash or power loss) or one naming another host (the
    // runtime folder is this machine's own) names no live Tavrin: it is taken over.
    const bool stale = !locked && isStale(path, *m_lock);
    if (stale && m_lock->removeStaleLockFile()) {
        locked = m_lock->tryLock(0);
        if (locked) {
            m_log.log(kStaleLockTakenOver, path);
        }
    }
    if (!locked) {
        if (stale || m_lock->error() != QLockFile::LockFailedError) {
            m_problem = QCoreApplication::translate("SingleInstance", "%1：无法读写").arg(path);
        } else {
            // The owner listens on the socket whichever way it reached the session.
            askOwnerOverSocket();
        }
        m_lock.reset();
        return false;
    }
    listen(m_runtimeFolder + kSocketName);
    return true;
}

bool SingleInstance::isStale(const QString& path, const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    const auto namesAnotherHost = [&] { return !host.isEmpty() && host != QSysInfo::machineHostName(); };
    if (lock.getLockInfo(&pid, &host, &application)) {
        return namesAnotherHost();
    }
    // Unreadable: a lock being written this very moment is empty for an instant. A young one is read again once
    // it is old enough to have been written (the start waits two seconds at most, and only then).
    const qint64 age = std::abs(QFileInfo(path).lastModified().msecsTo(QDateTime::currentDateTime()));
    if (age < kFreshLockMs) {
        QThread::msleep(static_cast<unsigned long>(kFreshLockMs - age));
        if (lock.getLockInfo(&pid, &host, &application)) {
            return namesAnotherHost();
        }
    }
    return true;
}

void SingleInstance::listen(const QString& socketPath)
{
    const auto address = socketAddress(socketPath);
    if (!address) {
        m_log.log(QString::fromUtf8(QT_TRANSLATE_NOOP(
                      "SystemLog",
                      "Tavrin: 运行目录的路径太长，无法建立本地套接字，没有会话总线时再次启动将无法找到本程序：")),
                  socketPath);
        return;
    }
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) {
        return;
    }
    // The lock is ours, so a socket file left here belongs to an instance that is gone.
    ::unlink(address->sun_path);
    const auto* generic = reinterpret_cast<const sockaddr*>(&*address);
    if (::bind(listener, generic, sizeof(*address)) != 0 || ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 ||
        ::listen(listener, SOMAXCONN) != 0) {
        m_log.log(QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 无法在本地套接字上等待再次启动的请求：")),
                  socketPath + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
        ::close(listener);
        return;
    }
    m_listener = listener;
    m_listening = std::make_unique<QSocketNotifier>(listener, QSocketNotifier::Read);
    connect(m_listening.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
}

void SingleInstance::acceptConnections()
{
    int fd = -1;
    while ((fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        // One line per connection; what a second launch sends is read as it arrives.
        auto* connection = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto received = std::make_shared<QByteArray>();
        connect(connection, &QSocketNotifier::activated, this, [this, connection, received, fd] {
            char buffer[64];
            const ssize_t count = ::read(fd, buffer, sizeof(buffer));
            if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
                return;
            }
            if (count > 0) {
                received->append(buffer, count);
                if (!received->contains('\n') && received->size() < kReopenCommand.size()) {
                    return;
                }
                if (received->startsWith(kReopenCommand)) {
                    emit reopenRequested();
                }
            }
            // Out of the children the destructor closes: the descriptor is closed here, once.
            connection->setEnabled(false);
            connection->setParent(nullptr);
            ::close(fd);
            connection->deleteLater();
        });
    }
}

void SingleInstance::askOwnerOverSocket()
{
    const auto address = socketAddress(m_runtimeFolder + kSocketName);
    const int fd = address ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    if (fd < 0) {
        return;
    }
    const timeval timeout{kAskTimeoutMs / 1000, (kAskTimeoutMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, kReopenCommand.constData(), kReopenCommand.size());
    }
    ::close(fd);
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
