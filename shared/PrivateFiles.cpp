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

} // namespace PrivateFiles
