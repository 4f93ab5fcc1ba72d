// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatDuration.h"
#include "WholeNumbers.h"

#include <cmath>

QString formatDuration(double seconds)
{
    const qint64 whole = WholeNumbers::truncated(seconds);
    const qint64 minutes = whole % 3600 / 60;
    if (whole < 3600) {
        return QString::number(minutes) + QStringLiteral(" 分钟");
    }
    return QString::number(whole / 3600) + QStringLiteral(" 小时 ") + QString::number(minutes) +
           QStringLiteral(" 分钟");
}
