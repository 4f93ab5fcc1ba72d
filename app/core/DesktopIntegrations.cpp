// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopIntegrations.h"

#include "Appearance.h"
#include "BusySignal.h"
#include "LoginItem.h"
#include "Scheduler.h"
#include "SettingsStore.h"
#include "SystemEvents.h"
#include "TaskbarPresence.h"

DesktopIntegrations::Applied::Applied(const AppSettings& settings)
    : showDockIcon(settings.showDockIcon)
    , theme(settings.theme)
    , launchAtStartup(settings.launchAtStartup)
    , quietDuringCalls(settings.quietDuringCalls)
    , quietDuringFullScreen(settings.quietDuringFullScreen)
{
}

DesktopIntegrations::DesktopIntegrations(const SettingsStore& settings, SystemEvents& events, Scheduler& scheduler,
                                         Services services, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_services(services)
    , m_applied(settings.settings())
{
    connect(&m_settings, &SettingsStore::settingsChanged, this, &DesktopIntegrations::follow);
    connect(&events, &SystemEvents::launchFinished, this,
            [this, &scheduler] { scheduler.post(this, [this] { applyAll(m_settings.settings()); }); });
}

void DesktopIntegrations::applyAll(const AppSettings& settings)
{
    m_applied = Applied(settings);
    m_services.taskbar.setRegular(settings.showDockIcon);
    m_services.appearance.apply(settings.theme);
    m_services.loginItem.bringInLine(settings.launchAtStartup, m_services.log);
    applyQuietWatchers(settings);
}

void DesktopIntegrations::follow(const AppSettings& settings)
{
    const Applied wanted(settings);
    const Applied before = std::exchange(m_applied, wanted);
    if (before.showDockIcon != wanted.showDockIcon) {
        m_services.taskbar.setRegular(settings.showDockIcon);
    }
    if (before.theme != wanted.theme) {
        m_services.appearance.apply(settings.theme);
    }
    if (before.launchAtStartup != wanted.launchAtStartup) {
        m_services.loginItem.bringInLine(settings.launchAtStartup, m_services.log);
    }
    if (before.quietDuringCalls != wanted.quietDuringCalls ||
        before.quietDuringFullScreen != wanted.quietDuringFullScreen) {
        applyQuietWatchers(settings);
    }
}

void DesktopIntegrations::applyQuietWatchers(const AppSettings& settings)
{
    // A watcher that is off watches nothing: no sound server connection, no device watch, no X events.
    m_services.calls.setEnabled(settings.quietDuringCalls);
    m_services.fullScreen.setEnabled(settings.quietDuringFullScreen);
}
