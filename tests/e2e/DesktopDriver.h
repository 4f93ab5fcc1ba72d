// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// Drives a private X desktop the way a person would: finds windows by title, clicks, types and moves the
// pointer with xdotool, and takes pictures of what is on the screen. The program using it must be a
// QGuiApplication on the same display.
namespace DesktopDriver {

// Output of a command, or nothing when it failed or took longer than the timeout.
std::optional<QString> run(const QString& program, const QStringList& arguments, int timeoutMs = 5000);

// Visible top-level windows whose title is exactly the given text.
QList<quint64> windows(const QString& title);
// The program's tray icons that a tray host shows: small viewable windows of its class, embedded in the
// tray.
QList<quint64> trayIcons(const QString& windowClass);
// The window's frame-less geometry in root coordinates.
QRect geometry(quint64 window);
// What the X server holds for the window's property, as xprop prints it ("_NET_WM_STATE", "WM_HINTS").
QString xprop(quint64 window, const QString& property);
// The window the window manager says is active (_NET_ACTIVE_WINDOW), 0 when none.
quint64 activeWindow();
// Polls until a window with the title is visible; its id, or nothing after the timeout.
std::optional<quint64> waitForWindow(const QString& title, int timeoutMs = 30000);

void click(const QPoint& rootPosition);
void key(const QString& keys);
void activate(quint64 window);
// Asks the window manager to close the window, as a person would (openbox: Alt+F4); whether it went away.
bool closeWindow(quint64 window);
// A small pointer movement: the user is active.
void nudgePointer();

// What the screen shows in the rectangle (the whole screen by default).
QImage grab(const QRect& area = QRect());

} // namespace DesktopDriver
