// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DashboardWindow.h"
#include "HistoryWindow.h"
#include "LocalCalendar.h"
#include "SettingsWindow.h"

#include <QObject>
#include <QPointer>

#include <memory>

class AppState;
class Appearance;
class Clock;
class SystemLog;
class TrayController;
class UserDefaults;

// The application's face: the tray icon with its panel, and one each of the dashboard, the settings and
// the history window. The dashboard opens once shortly after launch and again whenever Tavrin is launched while it
// runs. Closing the windows never quits; a closed window is destroyed and built again when next opened,
// so a Tavrin left in the tray carries no window's memory.
class TavrinApp final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        const Appearance& appearance;
        const Clock& clock;
        SystemLog& log;
        LocalCalendar calendar;
        QString backgroundsFolder;
        // Where the dashboard's size and place are kept from one opening (and one run) to the next.
        UserDefaults& defaults;
        // What the history window shows and exports.
        UsageHistory& history;
    };

    static inline const QString kDashboardGeometryKey = QStringLiteral("Tavrin.DashboardGeometry");

    TavrinApp(AppState& state, Services services, QObject* parent = nullptr);
    ~TavrinApp() override;

    // Queues the launch-time opening of the dashboard on the event loop; later calls open nothing.
    void start();
    // Shows the one dashboard (built if needed), raised and activated.
    DashboardWindow* openDashboard();
    SettingsWindow* openSettings();
    HistoryWindow* openHistory();
    // Tavrin was launched again while running.
    void reopen() { openDashboard(); }

    TrayController& tray() { return *m_tray; }

signals:
    // One of the windows was closed and destroyed; none may be left open.
    void windowDestroyed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    DashboardWindow* dashboard() const { return m_dashboard; }
    SettingsWindow* settings() const { return m_settings; }
    HistoryWindow* history() const { return m_history; }

private:
    void keepDashboardGeometry();
    // Tells the state whether a window that shows its figures is open.
    void followOpenWindows();

    AppState& m_state;
    Services m_services;
    std::unique_ptr<TrayController> m_tray;
    QPointer<DashboardWindow> m_dashboard;
    QPointer<SettingsWindow> m_settings;
    QPointer<HistoryWindow> m_history;
    bool m_pendingLaunchOpen = true;
};
