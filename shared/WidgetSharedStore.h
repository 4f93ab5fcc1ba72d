#pragma once

#include <QString>

// The container both programs share: the application writes the widget snapshot there and the widget
// only reads it.
class WidgetSharedStore
{
public:
    static inline const QString appGroupID = QStringLiteral("group.tavrin");
    static inline const QString widgetKind = QStringLiteral("TavrinStatusWidget");
    static inline const QString snapshotFileName = QStringLiteral("widget-snapshot.json");

    // <user data folder>/group.tavrin
    static QString containerPath();
    // <user data folder>/group.tavrin/widget-snapshot.json
    static QString snapshotPath();
};
