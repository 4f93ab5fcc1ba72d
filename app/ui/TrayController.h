// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppAssets.h"

#include <QObject>
#include <QSystemTrayIcon>

class AppState;
class MenuBarPanel;

// The tray icon: present while showStatusBarIcon is on, with today's time in its tooltip when
// showTodayInStatusBar is, and when the next break comes (or what holds it back) below it; a click opens the panel
// under it (at the cursor when the tray does not say where the icon is). Without a tray host Tavrin runs on.
class TrayController final : public QObject
{
    Q_OBJECT

public:
    explicit TrayController(AppState& state, QObject* parent = nullptr);
    ~TrayController() override;

    QSystemTrayIcon& icon() { return m_icon; }
    MenuBarPanel& panel() { return *m_panel; }
    void showPanel();
    // The tooltip for the current settings and figures, with a second line saying when the next break comes.
    static QString tooltip(bool showToday, double todaySeconds, const QString& reminderStatus = QString());

private:
    void refresh();

    AppState& m_state;
    QSystemTrayIcon m_icon;
    AppAssets::TrayLook m_look = AppAssets::TrayLook::working;
    MenuBarPanel* m_panel;
};
