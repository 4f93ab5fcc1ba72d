// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BreakScheduler.h"

#include <QDateTime>
#include <QString>

#include <optional>

class AppState;
class QMenu;

// What the panel, the dashboard and the tray say about reminders that are held back: a pause, or a break
// waiting for the end of a call or of a full-screen window. Empty while reminders run as usual.
namespace ReminderStatus {

QString text(const std::optional<QDateTime>& pausedUntil, std::optional<QuietReason> waitReason);
QString text(const AppState& state);

// Fills the menu with the pause lengths (30 分钟, 1 小时, 直到明天) that pause reminders on the state.
void addPauseActions(QMenu* menu, AppState& state);

} // namespace ReminderStatus
