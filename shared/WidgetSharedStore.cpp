// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetSharedStore.h"

#include "DataPaths.h"
#include "PrivateFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

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
    // QSaveFile writes through a symbolic link on purpose (to the link's target, with its mode changed):
    // whatever a link planted here points at is not ours to replace.
    struct stat info
    {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
        *error = QStringLiteral("refusing to write through the symbolic link ") + path;
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) shows in write()'s result: with
    // buffering, QSaveFile commits a partly written file as if nothing had happened.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray data = snapshot.toJson();
    const qint64 written = file.write(data);
    if (written != data.size()) {
        const int code = errno;
        *error = file.error() != QFileDevice::NoError ? file.errorString() : qt_error_string(code);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<WidgetSnapshot> WidgetSharedStore::load(const QString& path)
{
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return WidgetSnapshot::fromJson(file.read(kMaxFileSize + 1));
}
