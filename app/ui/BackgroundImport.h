// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class SystemLog;

// Copies a chosen overlay background into Tavrin's own folder, so that the overlay keeps showing it after
// the original moves. Only the newest import is kept.
namespace BackgroundImport {

inline const QString kFailure = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 导入背景图失败 "));

// <data folder>/Tavrin/backgrounds.
QString defaultFolder();

// Why the file cannot be a background, for the user to read: not a regular file (a device would block
// the reading for ever), or larger than the overlay takes. Nothing when it can.
std::optional<QString> refusal(const QString& source);

// Copies the file there as background-<epochSeconds>.<ext> ("img" without an extension), private to the
// user, and only then removes the earlier imports; a file that is already in the folder is used as it is.
// The copy's path, or nothing after logging why, with the earlier import still in place.
std::optional<QString> importImage(const QString& source, const QString& folder, qint64 epochSeconds, SystemLog& log);

} // namespace BackgroundImport
