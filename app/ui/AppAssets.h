// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

#include <optional>

// The pictures compiled into the program under /Tavrin_TavrinApp.bundle/.
namespace AppAssets {

inline const QString kLogoPath = QStringLiteral(":/Tavrin_TavrinApp.bundle/logo.png");
inline const QString kStatusPath = QStringLiteral(":/Tavrin_TavrinApp.bundle/status.png");

// The application logo, loaded once; nothing when the resource is missing or unreadable.
const std::optional<QPixmap>& logo();
// How the tray icon looks: as usual, paused (grey, with a pause mark) or in meeting mode (an orange dot); the marks
// stay legible at 16 px on dark and light panels.
enum class TrayLook
{
    working,
    paused,
    meeting,
};

// The tray icon: the status image, else a drawn heart symbol, else an empty icon.
QIcon statusBarIcon(TrayLook look = TrayLook::working, const QString& statusPath = kStatusPath);
// An image file, or nothing when it is missing or unreadable.
std::optional<QPixmap> loadImage(const QString& path);

} // namespace AppAssets
