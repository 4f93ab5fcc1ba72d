#include "WidgetSharedStore.h"

#include <QDir>
#include <QStandardPaths>

QString WidgetSharedStore::containerPath()
{
    QString base = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation).value(0);
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return base + QLatin1Char('/') + appGroupID;
}

QString WidgetSharedStore::snapshotPath()
{
    return containerPath() + QLatin1Char('/') + snapshotFileName;
}
