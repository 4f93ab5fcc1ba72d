// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Which Qt platform plugin Tavrin's programs run on, chosen before the application object exists.
namespace PlatformPlugin {

// Unless the user chose one (QT_QPA_PLATFORM): X11 wherever there is an X display, XWayland on Wayland
// sessions included, because the overlay, the banner and the widget need absolute placement and stacking,
// which Wayland's xdg-shell does not give; Wayland's own where there is only a Wayland display (no
// XWayland), Qt falling back to it by itself should X fail; offscreen with no display at all, so that a
// headless run still works.
void choose();

// Whether the program runs on native Wayland, where windows go where the compositor allows.
bool isNativeWayland();

} // namespace PlatformPlugin
