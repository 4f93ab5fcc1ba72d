// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Seconds as whole hours and minutes: "0 分钟", "59 分钟", "1 小时 0 分钟", "25 小时 1 分钟". Truncated, never
// rounded; no seconds and no days.
QString formatDuration(double seconds);
