// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoginItem.h"

#include <QStringList>

// The login item as an XDG autostart entry: $XDG_CONFIG_HOME/autostart/tavrin.desktop. Enabled means
// the file exists without Hidden=true. Only an installed Tavrin manages it: one whose tavrin.desktop is in
// an applications folder and names the program that is running, which the entry then starts by its
// absolute path.
class XdgAutostartLoginItem final : public LoginItem
{
public:
    // The defaults come from the environment; tests pass their own folders and program.
    XdgAutostartLoginItem();
    XdgAutostartLoginItem(QString autostartFolder, QStringList applicationFolders, QString runningProgram);

    bool isInstalled() const override;
    bool isEnabled() const override;
    bool registerItem(QString* error) override;
    bool unregisterItem(QString* error) override;

    QString entryPath() const;
    // The absolute path of the installed program, or empty when Tavrin is not installed.
    QString installedProgram() const;

    // Quotes one argument of an Exec line by the desktop entry rules, then escapes it as a string value.
    static QString execArgument(const QString& argument);

private:
    QString m_autostartFolder;
    QStringList m_applicationFolders;
    QString m_runningProgram;
};
