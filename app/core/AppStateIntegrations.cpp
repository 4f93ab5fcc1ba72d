// SPDX-License-Identifier: GPL-3.0-or-later
// System integrations: the settings that act on the desktop (task bar presence, appearance, login item),
// applied at every launch and whenever they change.

#include "AppState.h"

#include "Appearance.h"
#include "BusySignal.h"
#include "LoginItem.h"
#include "TaskbarPresence.h"

void AppState::setSettings(const AppSettings& settings)
{
    if (settings == m_settings) {
        // Observers still hear of the assignment; nothing is saved or applied.
        emit settingsChanged();
        return;
    }
    m_settingsStore.setSettings(settings);
    const AppSettings oldValue = m_settings;
    m_settings = settings;
    emit settingsChanged();
    applySystemIntegrations(oldValue);
}

void AppState::applySystemIntegrations(const AppSettings& oldValue)
{
    if (oldValue.showDockIcon != m_settings.showDockIcon) {
        m_services.taskbar.setRegular(m_settings.showDockIcon);
    }
    if (oldValue.theme != m_settings.theme) {
        applyAppearance();
    }
    if (oldValue.launchAtStartup != m_settings.launchAtStartup) {
        applyLaunchAtLogin();
    }
    if (oldValue.quietDuringCalls != m_settings.quietDuringCalls ||
        oldValue.quietDuringFullScreen != m_settings.quietDuringFullScreen) {
        applyQuietWatchers();
    }
}

void AppState::applyAppearance()
{
    m_services.appearance.apply(m_settings.theme);
}

void AppState::applyLaunchAtLogin()
{
    m_services.loginItem.bringInLine(m_settings.launchAtStartup, m_services.log);
}

BusySignal::Coverage AppState::fullScreenCoverage() const
{
    return m_services.fullScreen.coverage();
}

void AppState::applyQuietWatchers()
{
    // A watcher that is off watches nothing: no sound server connection, no device watch, no X events.
    m_services.calls.setEnabled(m_settings.quietDuringCalls);
    m_services.fullScreen.setEnabled(m_settings.quietDuringFullScreen);
}

void AppState::handleLaunch()
{
    // At every start the desktop is brought in line with the stored settings, changed or not.
    m_services.taskbar.setRegular(m_settings.showDockIcon);
    applyAppearance();
    applyLaunchAtLogin();
    applyQuietWatchers();
}
