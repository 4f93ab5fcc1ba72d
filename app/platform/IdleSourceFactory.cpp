// SPDX-License-Identifier: GPL-3.0-or-later
#include "IdleSourceFactory.h"

#include "MutterIdleSource.h"
#include "PlatformMessages.h"
#include "PresentIdleSource.h"
#include "SystemLog.h"
#include "WaylandIdleSource.h"
#include "XScreenSaverIdleSource.h"

namespace IdleSourceFactory {

Session Session::fromEnvironment()
{
    Session session;
    session.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE").toLower();
    session.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    session.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    session.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    return session;
}

std::vector<Backend> candidates(const Session& session)
{
    const bool wayland = session.sessionType == QLatin1StringView("wayland") ||
                         (session.sessionType != QLatin1StringView("x11") && session.waylandDisplay);
    if (wayland) {
        const bool gnome = session.currentDesktop.split(u':').contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
        // GNOME's compositor does not offer ext-idle-notify; the others may also run a Mutter-compatible service.
        if (gnome) {
            return {Backend::mutter, Backend::waylandNotifier};
        }
        return {Backend::waylandNotifier, Backend::mutter};
    }
    if (session.x11Display) {
        return {Backend::xscreensaver};
    }
    return {};
}

std::unique_ptr<IdleSource> create(SystemLog& log, const Session& session)
{
    for (const Backend backend : candidates(session)) {
        std::unique_ptr<IdleSource> source;
        switch (backend) {
        case Backend::xscreensaver:
            source = XScreenSaverIdleSource::create(log);
            break;
        case Backend::mutter:
            source = MutterIdleSource::create(log);
            break;
        case Backend::waylandNotifier:
            source = WaylandIdleSource::create(log);
            break;
        }
        if (source) {
            return source;
        }
    }
    const QString type = session.sessionType.isEmpty() ? QStringLiteral("unknown") : session.sessionType;
    log.log(PlatformMessages::kNoIdleSource,
            QStringLiteral("session type ") + type + QStringLiteral(", desktop ") + session.currentDesktop);
    return std::make_unique<PresentIdleSource>();
}

} // namespace IdleSourceFactory
