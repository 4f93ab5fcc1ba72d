// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"

#include <QObject>

class UserDefaults;

// Keeps the settings record in the user defaults under one key. It loads in the constructor and writes
// nothing until the first assignment of a different record, so a record it could not read (or had to hold
// to AppSettings' limits) stays stored as it was until the user changes a setting.
class SettingsStore final : public QObject
{
    Q_OBJECT

public:
    static inline const QString kKey = QStringLiteral("Tavrin.AppSettings");

    explicit SettingsStore(UserDefaults& defaults, QObject* parent = nullptr);

    const AppSettings& settings() const { return m_settings; }
    // Replaces the record and tells observers; a record that differs from the current one is saved at once.
    void setSettings(const AppSettings& settings);

signals:
    void settingsChanged(const AppSettings& settings);

private:
    void save(const AppSettings& settings);

    UserDefaults& m_defaults;
    AppSettings m_settings;
};
