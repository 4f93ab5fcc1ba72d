// SPDX-License-Identifier: GPL-3.0-or-later
#include "PauseMenu.h"

#include "AppState.h"

#include <QCoreApplication>
#include <QMenu>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PauseMenu)
};

} // namespace

void PauseMenu::addActions(QMenu* menu, AppState& state)
{
    using namespace std::chrono_literals;
    const auto add = [menu](const QString& name, const QString& text, auto pause) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, menu, pause);
    };
    add(QStringLiteral("pauseHalfAnHour"), Texts::tr("30 分钟"), [&state] { state.pauseReminders(30min); });
    add(QStringLiteral("pauseAnHour"), Texts::tr("1 小时"), [&state] { state.pauseReminders(60min); });
    add(QStringLiteral("pauseUntilTomorrow"), Texts::tr("直到明天"), [&state] { state.pauseRemindersUntilTomorrow(); });
}
