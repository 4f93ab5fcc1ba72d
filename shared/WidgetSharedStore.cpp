#include "WidgetSharedStore.h"

#include "DataPaths.h"
#include "PrivateFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray data = snapshot.toJson();
    if (file.write(data) != data.size() || !file.commit()) {
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
