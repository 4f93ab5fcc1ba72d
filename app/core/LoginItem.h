// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SystemLog;

// Starting Tavrin when the user logs in.
class LoginItem
{
public:
    virtual ~LoginItem() = default;

    // Only an installed Tavrin manages a login item; a run from the build tree leaves it alone.
    virtual bool isInstalled() const = 0;
    virtual bool isEnabled() const = 0;
    // On failure, false with the error's description.
    virtual bool registerItem(QString* error) = 0;
    virtual bool unregisterItem(QString* error) = 0;

    // Registers or unregisters so that the item matches the setting; calls nothing when it already
    // does. A failure is logged and otherwise left alone: the setting keeps the user's choice and the
    // next start tries again.
    void bringInLine(bool launchAtStartup, SystemLog& log);

    static inline const QString kUpdateFailed =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 更新开机启动状态失败 "));
};
