// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFiles {

bool ensureDirectory(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        return true;
    }
    const QString parent = info.absolutePath();
    if (!QFileInfo(parent).isDir() && !ensureDirectory(parent)) {
        return false;
    }
    const QByteArray native = QFile::encodeName(info.absoluteFilePath());
    if (::mkdir(native.constData(), S_IRWXU) != 0) {
        // Something is there already: a folder made meanwhile is fine, a file is not ours to change.
        return errno == EEXIST && QFileInfo(path).isDir();
    }
    // mkdir applies the umask, which can only remove bits; set the mode exactly, on what we just made.
    ::chmod(native.constData(), S_IRWXU);
    return true;
}

bool ensureFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EEXIST;
}

bool restrictToOwner(const QString& path)
{
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool isRegularOrAbsent(const QString& path)
{
    const QFileInfo file(path);
    if (file.isSymLink()) {
        return QFileInfo(file.symLinkTarget()).isFile();
    }
    return !file.exists() || file.isFile();
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes)
{
    // Non-blocking: opening a FIFO for reading would otherwise wait for a writer for good.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<QByteArray> content;
    struct stat info
    {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxBytes) {
        QByteArray data(static_cast<qsizetype>(maxBytes) + 1, Qt::Uninitialized);
        qsizetype total = 0;
        ssize_t count = 0;
        while (total < data.size() &&
               (count = ::read(fd, data.data() + total, static_cast<size_t>(data.size() - total))) > 0) {
            total += count;
        }
        if (count >= 0 && total <= maxBytes) {
            data.truncate(total);
            content = std::move(data);
        }
    }
    ::close(fd);
    return content;
}

} // namespace PrivateFiles
