// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataPaths.h"

#include "PrivateFiles.h"

#include <QDir>
#include <QStandardPaths>

namespace DataPaths {

QString userDataFolder()
{
    const QString first = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation).value(0);
    // Without a home folder Qt has no answer; any private place will do.
    return first.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : first;
}

QString applicationFolder()
{
    const QString folder = userDataFolder() + QStringLiteral("/Tavrin");
    PrivateFiles::ensureDirectory(folder);
    return folder;
}

} // namespace DataPaths
