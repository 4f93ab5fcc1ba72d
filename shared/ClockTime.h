// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// When something ends, as a person reads it beside today: "14:30", "明天 02:20", "明天" for the start of
// tomorrow, "3月9日 14:30" further on. Both times in the same zone.
namespace ClockTime {

QString relative(const QDateTime& at, const QDateTime& now);

} // namespace ClockTime
