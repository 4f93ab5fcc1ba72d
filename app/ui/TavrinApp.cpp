// SPDX-License-Identifier: GPL-3.0-or-later
#include "TavrinApp.h"

#include "DashboardWindow.h"
#include "MenuBarPanel.h"
#include "SettingsWindow.h"
#include "TrayController.h"
#include "UserDefaults.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace {

void present(QWidget* window)
{
    window->show();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
}

// What each of Tavrin's windows shares: destroyed when closed, so that a resting Tavrin carries no window,
// and Ctrl+Q quits from it, as the panel's quit button does.
void adoptWindow(QWidget* window, TavrinApp* app)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, app, &TavrinApp::windowDestroyed, Qt::QueuedConnection);
    auto* quit = new QAction(window);
    quit->setShortcut(QKeySequence::Quit);
    quit->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    window->addAction(quit);
}

} // namespace

TavrinApp::TavrinApp(AppState& state, Services services, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_services(std::move(services))
    , m_tray(std::make_unique<TrayController>(state))
{
    connect(&m_tray->panel(), &MenuBarPanel::dashboardRequested, this, &TavrinApp::openDashboard);
    connect(&m_tray->panel(), &MenuBarPanel::settingsRequested, this, &TavrinApp::openSettings);
    connect(&m_tray->panel(), &MenuBarPanel::historyRequested, this, &TavrinApp::openHistory);
}

TavrinApp::~TavrinApp()
{
    if (m_dashboard) {
        keepDashboardGeometry();
    }
    delete m_dashboard;
    delete m_settings;
    delete m_history;
}

void TavrinApp::start()
{
    if (!m_pendingLaunchOpen) {
        return;
    }
    m_pendingLaunchOpen = false;
    QMetaObject::invokeMethod(this, &TavrinApp::openDashboard, Qt::QueuedConnection);
}

DashboardWindow* TavrinApp::openDashboard()
{
    if (!m_dashboard) {
        m_dashboard = new DashboardWindow(m_state, m_services.appearance, m_services.clock, m_services.calendar);
        connect(m_dashboard, &DashboardWindow::settingsRequested, this, &TavrinApp::openSettings);
        connect(m_dashboard, &DashboardWindow::historyRequested, this, &TavrinApp::openHistory);
        adoptWindow(m_dashboard, this);
        // Where the user left it, else the default size where the window manager puts it.
        if (const auto geometry = m_services.defaults.data(kDashboardGeometryKey)) {
            m_dashboard->restoreGeometry(*geometry);
        }
        m_dashboard->installEventFilter(this);
    }
    present(m_dashboard);
    return m_dashboard;
}

bool TavrinApp::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: while the dashboard is being destroyed it is no DashboardWindow any more, and
    // reading the QPointer would cast it to one.
    if (event->type() == QEvent::Close && watched == m_dashboard) {
        keepDashboardGeometry();
    }
    return QObject::eventFilter(watched, event);
}

void TavrinApp::keepDashboardGeometry()
{
    const QByteArray geometry = m_dashboard->saveGeometry();
    if (m_services.defaults.data(kDashboardGeometryKey) != geometry) {
        m_services.defaults.setData(kDashboardGeometryKey, geometry);
    }
}

SettingsWindow* TavrinApp::openSettings()
{
    if (!m_settings) {
        m_settings = new SettingsWindow(
            m_state, {m_services.appearance, m_services.clock, m_services.log, m_services.backgroundsFolder});
        adoptWindow(m_settings, this);
    }
    present(m_settings);
    return m_settings;
}

HistoryWindow* TavrinApp::openHistory()
{
    if (!m_history) {
        m_history = new HistoryWindow(m_state, {m_services.history, m_services.appearance, m_services.clock,
                                                m_services.calendar, m_services.defaults});
        adoptWindow(m_history, this);
    }
    present(m_history);
    return m_history;
}
