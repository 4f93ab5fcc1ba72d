// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoginItem.h"

#include "SystemLog.h"

void LoginItem::bringInLine(bool launchAtStartup, SystemLog& log)
{
    if (!isInstalled()) {
        return;
    }
    const bool enabled = isEnabled();
    QString error;
    bool ok = true;
    if (launchAtStartup && !enabled) {
        ok = registerItem(&error);
    } else if (!launchAtStartup && enabled) {
        ok = unregisterItem(&error);
    }
    if (!ok) {
        log.log(kUpdateFailed, error);
    }
}
