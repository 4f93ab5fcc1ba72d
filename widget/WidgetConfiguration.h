// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WidgetSharedStore.h"

#include <QCoreApplication>
#include <QString>

#include <array>

// The status widget as the user meets it: its kind, name, description and sizes.
namespace WidgetConfiguration {

enum class Family
{
    medium,
    large,
};

inline const QString kind = WidgetSharedStore::widgetKind;
inline QString displayName()
{
    return QCoreApplication::translate("WidgetConfiguration", "当前工作状态");
}
inline QString description()
{
    return QCoreApplication::translate("WidgetConfiguration", "疲劳值、今日工作时长与下次休息倒计时。");
}
inline constexpr std::array<Family, 2> supportedFamilies{Family::medium, Family::large};

inline QString familyTitle(Family family)
{
    return family == Family::large ? QCoreApplication::translate("WidgetConfiguration", "大尺寸")
                                   : QCoreApplication::translate("WidgetConfiguration", "中尺寸");
}

} // namespace WidgetConfiguration
