// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"

// The settings window's number fields, as reads and clamped writes on the whole settings record.
namespace SettingsBindings {

qint64 workMinutes(const AppSettings& settings);
// Clamped to 1…600 minutes; odd seconds of the old period are dropped.
AppSettings withWorkMinutes(AppSettings settings, qint64 minutes);

qint64 restMinutes(const AppSettings& settings);
// Clamped to 0…60 minutes, keeping the seconds; the rest never falls below 10 seconds.
AppSettings withRestMinutes(AppSettings settings, qint64 minutes);

qint64 restSeconds(const AppSettings& settings);
// Clamped to 0…59 seconds, keeping the minutes; the rest never falls below 10 seconds.
AppSettings withRestSeconds(AppSettings settings, qint64 seconds);

qint64 nagMinutes(const AppSettings& settings);
// Clamped to 1…120 minutes.
AppSettings withNagMinutes(AppSettings settings, qint64 minutes);

inline constexpr qint64 kMinimumRestSeconds = AppSettings::kMinimumPeriodSeconds;

} // namespace SettingsBindings
