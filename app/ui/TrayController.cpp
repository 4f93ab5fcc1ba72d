// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayController.h"

#include "AppAssets.h"
#include "AppState.h"
#include "FormatDuration.h"
#include "MenuBarPanel.h"
#include "ReminderStatus.h"

#include <QCoreApplication>
#include <QCursor>
#include <QIcon>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TrayController)
};

} // namespace

TrayController::TrayController(AppState& state, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_panel(new MenuBarPanel(state))
{
    m_icon.setIcon(AppAssets::statusBarIcon());
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context) {
            showPanel();
        }
    });
    connect(&m_state.settingsStore(), &SettingsStore::settingsChanged, this, &TrayController::refresh);
    // The minutes to the next break change with every tick; the tooltip is set only when its text changes.
    connect(&m_state, &AppState::tickFinished, this, &TrayController::refresh);
    refresh();
}

TrayController::~TrayController()
{
    delete m_panel;
}

QString TrayController::tooltip(bool showToday, double todaySeconds, const QString& reminderStatus)
{
    QString text =
        showToday ? Texts::tr("Tavrin · 今日 %1").arg(formatDuration(todaySeconds)) : QStringLiteral("Tavrin");
    if (!reminderStatus.isEmpty()) {
        text += u'\n' + reminderStatus;
    }
    return text;
}

void TrayController::refresh()
{
    const AppSettings& settings = m_state.settings();
    QString next = ReminderStatus::nextBreak(m_state);
    if (const auto minutes = m_state.minutesUntilMicroPause()) {
        next += u'\n' + ReminderState::microPause(*minutes);
    }
    const QString text = tooltip(settings.showTodayInStatusBar, m_state.todaySeconds(), next);
    if (m_icon.toolTip() != text) {
        m_icon.setToolTip(text);
    }
    const AppAssets::TrayLook look = settings.movieMode          ? AppAssets::TrayLook::meeting
                                     : m_state.remindersPaused() ? AppAssets::TrayLook::paused
                                                                 : AppAssets::TrayLook::working;
    if (look != m_look) {
        m_look = look;
        m_icon.setIcon(AppAssets::statusBarIcon(look));
    }
    if (m_icon.isVisible() != settings.showStatusBarIcon) {
        m_icon.setVisible(settings.showStatusBarIcon);
    }
}

void TrayController::showPanel()
{
    if (m_panel->isVisible()) {
        m_panel->hide();
        return;
    }
    const QRect geometry = m_icon.geometry();
    m_panel->popUp(geometry.isValid() && !geometry.isEmpty() ? geometry : QRect(QCursor::pos(), QSize(1, 1)));
}
