// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatDuration.h"
#include "WholeNumbers.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FormatDuration)
};

} // namespace

QString formatDuration(double seconds)
{
    const qint64 whole = WholeNumbers::truncated(seconds);
    const qint64 minutes = whole % 3600 / 60;
    if (whole < 3600) {
        return Texts::tr("%n 分钟", nullptr, static_cast<int>(minutes));
    }
    return Texts::tr("%1 小时 %2 分钟").arg(whole / 3600).arg(minutes);
}
