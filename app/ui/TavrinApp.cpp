// SPDX-License-Identifier: GPL-3.0-or-later
#include "TavrinApp.h"

#include "AppState.h"
#include "DashboardWindow.h"
#include "MenuBarPanel.h"
#include "SettingsWindow.h"
#include "TrayController.h"
#include "UserDefaults.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace {

void present(QWidget* window)
{
    window->show();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
}

// What each of Tavrin's windows shares: destroyed when closed, so that a resting Tavrin carries no window,
// closed by Ctrl+W (and Esc where it is a window beside the dashboard), and Ctrl+Q quits from it, as the
// panel's quit button does.
void adoptWindow(QWidget* window, TavrinApp* app, bool escapeCloses)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, app, &TavrinApp::windowDestroyed, Qt::QueuedConnection);
    window->installEventFilter(app);
    const auto shortcut = [window](const QList<QKeySequence>& keys, const std::function<void()>& act) {
        auto* action = new QAction(window);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, window, act);
        window->addAction(action);
    };
    shortcut({QKeySequence::Quit}, [] { QCoreApplication::quit(); });
    QList<QKeySequence> closing{QKeySequence(Qt::CTRL | Qt::Key_W)};
    if (escapeCloses) {
        closing.append(QKeySequence(Qt::Key_Escape));
    }
    shortcut(closing, [window] { window->close(); });
}

// A window opened from the dashboard opens over its middle, else in the middle of the screen, and within it.
void placeOver(QWidget* window, const QWidget* dashboard)
{
    const QScreen* screen =
        dashboard && dashboard->isVisible() ? dashboard->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QPoint centre = dashboard && dashboard->isVisible() ? dashboard->frameGeometry().center() : area.center();
    QRect placed(QPoint(0, 0), window->frameGeometry().size().boundedTo(area.size()));
    placed.moveCenter(centre);
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() - placed.height() + 1));
    window->move(placed.topLeft());
}

// A window opened on its own: whole on one monitor (the pointer's, else the primary), at its size where that
// fits with room for the frame, smaller down to its minimum where it does not, and centred there.
void placeOnOneScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    constexpr int kFrameRoom = 32;
    window->resize(
        window->size().boundedTo(area.size() - QSize(kFrameRoom, kFrameRoom)).expandedTo(window->minimumSize()));
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(area.center());
    window->move(placed.topLeft());
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
    m_tray->panel().installEventFilter(this);
    connect(this, &TavrinApp::windowDestroyed, this, &TavrinApp::followOpenWindows);
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
        adoptWindow(m_dashboard, this, false);
        // Where the user left it, else whole on one monitor: left to the window manager, a window as wide as
        // the dashboard may open across two.
        const auto geometry = m_services.defaults.data(kDashboardGeometryKey);
        if (!geometry || !m_dashboard->restoreGeometry(*geometry)) {
            placeOnOneScreen(m_dashboard);
        }
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
    // A window that shows the figures wants them every second: it wakes the tick before it draws them.
    if (event->type() == QEvent::Show) {
        m_state.setWindowsOpen(true);
    } else if (event->type() == QEvent::Hide) {
        QMetaObject::invokeMethod(this, &TavrinApp::followOpenWindows, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TavrinApp::followOpenWindows()
{
    const auto open = [](const QWidget* window) { return window && window->isVisible(); };
    m_state.setWindowsOpen(open(&m_tray->panel()) || open(m_dashboard) || open(m_settings) || open(m_history));
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
        adoptWindow(m_settings, this, true);
        placeOver(m_settings, m_dashboard);
    }
    present(m_settings);
    return m_settings;
}

HistoryWindow* TavrinApp::openHistory()
{
    if (!m_history) {
        m_history = new HistoryWindow(m_state, {m_services.history, m_services.appearance, m_services.clock,
                                                m_services.calendar, m_services.defaults});
        adoptWindow(m_history, this, true);
        placeOver(m_history, m_dashboard);
    }
    present(m_history);
    return m_history;
}
