// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWindow.h"

#include "Accessibility.h"
#include "AppState.h"
#include "Clock.h"
#include "DashboardCards.h"
#include "FormatDuration.h"
#include "HistoryChart.h"
#include "TavrinFont.h"
#include "ThemeColors.h"
#include "ToneLabel.h"
#include "UnifiedWindowChrome.h"
#include "UsageHistory.h"
#include "UserDefaults.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)
};

HistoryModel::Today todayOf(const AppState& state)
{
    const AppState::Hourly peaks = state.chartFatigue();
    return {state.todaySeconds(), *std::max_element(peaks.begin(), peaks.end())};
}

// A small legend entry: a swatch and its name.
QWidget* legendEntry(const QColor& colour, bool round, const QString& text)
{
    auto* entry = new QWidget;
    auto* row = new QHBoxLayout(entry);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    auto* swatch = new QLabel;
    QPixmap pixmap(10, 10);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    round ? painter.drawEllipse(QRectF(1, 1, 8, 8)) : painter.drawRoundedRect(QRectF(1, 0, 8, 10), 2, 2);
    swatch->setPixmap(pixmap);
    row->addWidget(swatch);
    row->addWidget(new ToneLabel(text, ToneLabel::Tone::secondary, TavrinFont::make(12)));
    return entry;
}

} // namespace

HistoryWindow::HistoryWindow(AppState& state, Services services, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(std::move(services))
{
    // The period chosen last time; anything else stored there is no period.
    const int stored = m_services.defaults.data(kPeriodKey).value_or(QByteArray()).toInt();
    if (std::ranges::find(HistoryModel::kPeriods, stored) != std::end(HistoryModel::kPeriods)) {
        m_period = stored;
    }
    setWindowTitle(Texts::tr("使用历史"));
    setObjectName(QStringLiteral("history"));
    Accessibility::setRole(this, QAccessible::Window);
    UnifiedWindowChrome::apply(this, m_services.appearance);
    QWidget* content = UnifiedWindowChrome::scrollingPage(this);
    content->setMinimumSize(820, 600);
    UnifiedWindowChrome::fitToScreen(this, QSize(820, 600), QSize(1000, 680));

    auto* page = new QVBoxLayout(content);
    page->setContentsMargins(44, 24, 44, 32);
    page->setSpacing(18);

    auto* header = new QHBoxLayout;
    header->addWidget(
        new ToneLabel(Texts::tr("使用历史"), ToneLabel::Tone::primary, TavrinFont::make(19, QFont::DemiBold)));
    header->addStretch(1);
    // The period as one segmented switch.
    auto* segments = new QHBoxLayout;
    segments->setSpacing(0);
    m_periods = new QButtonGroup(this);
    for (const int days : HistoryModel::kPeriods) {
        auto* button = new QPushButton(Texts::tr("近 %1 天").arg(days));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFont(TavrinFont::make(13));
        button->setMinimumWidth(78);
        // The chosen period in the accent colour, in either theme; the ends of the switch rounded.
        const QString corners = days == HistoryModel::kPeriods[0]   ? QStringLiteral("border-top-left-radius: 7px; "
                                                                                       "border-bottom-left-radius: 7px;")
                                : days == HistoryModel::kPeriods[2] ? QStringLiteral("border-top-right-radius: 7px; "
                                                                                     "border-bottom-right-radius: 7px;")
                                                                    : QString();
        button->setStyleSheet(QStringLiteral("QPushButton { padding: 5px 14px; border: 1px solid palette(mid); "
                                             "background: palette(button); %1 }"
                                             "QPushButton:checked { background: palette(highlight); "
                                             "color: palette(highlighted-text); border-color: palette(highlight); }"
                                             "QPushButton:focus { border: 2px solid palette(text); }")
                                  .arg(corners));
        m_periods->addButton(button, days);
        segments->addWidget(button);
    }
    m_periods->button(m_period)->setChecked(true);
    connect(m_periods, &QButtonGroup::idClicked, this, &HistoryWindow::showPeriod);
    header->addLayout(segments);
    header->addSpacing(16);
    m_export = new QPushButton(Texts::tr("导出 CSV…"));
    m_export->setFont(TavrinFont::make(13));
    m_export->setAutoDefault(false);
    m_export->setStyleSheet(QStringLiteral("QPushButton { padding: 5px 14px; border: 1px solid palette(mid); "
                                           "border-radius: 7px; background: palette(button); }"
                                           "QPushButton:focus { border: 2px solid palette(text); }"));
    m_export->setToolTip(Texts::tr("把全部使用记录和休息记录导出为 usage.csv 和 breaks.csv"));
    connect(m_export, &QPushButton::clicked, this, [this] { chooseExportFolder(); });
    header->addWidget(m_export);
    page->addLayout(header);

    auto* figures = new QHBoxLayout;
    figures->setSpacing(16);
    m_average = new StatPanel(m_services.appearance, Texts::tr("日均使用"), false);
    m_completion = new StatPanel(m_services.appearance, Texts::tr("休息完成率"), true);
    m_longest = new StatPanel(m_services.appearance, Texts::tr("单日最长使用"), false);
    m_average->setFixedWidth(260);
    m_completion->setFixedWidth(180);
    m_longest->setFixedWidth(340);
    for (StatPanel* panel : {m_average, m_completion, m_longest}) {
        figures->addWidget(panel, 0, Qt::AlignTop);
    }
    figures->addStretch(1);
    page->addLayout(figures);

    auto* card = new CardFrame(m_services.appearance, 20, 0.16);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(24, 20, 24, 20);
    cardLayout->setSpacing(12);
    auto* legend = new QHBoxLayout;
    legend->setSpacing(18);
    legend->addWidget(legendEntry(ThemeColors::accent(palette()), false, Texts::tr("使用时长")));
    legend->addWidget(legendEntry(QColor(0xFF, 0x95, 0x00), true, Texts::tr("疲劳峰值")));
    legend->addStretch(1);
    m_breaks = new ToneLabel(QString(), ToneLabel::Tone::secondary, TavrinFont::make(12));
    legend->addWidget(m_breaks);
    cardLayout->addLayout(legend);
    m_chart = new HistoryChart;
    cardLayout->addWidget(m_chart, 1);
    page->addWidget(card, 1);

    // Today's bar follows the tick; a new day needs the store again.
    connect(&m_state, &AppState::todaySecondsChanged, this, &HistoryWindow::followToday);
    showPeriod(m_period);
}

void HistoryWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A style sheet reads palette() once: set it again so that the switch follows a light/dark change.
    if (event->type() == QEvent::PaletteChange && m_export) { // not yet built while the chrome is applied
        ThemeColors::reapplyStyleSheets(this);
    }
}

QAbstractButton* HistoryWindow::periodButton(int days) const
{
    return m_periods->button(days);
}

void HistoryWindow::showPeriod(int days)
{
    m_period = days;
    if (const QByteArray chosen = QByteArray::number(days); m_services.defaults.data(kPeriodKey) != chosen) {
        m_services.defaults.setData(kPeriodKey, chosen);
    }
    if (QAbstractButton* button = m_periods->button(days)) {
        button->setChecked(true);
    }
    ++m_queries;
    m_report =
        HistoryModel::build(m_services.store, m_services.calendar, m_services.clock.now(), days, todayOf(m_state));
    showReport();
}

void HistoryWindow::followToday()
{
    if (m_report.days.empty()) {
        return;
    }
    const QDate today = m_services.clock.now().toTimeZone(m_services.calendar.timeZone()).date();
    if (today != m_report.days.back().date) {
        showPeriod(m_period);
        return;
    }
    const HistoryModel::Today figures = todayOf(m_state);
    HistoryModel::Day& current = m_report.days.back();
    if (figures.activeSeconds <= current.activeSeconds && figures.fatiguePeak <= current.fatiguePeak) {
        return;
    }
    current.activeSeconds = std::max(current.activeSeconds, figures.activeSeconds);
    current.fatiguePeak = std::max(current.fatiguePeak, figures.fatiguePeak);
    m_report.summary = HistoryModel::summarize(m_report.days);
    showReport();
}

void HistoryWindow::showReport()
{
    const HistoryModel::Summary& summary = m_report.summary;
    m_average->setValue(summary.averageSeconds ? formatDuration(*summary.averageSeconds) : QStringLiteral("—"),
                        std::nullopt);
    m_completion->setValue(HistoryModel::rateText(summary.completionRate), std::nullopt);
    if (summary.longestDay) {
        m_longest->setValue(formatDuration(summary.longestDay->activeSeconds),
                            HistoryModel::dayText(summary.longestDay->date));
    } else {
        m_longest->setValue(QStringLiteral("—"), std::nullopt);
    }
    int completed = 0;
    int skipped = 0;
    int postponed = 0;
    int microPauses = 0;
    for (const HistoryModel::Day& day : m_report.days) {
        completed += day.completed;
        skipped += day.skipped;
        postponed += day.postponed;
        microPauses += day.microPauses;
    }
    // Micro-pauses beside the breaks once there are any, or while they are on.
    m_breaks->setText(microPauses > 0 || m_state.settings().microPauses
                          ? Texts::tr("休息：完成 %1 · 跳过 %2 · 推迟 %3 · 微休息 %4")
                                .arg(completed)
                                .arg(skipped)
                                .arg(postponed)
                                .arg(microPauses)
                          : Texts::tr("休息：完成 %1 · 跳过 %2 · 推迟 %3").arg(completed).arg(skipped).arg(postponed));
    m_chart->setDays(m_report.days);
}

QFileDialog* HistoryWindow::chooseExportFolder()
{
    if (m_chooser) {
        m_chooser->raise();
        return m_chooser;
    }
    auto* dialog = new QFileDialog(this, Texts::tr("选择导出到的文件夹"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& folder) {
        if (!folder.isEmpty()) {
            exportTo(folder);
        }
    });
    m_chooser = dialog;
    dialog->open();
    return dialog;
}

void HistoryWindow::exportTo(const QString& folder)
{
    QString error;
    const bool written = m_services.store.exportCsv(folder, &error);
    auto* box = new QMessageBox(written ? QMessageBox::Information : QMessageBox::Warning, windowTitle(),
                                written ? Texts::tr("已导出 usage.csv 和 breaks.csv") : Texts::tr("导出失败"),
                                QMessageBox::NoButton, this);
    box->setInformativeText(written ? folder : error);
    box->addButton(Texts::tr("好的"), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
