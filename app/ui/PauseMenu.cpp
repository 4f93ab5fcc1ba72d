// SPDX-License-Identifier: GPL-3.0-or-later
#include "PauseMenu.h"

#include "AppState.h"

#include <QMenu>

void PauseMenu::addActions(QMenu* menu, AppState& state)
{
    using namespace std::chrono_literals;
    const auto add = [menu](const QString& name, const QString& text, auto pause) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, menu, pause);
    };
    add(QStringLiteral("pauseHalfAnHour"), QStringLiteral("30 分钟"), [&state] { state.pauseReminders(30min); });
    add(QStringLiteral("pauseAnHour"), QStringLiteral("1 小时"), [&state] { state.pauseReminders(60min); });
    add(QStringLiteral("pauseUntilTomorrow"), QStringLiteral("直到明天"),
        [&state] { state.pauseRemindersUntilTomorrow(); });
}
