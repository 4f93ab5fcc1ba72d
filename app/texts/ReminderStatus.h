// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BreakScheduler.h"
#include "FatigueMode.h"

#include <QDateTime>
#include <QString>

#include <optional>

class AppState;

// What the panel, the dashboard, the tray and tavrin --status say about reminders that are held back: a pause, or a
// break waiting for the end of a call or of a full-screen window. Empty while reminders run as usual.
namespace ReminderStatus {

// "提醒已暂停，至 14:30" ("至明天 02:20", "至明天"), "通话中，休息已推迟", "全屏应用中，休息已推迟".
QString text(const std::optional<QDateTime>& pausedUntil, std::optional<QuietReason> waitReason, const QDateTime& now);
QString text(const AppState& state);
// When the next break comes, for the panel and the tray: "停手后开始休息" while a due break waits for the
// person to pause, else what holds it back, else "已推迟，14:35 再提醒" after a postponement, else
// "距离休息 12 分钟".
QString nextBreak(const AppState& state);
QString startsAtPause();
QString postponed(const QDateTime& until, const QDateTime& now);
QString minutesUntilBreak(qint64 minutes);
// The fatigue mode as the panel and tavrin --status say it: "工作中", "休息中", "空闲".
QString modeText(FatigueMode mode);

} // namespace ReminderStatus
