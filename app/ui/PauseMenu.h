// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class AppState;
class QMenu;

// The pause lengths of the panel's and the dashboard's 暂停提醒 menus.
namespace PauseMenu {

// Fills the menu with 30 分钟, 1 小时 and 直到明天, which pause reminders on the state. The items are named
// pauseHalfAnHour, pauseAnHour and pauseUntilTomorrow.
void addActions(QMenu* menu, AppState& state);

} // namespace PauseMenu
