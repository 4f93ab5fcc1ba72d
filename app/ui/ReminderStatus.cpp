// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderStatus.h"

#include "AppState.h"

#include <QMenu>

QString ReminderStatus::text(const std::optional<QDateTime>& pausedUntil, std::optional<QuietReason> waitReason)
{
    if (pausedUntil) {
        // A pause until tomorrow ends at the start of a day; any other ends at a time worth showing.
        if (pausedUntil->time() == QTime(0, 0)) {
            return QStringLiteral("提醒已暂停，至明天");
        }
        return QStringLiteral("提醒已暂停，至 ") + pausedUntil->toString(QStringLiteral("HH:mm"));
    }
    if (waitReason == QuietReason::call) {
        return QStringLiteral("通话中，休息已推迟");
    }
    if (waitReason == QuietReason::fullScreen) {
        return QStringLiteral("全屏应用中，休息已推迟");
    }
    return {};
}

QString ReminderStatus::text(const AppState& state)
{
    return text(state.remindersPausedUntil(), state.breakWaitReason());
}

void ReminderStatus::addPauseActions(QMenu* menu, AppState& state)
{
    using namespace std::chrono_literals;
    QObject::connect(menu->addAction(QStringLiteral("30 分钟")), &QAction::triggered, menu,
                     [&state] { state.pauseReminders(30min); });
    QObject::connect(menu->addAction(QStringLiteral("1 小时")), &QAction::triggered, menu,
                     [&state] { state.pauseReminders(60min); });
    QObject::connect(menu->addAction(QStringLiteral("直到明天")), &QAction::triggered, menu,
                     [&state] { state.pauseRemindersUntilTomorrow(); });
}
