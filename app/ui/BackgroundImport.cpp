// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundImport.h"

#include "DataPaths.h"
#include "OverlayBackground.h"
#include "PrivateFiles.h"
#include "SystemLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BackgroundImport)
};

} // namespace

namespace BackgroundImport {

QString defaultFolder()
{
    return DataPaths::userDataFolder() + QStringLiteral("/Tavrin/backgrounds");
}

std::optional<QString> refusal(const QString& source)
{
    const QFileInfo file(source);
    if (!file.isFile()) {
        return Texts::tr("这不是一个普通的图片文件。");
    }
    if (file.size() > OverlayBackground::kMaxFileBytes) {
        return Texts::tr("图片超过 %1 MB，请选择小一些的图片。").arg(OverlayBackground::kMaxFileBytes >> 20);
    }
    return std::nullopt;
}

std::optional<QString> importImage(const QString& source, const QString& folder, qint64 epochSeconds, SystemLog& log)
{
    if (!PrivateFiles::ensureDirectory(folder)) {
        log.log(kFailure, Texts::tr("无法创建文件夹 %1").arg(folder));
        return std::nullopt;
    }
    const QDir directory(folder);
    const QFileInfo original(source);
    if (original.canonicalPath() == QFileInfo(folder).canonicalFilePath()) {
        return original.absoluteFilePath();
    }
    const QString suffix = original.suffix().isEmpty() ? QStringLiteral("img") : original.suffix();
    QString target = directory.filePath(QStringLiteral("background-%1.%2").arg(epochSeconds).arg(suffix));
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = directory.filePath(QStringLiteral("background-%1-%2.%3").arg(epochSeconds).arg(n).arg(suffix));
    }
    QFile file(source);
    if (!file.copy(target)) {
        log.log(kFailure, file.errorString());
        QFile::remove(target); // a part written before the disk filled up
        return std::nullopt;
    }
    PrivateFiles::restrictToOwner(target);
    for (const QFileInfo& item :
         directory.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (item.absoluteFilePath() == QFileInfo(target).absoluteFilePath()) {
            continue;
        }
        // A leftover that will not go away only costs disk space.
        if (item.isDir() && !item.isSymLink()) {
            QDir(item.filePath()).removeRecursively();
        } else {
            QFile::remove(item.filePath());
        }
    }
    return target;
}

} // namespace BackgroundImport
