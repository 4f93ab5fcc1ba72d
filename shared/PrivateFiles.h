// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Usage history and settings are personal: every folder Tavrin creates is 0700 and every file it
// writes is 0600, whatever the umask says.
namespace PrivateFiles {

// Creates the folder (and missing parents) if needed; a folder this call creates gets mode 0700, and
// nothing else's mode is touched. True when the folder exists afterwards.
bool ensureDirectory(const QString& path);
// Creates an empty file with mode 0600 if none exists; an existing file is never truncated.
// True when the file exists afterwards.
bool ensureFile(const QString& path);
// Restricts an existing file to its owner. True on success.
bool restrictToOwner(const QString& path);
// True when nothing stands at the path, or a regular file (a link to one counts): what may be opened and replaced.
// A FIFO, a device, a folder or a link to anything else or to nothing may not.
bool isRegularOrAbsent(const QString& path);
// The whole content of a regular file of at most maxBytes (a link to one counts), read without ever blocking:
// a FIFO, a device or a folder at the path yields nothing at once, as a missing or unreadable file does.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

} // namespace PrivateFiles
