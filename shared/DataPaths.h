// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where Tavrin keeps its files: the first of the user's generic data folders ($XDG_DATA_HOME,
// ~/.local/share by default).
namespace DataPaths {

QString userDataFolder();
// <user data folder>/Tavrin, created private (0700) if missing: the database and imported backgrounds.
QString applicationFolder();

} // namespace DataPaths
