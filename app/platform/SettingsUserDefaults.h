// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDefaults.h"

#include <QHash>
#include <QSettings>

#include <memory>
#include <optional>

// The user defaults on QSettings("Tavrin", "Tavrin"): the INI file $XDG_CONFIG_HOME/Tavrin/Tavrin.conf.
// Every write is synced at once and the file is kept private to its owner.
//
// What stands at that path is looked at before QSettings touches it:
// - a link to a regular file (a dotfile manager's) is followed: the target is replaced atomically and the link
//   stays;
// - anything else that is not a regular file (a FIFO that would block the first read for good, a folder, a
//   device, a link to one of them or to nothing) is never opened nor replaced: the values live in memory for
//   this run;
// - a file that cannot be read is moved aside (Tavrin.conf.unreadable) before the first write takes its place.
// writeProblem() says why a change could not be saved, with the path.
class SettingsUserDefaults final : public UserDefaults
{
public:
    SettingsUserDefaults();
    // For tests and tools: any QSettings file.
    explicit SettingsUserDefaults(const QString& iniPath);

    std::optional<QByteArray> data(const QString& key) const override;
    void setData(const QString& key, const QByteArray& value) override;
    void remove(const QString& key) override;
    std::optional<QString> writeProblem() const override { return m_problem; }

    const QString& fileName() const { return m_path; }

private:
    void sync();
    void reopen();
    bool moveUnreadableAside();

    QString m_path;
    // The file written: the path, or the regular file a link there points to.
    QString m_target;
    // Absent while the file is not used.
    std::unique_ptr<QSettings> m_settings;
    std::optional<QString> m_problem;
    bool m_unreadable = false;
    QHash<QString, QByteArray> m_inMemory;
};
