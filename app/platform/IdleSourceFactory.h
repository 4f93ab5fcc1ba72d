// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

#include <QString>

#include <memory>
#include <vector>

class SystemLog;

// Chooses the idle source once, at start, by the kind of session.
namespace IdleSourceFactory {

enum class Backend
{
    xscreensaver,
    mutter,
    waylandNotifier,
};

struct Session
{
    QString sessionType;    // XDG_SESSION_TYPE
    QString currentDesktop; // XDG_CURRENT_DESKTOP
    bool waylandDisplay = false;
    bool x11Display = false;

    static Session fromEnvironment();
};

// The backends worth trying, best first. On Wayland the X server only sees XWayland clients, so
// XScreenSaver would count a user typing into native Wayland windows as away: it is never tried there.
std::vector<Backend> candidates(const Session& session);

// The first candidate that works, or a source that always counts the user as present (with one log line).
std::unique_ptr<IdleSource> create(SystemLog& log, const Session& session = Session::fromEnvironment());

} // namespace IdleSourceFactory
