// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformPlugin.h"

#include <QGuiApplication>

namespace PlatformPlugin {

void choose()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return;
    }
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    } else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

bool isNativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

} // namespace PlatformPlugin
