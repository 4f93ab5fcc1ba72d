// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryModel.h"
#include "LocalCalendar.h"

#include <QPointer>
#include <QWidget>

class AppState;
class Appearance;
class Clock;
class HistoryChart;
class QAbstractButton;
class QButtonGroup;
class QFileDialog;
class QLabel;
class QPushButton;
class StatPanel;
class UsageHistory;
class UserDefaults;

// "使用历史": the last 7, 30 or 90 days as a bar per day with its fatigue peak, a summary of the
// period, and the export of everything stored as CSV. It queries the store when it opens and when the
// period changes, and follows today's figures from AppState in between; closed, it costs nothing.
class HistoryWindow final : public QWidget
{
    Q_OBJECT

public:
    struct Services
    {
        UsageHistory& store;
        const Appearance& appearance;
        const Clock& clock;
        LocalCalendar calendar;
        // Where the period chosen last is kept, for the next opening.
        UserDefaults& defaults;
    };

    static inline const QString kPeriodKey = QStringLiteral("Tavrin.HistoryPeriod");

    HistoryWindow(AppState& state, Services services, QWidget* parent = nullptr);

    // Shows the last `days` days (7, 30 or 90), querying the store again, and keeps the choice.
    void showPeriod(int days);
    int period() const { return m_period; }
    // Writes the CSV files into the folder and says how that went, window-modal.
    void exportTo(const QString& folder);
    // The folder chooser of "导出 CSV…" (window-modal; it does not block the event loop).
    QFileDialog* chooseExportFolder();

    const HistoryModel::Report& report() const { return m_report; }
    HistoryChart* chart() const { return m_chart; }
    QAbstractButton* periodButton(int days) const;
    QPushButton* exportButton() const { return m_export; }
    StatPanel* averagePanel() const { return m_average; }
    StatPanel* completionPanel() const { return m_completion; }
    StatPanel* longestPanel() const { return m_longest; }
    int queries() const { return m_queries; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void followToday();
    void showReport();

    AppState& m_state;
    Services m_services;
    int m_period = 7;
    HistoryModel::Report m_report;
    QButtonGroup* m_periods = nullptr;
    HistoryChart* m_chart = nullptr;
    StatPanel* m_average = nullptr;
    StatPanel* m_completion = nullptr;
    StatPanel* m_longest = nullptr;
    QLabel* m_breaks = nullptr;
    QPushButton* m_export = nullptr;
    QPointer<QFileDialog> m_chooser;
    int m_queries = 0;
};
