// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesktopDriver.h"

#include <QStandardPaths>
#include <QString>

// Tavrin's windows and files as a person finds them: windows by title, the dashboard's quick actions by
// where they sit, the files under the session's XDG folders.
namespace TavrinWindows {

inline const QString kDashboard = QStringLiteral("Tavrin Kelomar");
inline const QString kSettings = QStringLiteral("Tavrin 设置");
inline const QString kHistory = QStringLiteral("使用历史");
inline const QString kPanel = QStringLiteral("Tavrin 状态");
inline const QString kOverlay = QStringLiteral("Tavrin");
inline const QString kNotice = QStringLiteral("即将进入全屏休息");
inline const QString kWaitingForPause = QStringLiteral("停手后开始休息");
inline const QString kBanner = QStringLiteral("该休息一下啦");
inline const QString kMicroPause = QStringLiteral("微休息");
inline const QString kWidget = QStringLiteral("当前工作状态");
// The X window class of both programs' windows, the tray icon included.
inline const QString kClass = QStringLiteral("tavrin");

enum class QuickAction
{
    more,
    settings,
    meetingMode,
    rest,
};

// The centre of a quick action in the dashboard's top-right corner: 50 px page margin, buttons of 30
// (the menu 48) wide, 18 apart, in a 28-px row 24 px from the top.
inline QPoint quickAction(quint64 dashboard, QuickAction action)
{
    const int fromRight[] = {50 + 24, 50 + 48 + 18 + 15, 50 + 48 + 18 + 30 + 18 + 15,
                             50 + 48 + 18 + 30 + 18 + 30 + 18 + 15};
    const QRect frame = DesktopDriver::geometry(dashboard);
    return QPoint(frame.right() - fromRight[static_cast<int>(action)], frame.top() + 24 + 14);
}

inline QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tavrin");
}

inline QString databasePath()
{
    return dataFolder() + QStringLiteral("/data.db");
}

inline QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tavrin/Tavrin.conf");
}

} // namespace TavrinWindows
