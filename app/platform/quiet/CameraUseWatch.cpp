// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraUseWatch.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <cstring>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

bool isVideoDevice(const QString& name)
{
    return name.startsWith(QLatin1String("video"));
}

} // namespace

CameraUseWatch::CameraUseWatch(QString deviceFolder, QString processFolder, QObject* parent)
    : QObject(parent)
    , m_deviceFolder(std::move(deviceFolder))
    , m_processFolder(std::move(processFolder))
{
}

CameraUseWatch::~CameraUseWatch()
{
    stop();
}

bool CameraUseWatch::start()
{
    if (m_fd >= 0) {
        return true;
    }
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        return false;
    }
    m_folderWatch =
        inotify_add_watch(m_fd, QFile::encodeName(m_deviceFolder).constData(), IN_CREATE | IN_DELETE | IN_ONLYDIR);
    const QStringList names = QDir(m_deviceFolder).entryList({QStringLiteral("video*")}, QDir::System | QDir::Files);
    for (const QString& name : names) {
        watchDevice(name);
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CameraUseWatch::readEvents);
    countOpenFiles();
    return true;
}

void CameraUseWatch::stop()
{
    if (m_fd < 0) {
        return;
    }
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_fd);
    m_fd = -1;
    m_folderWatch = -1;
    m_devices.clear();
    const bool wasOpen = isOpen();
    m_opens.clear();
    if (wasOpen) {
        emit openChanged();
    }
}

bool CameraUseWatch::isOpen() const
{
    for (const int count : m_opens) {
        if (count > 0) {
            return true;
        }
    }
    return false;
}

void CameraUseWatch::watchDevice(const QString& name)
{
    const QByteArray path = QFile::encodeName(m_deviceFolder + QLatin1Char('/') + name);
    const int watch = inotify_add_watch(m_fd, path.constData(), IN_OPEN | IN_CLOSE);
    if (watch >= 0) {
        m_devices.insert(watch, name);
    }
}

void CameraUseWatch::readEvents()
{
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer.data(), buffer.size());
        if (length <= 0) {
            return; // EAGAIN: all read
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->wd == m_folderWatch) {
                const QString name = event->len ? QFile::decodeName(event->name) : QString();
                if (isVideoDevice(name) && (event->mask & IN_CREATE)) {
                    watchDevice(name);
                }
                continue;
            }
            const QString name = m_devices.value(event->wd);
            if (event->mask & IN_IGNORED) {
                // The device is gone, and with it whoever had it open.
                m_devices.remove(event->wd);
                setOpenCount(name, 0);
            } else if (event->mask & IN_OPEN) {
                setOpenCount(name, m_opens.value(name) + 1);
            } else if (event->mask & IN_CLOSE) {
                // A close of what was open before we looked counts for nothing.
                setOpenCount(name, std::max(0, m_opens.value(name) - 1));
            }
        }
    }
}

void CameraUseWatch::countOpenFiles()
{
    if (m_processFolder.isEmpty()) {
        return;
    }
    const QString devices = m_deviceFolder + QLatin1Char('/');
    const QStringList processes = QDir(m_processFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        bool numeric = false;
        process.toInt(&numeric);
        if (!numeric) {
            continue;
        }
        // Other users' file tables are closed to us; their cameras are not ours to see anyway.
        const QDir fds(m_processFolder + QLatin1Char('/') + process + QStringLiteral("/fd"));
        for (const QString& fd : fds.entryList(QDir::Files | QDir::System)) {
            const QString target = QFile::symLinkTarget(fds.filePath(fd));
            if (target.startsWith(devices) && isVideoDevice(target.mid(devices.size()))) {
                const QString name = target.mid(devices.size());
                setOpenCount(name, m_opens.value(name) + 1);
            }
        }
    }
}

void CameraUseWatch::setOpenCount(const QString& name, int count)
{
    const bool wasOpen = isOpen();
    if (count > 0) {
        m_opens.insert(name, count);
    } else {
        m_opens.remove(name);
    }
    if (isOpen() != wasOpen) {
        emit openChanged();
    }
}
