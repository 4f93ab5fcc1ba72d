// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The platform layer's log messages. Each is followed directly by its detail.
namespace PlatformMessages {

inline const QString kNoIdleSource =
    QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 没有可用的空闲时间来源，按一直在使用计算："));
inline const QString kIdleSourceFailed =
    QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 空闲时间来源失效，按一直在使用计算："));
inline const QString kNoSleepHandling = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 无法监听系统睡眠："));
inline const QString kLoginItemFailed =
    QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 更新开机启动状态失败 "));

} // namespace PlatformMessages
