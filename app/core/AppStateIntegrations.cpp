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
    if (settings == this->settings()) {
        // Observers still hear of the assignment; nothing is saved or applied.
        emit settingsChanged();
        return;
    }
    const AppSettings oldValue = this->settings();
    m_settingsStore.setSettings(settings);
    emit settingsChanged();
    applySystemIntegrations(oldValue);
}

void AppState::applySystemIntegrations(const AppSettings& oldValue)
{
    if (oldValue.showDockIcon != settings().showDockIcon) {
        m_services.taskbar.setRegular(settings().showDockIcon);
    }
    if (oldValue.theme != settings().theme) {
        applyAppearance();
    }
    if (oldValue.launchAtStartup != settings().launchAtStartup) {
        applyLaunchAtLogin();
    }
    if (oldValue.quietDuringCalls != settings().quietDuringCalls ||
        oldValue.quietDuringFullScreen != settings().quietDuringFullScreen) {
        applyQuietWatchers();
    }
}

void AppState::applyAppearance()
{
    m_services.appearance.apply(settings().theme);
}

void AppState::applyLaunchAtLogin()
{
    m_services.loginItem.bringInLine(settings().launchAtStartup, m_services.log);
}

BusySignal::Coverage AppState::fullScreenCoverage() const
{
    return m_services.fullScreen.coverage();
}

void AppState::applyQuietWatchers()
{
    // A watcher that is off watches nothing: no sound server connection, no device watch, no X events.
    m_services.calls.setEnabled(settings().quietDuringCalls);
    m_services.fullScreen.setEnabled(settings().quietDuringFullScreen);
}

void AppState::handleLaunch()
{
    // At every start the desktop is brought in line with the stored settings, changed or not.
    m_services.taskbar.setRegular(settings().showDockIcon);
    applyAppearance();
    applyLaunchAtLogin();
    applyQuietWatchers();
}
