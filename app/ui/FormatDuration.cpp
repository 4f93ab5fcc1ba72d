#include "FormatDuration.h"

#include <cmath>

QString formatDuration(double seconds)
{
    const auto whole = static_cast<qint64>(std::trunc(seconds));
    const qint64 minutes = whole % 3600 / 60;
    if (whole < 3600) {
        return QString::number(minutes) + QStringLiteral(" 分钟");
    }
    return QString::number(whole / 3600) + QStringLiteral(" 小时 ") + QString::number(minutes) +
           QStringLiteral(" 分钟");
}
