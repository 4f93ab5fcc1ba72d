// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PanelView.h"

#include <QFrame>

#include <functional>

class AppState;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

// The panel under the tray icon: the state at a glance (mode, fatigue badge and bar, today's time,
// continuous work, why no break comes) and the everyday actions: rest now, meeting/film mode, pause or
// resume reminders, the dashboard, the history, the settings, quit (Ctrl+Q). It follows AppState's ticks while
// shown and keeps no state of its own.
class MenuBarPanel final : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kWidth = 320;

    explicit MenuBarPanel(AppState& state, QWidget* parent = nullptr);

    // Shows the panel below (or above, near the bottom of the screen) the given anchor rectangle.
    void popUp(const QRect& anchor);
    const PanelView& view() const { return m_view; }

    QPushButton* restButton() const { return m_rest; }
    QPushButton* movieModeToggle() const { return m_movieMode; }
    QPushButton* pauseButton() const { return m_pause; }
    QMenu* pauseMenu() const { return m_pauseMenu; }
    QLabel* reminderStatusLabel() const { return m_reminderStatus; }
    QLabel* microPauseLabel() const { return m_microPause; }
    QPushButton* dashboardButton() const { return m_dashboard; }
    QPushButton* settingsButton() const { return m_settings; }
    QPushButton* historyButton() const { return m_history; }
    QPushButton* quitButton() const { return m_quit; }

signals:
    void dashboardRequested();
    void settingsRequested();
    void historyRequested();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void tintIcon(class QAbstractButton* button, const QString& name);
    QLabel* figure(class QHBoxLayout* row, const QString& name);

    AppState& m_state;
    PanelView m_view;
    QLabel* m_title = nullptr;
    QLabel* m_mode = nullptr;
    QLabel* m_badge = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_today = nullptr;
    QLabel* m_continuous = nullptr;
    QPushButton* m_rest = nullptr;
    QPushButton* m_movieMode = nullptr;
    QPushButton* m_pause = nullptr;
    QMenu* m_pauseMenu = nullptr;
    QLabel* m_reminderStatus = nullptr;
    QLabel* m_microPause = nullptr;
    QLabel* m_storeProblem = nullptr;
    QLabel* m_settingsProblem = nullptr;
    QPushButton* m_dashboard = nullptr;
    QPushButton* m_settings = nullptr;
    QPushButton* m_history = nullptr;
    QPushButton* m_quit = nullptr;
    QList<std::function<void()>> m_tints;
};
