// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include "UserDefaults.h"

SettingsStore::SettingsStore(UserDefaults& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_settings(AppSettings::factoryDefaults())
{
    // Anything unreadable falls back to the defaults silently; the stored bytes are left alone. A readable
    // record is held to the limits in memory, also without being written back.
    if (const auto stored = m_defaults.data(kKey)) {
        if (const auto decoded = AppSettings::fromJson(*stored)) {
            m_settings = decoded->withinLimits();
        }
    }
}

void SettingsStore::setSettings(const AppSettings& settings)
{
    const bool changed = settings != m_settings;
    m_settings = settings;
    emit settingsChanged(m_settings);
    if (changed) {
        save(m_settings);
    }
}

void SettingsStore::save(const AppSettings& settings)
{
    const QByteArray data = settings.toJson();
    if (data.isEmpty()) {
        return;
    }
    m_defaults.setData(kKey, data);
}
