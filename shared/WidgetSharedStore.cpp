// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetSharedStore.h"

#include "DataPaths.h"
#include "PrivateFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString WidgetSharedStore::containerPath()
{
    return DataPaths::userDataFolder() + QLatin1Char('/') + appGroupID;
}

QString WidgetSharedStore::snapshotPath()
{
    return containerPath() + QLatin1Char('/') + snapshotFileName;
}

bool WidgetSharedStore::save(const WidgetSnapshot& snapshot, QString* error, const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!PrivateFiles::ensureDirectory(folder)) {
        *error = QStringLiteral("cannot create ") + folder;
        return false;
    }
    // A symbolic link planted here, and whatever it points at, is not ours to replace.
    struct stat info
    {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
        *error = QStringLiteral("refusing to write through the symbolic link ") + path;
        return false;
    }
    // Written beside its name and renamed over it, so that a reader sees the old file or the new one whole.
    // Not synced to the disk: the snapshot is rewritten every minute and a lost one costs nothing, while a
    // sync per write made each one cost five times its size on the disk of a person who is not even there.
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC); // 0600
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    const QByteArray data = snapshot.toJson();
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // A short write (a full disk, a size limit) is never committed.
            *error = qt_error_string(written < 0 ? errno : ENOSPC);
            ::close(fd);
            ::unlink(temporary.constData());
            return false;
        }
        done += written;
    }
    if (::close(fd) != 0 || ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        *error = qt_error_string(errno);
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

std::optional<WidgetSnapshot> WidgetSharedStore::load(const QString& path)
{
    const auto content = PrivateFiles::readRegularFile(path, kMaxFileSize);
    return content ? WidgetSnapshot::fromJson(*content) : std::nullopt;
}
