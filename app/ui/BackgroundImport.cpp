#include "BackgroundImport.h"

#include "DataPaths.h"
#include "PrivateFiles.h"
#include "SystemLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace BackgroundImport {

QString defaultFolder()
{
    return DataPaths::userDataFolder() + QStringLiteral("/Tavrin/backgrounds");
}

std::optional<QString> importImage(const QString& source, const QString& folder, qint64 epochSeconds, SystemLog& log)
{
    if (!PrivateFiles::ensureDirectory(folder)) {
        log.log(kFailure, QStringLiteral("无法创建文件夹 ") + folder);
        return std::nullopt;
    }
    QDir directory(folder);
    for (const QFileInfo& item :
         directory.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        // A leftover that will not go away only costs disk space; the import goes on.
        if (item.isDir() && !item.isSymLink()) {
            QDir(item.filePath()).removeRecursively();
        } else {
            QFile::remove(item.filePath());
        }
    }
    const QString suffix = QFileInfo(source).suffix();
    const QString target = directory.filePath(
        QStringLiteral("background-%1.%2").arg(epochSeconds).arg(suffix.isEmpty() ? QStringLiteral("img") : suffix));
    QFile file(source);
    if (!file.copy(target)) {
        log.log(kFailure, file.errorString());
        return std::nullopt;
    }
    PrivateFiles::restrictToOwner(target);
    return target;
}

} // namespace BackgroundImport
