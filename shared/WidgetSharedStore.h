// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WidgetSnapshot.h"

#include <QString>

#include <optional>

// The container both programs share: the application writes the widget snapshot there and the widget
// only reads it. The file is replaced whole and atomically, so a reader sees the old snapshot or the
// new one, never a mixture.
class WidgetSharedStore
{
public:
    static inline const QString appGroupID = QStringLiteral("group.tavrin");
    static inline const QString widgetKind = QStringLiteral("TavrinStatusWidget");
    static inline const QString snapshotFileName = QStringLiteral("widget-snapshot.json");
    static inline const QString kSaveFailed =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 写入小组件快照失败 "));
    // Anything larger is not a snapshot; it is not read at all.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

    // <user data folder>/group.tavrin
    static QString containerPath();
    // <user data folder>/group.tavrin/widget-snapshot.json
    static QString snapshotPath();

    // Creates the container (0700) and replaces the file (0600). On failure, false with the platform's
    // description of the error; the previous file stays intact.
    static bool save(const WidgetSnapshot& snapshot, QString* error, const QString& path = snapshotPath());
    // The snapshot, or nothing when the file is missing, unreadable or not a valid snapshot.
    static std::optional<WidgetSnapshot> load(const QString& path = snapshotPath());
};
