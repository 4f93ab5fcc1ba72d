// The composition root: builds the real objects and hands them to each other.

#include "DataPaths.h"
#include "SettingsUserDefaults.h"
#include "UsageDatabase.h"
#include "WidgetSharedStore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavrin"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavrin"));

    // Until the tray application exists, tell the developer where Tavrin keeps its data.
    const SettingsUserDefaults defaults;
    QTextStream out(stdout);
    out << "Tavrin " << QStringLiteral(TAVRIN_VERSION) << '\n';
    out << "settings:        " << defaults.fileName() << '\n';
    out << "database:        " << UsageDatabase::defaultPath() << '\n';
    out << "widget snapshot: " << WidgetSharedStore::snapshotPath() << '\n';
    return 0;
}
