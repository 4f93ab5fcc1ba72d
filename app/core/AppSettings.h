#pragma once

#include "OverlayBackgroundStyle.h"
#include "ReminderStyle.h"
#include "RuleConfig.h"
#include "ThemeMode.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Every user preference, as one value. Windows change a preference by assigning a modified copy of the
// whole record; it is stored as one JSON document.
struct AppSettings
{
    bool launchAtStartup = false;
    bool showStatusBarIcon = true;
    bool showTodayInStatusBar = false;
    bool showDockIcon = false;
    bool notificationEnabled = true;
    ReminderStyle reminderStyle = ReminderStyle::fullscreen;
    bool notifyBeforeOverlay = true;
    bool playSoundOnEnd = true;
    bool showSkipButton = true;
    OverlayBackgroundStyle overlayBackground = OverlayBackgroundStyle::defaultStyle;
    std::optional<QString> overlayBackgroundImagePath;
    bool movieMode = false;
    ThemeMode theme = ThemeMode::system;
    RuleConfig rule;
    qint64 nagIntervalSeconds = 180;

    bool operator==(const AppSettings&) const = default;

    static const AppSettings& factoryDefaults();

    // Compact JSON; the image path member is left out while there is no path.
    QByteArray toJson() const;
    // Lenient per member: a missing or null member takes its default. A member of the wrong type, an
    // unknown enumeration text or an incomplete rule fails the whole record.
    static std::optional<AppSettings> fromJson(const QByteArray& data);
};
