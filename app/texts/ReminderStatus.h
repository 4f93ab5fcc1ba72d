// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FatigueMode.h"

#include <QString>

class AppState;

// What the panel, the dashboard, the tray and tavrin --status say about the state, all from the one table in
// ReminderState.
namespace ReminderStatus {

// When the next break comes, or what Tavrin does instead: "休息中，还剩 2 分钟", "会议/观影模式，暂停计时和提醒",
// "停手后开始休息", "提醒已暂停，至 14:30", "通话中，休息已推迟", "已推迟，14:35 再提醒", "距离休息 12 分钟".
QString nextBreak(const AppState& state);
// The fatigue mode as the panel and tavrin --status say it: "工作中", "休息中", "空闲".
QString modeText(FatigueMode mode);

} // namespace ReminderStatus
