// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariantMap>

class AppState;

// Tavrin's state as one record, for the shell and the status bars: what org.tavrin.Tavrin1.Status
// returns and StatusChanged carries, and what tavrin --status prints.
//
// Members: mode (working|resting|idle), fatiguePercent, todaySeconds, continuousWorkSeconds,
// minutesUntilBreak (to the end of a postponement while there is one), breakEndsAt (seconds since 1970, while a
// break is on screen), pausedUntil (the same,
// only while paused), postponedUntil (the same, while a break that was put off waits), breakAtPauseBy (the
// same: when a due break that waits for the person to pause comes at the latest), meeting, quietReason
// (call or fullScreen, only while a break waits), and for waybar's custom module text, tooltip, class (working,
// resting, idle, paused or meeting) and percentage.
namespace StatusReport {

QVariantMap of(const AppState& state);

// One line for a person: "工作中 · 疲劳 42% · 今日 2 小时 5 分钟 · 距离休息 12 分钟".
QString line(const QVariantMap& status, const QDateTime& now = QDateTime::currentDateTime());
// One JSON object on one line; pausedUntil, postponedUntil, breakAtPauseBy and quietReason are null when
// absent.
QByteArray json(const QVariantMap& status);

} // namespace StatusReport
