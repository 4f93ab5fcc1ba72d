// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDefaults.h"

#include <QSettings>

// The user defaults on QSettings("Tavrin", "Tavrin"): the INI file $XDG_CONFIG_HOME/Tavrin/Tavrin.conf.
// Every write is synced at once and the file is kept private to its owner.
class SettingsUserDefaults final : public UserDefaults
{
public:
    SettingsUserDefaults();
    // For tests and tools: any QSettings file.
    explicit SettingsUserDefaults(const QString& iniPath);

    std::optional<QByteArray> data(const QString& key) const override;
    void setData(const QString& key, const QByteArray& value) override;
    void remove(const QString& key) override;

    QString fileName() const { return m_settings.fileName(); }

private:
    void sync();

    mutable QSettings m_settings;
};
