// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDefaults.h"

#include <QHash>
#include <QSettings>

#include <memory>
#include <optional>

// The user defaults on QSettings("Tavrin", "Tavrin"): the INI file $XDG_CONFIG_HOME/Tavrin/Tavrin.conf.
// Every write is synced at once and the file is kept private to its owner. Anything but a regular file at that
// path (a FIFO that would block the first read for good, a folder, a device) is not opened at all: the values
// then live in memory for this run, and problem() says why.
class SettingsUserDefaults final : public UserDefaults
{
public:
    SettingsUserDefaults();
    // For tests and tools: any QSettings file.
    explicit SettingsUserDefaults(const QString& iniPath);

    std::optional<QByteArray> data(const QString& key) const override;
    void setData(const QString& key, const QByteArray& value) override;
    void remove(const QString& key) override;

    const QString& fileName() const { return m_path; }
    // Why the file is not used, naming it; nothing while it is.
    const std::optional<QString>& problem() const { return m_problem; }

private:
    void sync();

    QString m_path;
    // Absent while the file is not used.
    std::unique_ptr<QSettings> m_settings;
    std::optional<QString> m_problem;
    QHash<QString, QByteArray> m_inMemory;
};
