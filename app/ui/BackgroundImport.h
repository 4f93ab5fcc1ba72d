#pragma once

#include <QString>

#include <optional>

class SystemLog;

// Copies a chosen overlay background into Tavrin's own folder, so that the overlay keeps showing it after
// the original moves. Only the newest import is kept.
namespace BackgroundImport {

inline const QString kFailure = QStringLiteral("Tavrin: 导入背景图失败 ");

// <data folder>/Tavrin/backgrounds.
QString defaultFolder();

// Empties the folder (earlier imports), then copies the file there as background-<epochSeconds>.<ext>
// ("img" without an extension), private to the user. The copy's path, or nothing after logging why.
std::optional<QString> importImage(const QString& source, const QString& folder, qint64 epochSeconds, SystemLog& log);

} // namespace BackgroundImport
