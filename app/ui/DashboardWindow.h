// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LocalCalendar.h"

#include <QPointer>
#include <QWidget>

class AppLogoMark;
class AppState;
class Appearance;
class Clock;
class QAction;
class QLabel;
class QMenu;
class QMessageBox;
class QToolButton;
class RuleChipView;
class StatPanel;
class UsageChart;

// The dashboard: today's fatigue and time (with the trend against yesterday), the hourly chart, the
// active rule as chips, whether reminders are held back, and the quick actions: rest now, meeting/film
// mode, settings, and a menu to pause or resume reminders, with the about box and the light/dark switch. It reads
// AppState and writes only through it.
class DashboardWindow final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kMinimumSize{920, 680};
    static constexpr QSize kDefaultSize{1120, 780};
    // The widest the data path in the about box grows.
    static constexpr int kAboutPathWidth = 360;

    DashboardWindow(AppState& state, const Appearance& appearance, const Clock& clock,
                    LocalCalendar calendar = LocalCalendar(), QWidget* parent = nullptr);

    // The about box, opened window-modal (it does not block the event loop).
    QMessageBox* showAbout();
    void toggleDisplayMode();

    StatPanel* fatiguePanel() const { return m_fatigue; }
    StatPanel* todayPanel() const { return m_today; }
    UsageChart* chart() const { return m_chart; }
    const QList<RuleChipView*>& ruleChips() const { return m_chips; }
    QToolButton* restButton() const { return m_rest; }
    QToolButton* movieModeButton() const { return m_movieMode; }
    QToolButton* settingsButton() const { return m_settings; }
    QToolButton* moreButton() const { return m_more; }
    QMenu* pauseMenu() const { return m_pauseMenu; }
    QAction* resumeAction() const { return m_resume; }
    QLabel* reminderStatusLabel() const { return m_reminderStatus; }

signals:
    void settingsRequested();
    void historyRequested();

private:
    QWidget* buildQuickActions();
    void refreshFigures();
    void refreshChart();
    void refreshRule();
    void refreshReminderStatus();

    AppState& m_state;
    const Appearance& m_appearance;
    const Clock& m_clock;
    LocalCalendar m_calendar;
    StatPanel* m_fatigue = nullptr;
    StatPanel* m_today = nullptr;
    UsageChart* m_chart = nullptr;
    QList<RuleChipView*> m_chips;
    QToolButton* m_rest = nullptr;
    QToolButton* m_movieMode = nullptr;
    QToolButton* m_settings = nullptr;
    QToolButton* m_more = nullptr;
    QMenu* m_pauseMenu = nullptr;
    QAction* m_resume = nullptr;
    QLabel* m_reminderStatus = nullptr;
    QPointer<QMessageBox> m_about;
};
