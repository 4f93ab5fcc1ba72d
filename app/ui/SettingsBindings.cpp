// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsBindings.h"

#include <algorithm>

namespace SettingsBindings {

qint64 workMinutes(const AppSettings& settings)
{
    return settings.rule.workSeconds / 60;
}

AppSettings withWorkMinutes(AppSettings settings, qint64 minutes)
{
    settings.rule.workSeconds = std::clamp<qint64>(minutes, 1, 600) * 60;
    return settings;
}

qint64 restMinutes(const AppSettings& settings)
{
    return settings.rule.restSeconds / 60;
}

AppSettings withRestMinutes(AppSettings settings, qint64 minutes)
{
    const qint64 seconds = settings.rule.restSeconds % 60;
    settings.rule.restSeconds = std::max(kMinimumRestSeconds, std::clamp<qint64>(minutes, 0, 60) * 60 + seconds);
    return settings;
}

qint64 restSeconds(const AppSettings& settings)
{
    return settings.rule.restSeconds % 60;
}

AppSettings withRestSeconds(AppSettings settings, qint64 seconds)
{
    const qint64 minutes = settings.rule.restSeconds / 60;
    settings.rule.restSeconds = std::max(kMinimumRestSeconds, minutes * 60 + std::clamp<qint64>(seconds, 0, 59));
    return settings;
}

qint64 nagMinutes(const AppSettings& settings)
{
    return settings.nagIntervalSeconds / 60;
}

AppSettings withNagMinutes(AppSettings settings, qint64 minutes)
{
    settings.nagIntervalSeconds = std::clamp<qint64>(minutes, 1, 120) * 60;
    return settings;
}

} // namespace SettingsBindings
