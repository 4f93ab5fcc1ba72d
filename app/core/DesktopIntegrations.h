// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ThemeMode.h"

#include <QObject>

class Appearance;
class BusySignal;
class LoginItem;
class Scheduler;
class SettingsStore;
class SystemEvents;
class SystemLog;
class TaskbarPresence;
struct AppSettings;

// Brings the desktop in line with the settings that act on it: the task bar entry, the appearance, the
// login item, and the watchers of calls and full-screen windows. At every launch all of them, changed or
// not; afterwards each one when its setting changes in the store.
class DesktopIntegrations final : public QObject
{
    Q_OBJECT

public:
    // All of it outlives the integrations.
    struct Services
    {
        TaskbarPresence& taskbar;
        Appearance& appearance;
        LoginItem& loginItem;
        BusySignal& calls;
        BusySignal& fullScreen;
        SystemLog& log;
    };

    DesktopIntegrations(const SettingsStore& settings, SystemEvents& events, Scheduler& scheduler, Services services,
                        QObject* parent = nullptr);

private:
    // What the desktop was last brought to, so that a change acts only on the integration it concerns.
    struct Applied
    {
        bool showDockIcon = false;
        ThemeMode theme = ThemeMode::system;
        bool launchAtStartup = false;
        bool quietDuringCalls = false;
        bool quietDuringFullScreen = false;

        explicit Applied(const AppSettings& settings);
    };

    void applyAll(const AppSettings& settings);
    void follow(const AppSettings& settings);
    void applyQuietWatchers(const AppSettings& settings);

    const SettingsStore& m_settings;
    Services m_services;
    Applied m_applied;
};
