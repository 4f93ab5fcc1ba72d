// SPDX-License-Identifier: GPL-3.0-or-later
#include "DashboardWindow.h"
#include "PauseMenu.h"

#include "Accessibility.h"
#include "AppAssets.h"
#include "AppState.h"
#include "Clock.h"
#include "DashboardCards.h"
#include "DashboardModel.h"
#include "DataPaths.h"
#include "FormatDuration.h"
#include "IconButton.h"
#include "ReminderStatus.h"
#include "TavrinFont.h"
#include "ToneLabel.h"
#include "UnifiedWindowChrome.h"
#include "UsageChart.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DashboardWindow)
};

} // namespace

DashboardWindow::DashboardWindow(AppState& state, const Appearance& appearance, const Clock& clock,
                                 LocalCalendar calendar, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_appearance(appearance)
    , m_clock(clock)
    , m_calendar(std::move(calendar))
{
    setWindowTitle(QStringLiteral("Tavrin Kelomar"));
    setObjectName(QStringLiteral("dashboard"));
    Accessibility::setRole(this, QAccessible::Window);
    UnifiedWindowChrome::apply(this, appearance);
    QWidget* content = UnifiedWindowChrome::scrollingPage(this);
    content->setMinimumSize(kMinimumSize);
    UnifiedWindowChrome::fitToScreen(this, kMinimumSize, kDefaultSize);

    auto* page = new QVBoxLayout(content);
    page->setContentsMargins(50, 24, 50, 40);
    page->setSpacing(16);

    auto* brand = new QHBoxLayout;
    brand->setSpacing(12);
    brand->addWidget(new AppLogoMark(AppAssets::logo()));
    brand->addWidget(new ToneLabel(Texts::tr("Tavrin · 守护颈椎健康"), ToneLabel::Tone::primary,
                                   TavrinFont::make(15, QFont::Medium)));
    brand->addSpacing(8);
    m_reminderStatus = new ToneLabel(QString(), ToneLabel::Tone::accent, TavrinFont::make(13, QFont::Medium));
    m_reminderStatus->setObjectName(QStringLiteral("reminderStatus"));
    brand->addWidget(m_reminderStatus);
    brand->addStretch(1);
    brand->addWidget(buildQuickActions());
    page->addLayout(brand);

    auto* figures = new QHBoxLayout;
    figures->setSpacing(16);
    m_fatigue = new StatPanel(appearance, Texts::tr("疲劳值"), true);
    m_fatigue->setFixedWidth(180);
    m_today = new StatPanel(appearance, Texts::tr("今日时长"), false);
    m_today->setFixedWidth(320);
    figures->addWidget(m_fatigue, 0, Qt::AlignTop);
    figures->addWidget(m_today, 0, Qt::AlignTop);
    figures->addStretch(1);
    page->addLayout(figures);

    auto* card = new CardFrame(appearance, 20, 0.16);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(28, 28, 28, 28);
    cardLayout->setSpacing(32);
    cardLayout->addWidget(
        new ToneLabel(Texts::tr("今日使用"), ToneLabel::Tone::primary, TavrinFont::make(19, QFont::DemiBold)));
    m_chart = new UsageChart;
    cardLayout->addWidget(m_chart, 1);
    page->addWidget(card, 1);

    auto* rule = new QHBoxLayout;
    rule->setSpacing(10);
    for (int i = 0; i < 4; ++i) {
        auto* chip = new RuleChipView(appearance);
        m_chips.append(chip);
        rule->addWidget(chip);
    }
    rule->addStretch(1);
    page->addLayout(rule);

    // Once a tick, when every figure has its value for that second. The current hour's point is live fatigue,
    // so the chart follows every tick.
    connect(&m_state, &AppState::tickFinished, this, [this] {
        refreshFigures();
        refreshChart();
        refreshReminderStatus();
    });
    connect(&m_state.settingsStore(), &SettingsStore::settingsChanged, this, &DashboardWindow::refreshRule);
    connect(&m_state.settingsStore(), &SettingsStore::settingsChanged, this, &DashboardWindow::refreshReminderStatus);
    refreshReminderStatus();
    refreshFigures();
    refreshChart();
    refreshRule();
}

QWidget* DashboardWindow::buildQuickActions()
{
    auto* actions = new QWidget;
    auto* row = new QHBoxLayout(actions);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(18);

    m_rest = new IconButton({QStringLiteral("eye")}, QSize(30, 28));
    m_rest->setToolTip(Texts::tr("立即休息"));
    connect(m_rest, &QToolButton::clicked, this, [this] { m_state.requestBreak(); });

    m_movieMode = new IconButton({QStringLiteral("video")}, QSize(30, 28));
    m_movieMode->setCheckable(true);
    m_movieMode->setToolTip(Texts::tr("会议/观影模式"));
    connect(m_movieMode, &QToolButton::toggled, this, [this](bool on) {
        if (on != m_state.settings().movieMode) {
            m_state.settingsStore().setSettings(m_state.settings().withMovieMode(on));
        }
    });

    m_settings = new IconButton({QStringLiteral("gearshape")}, QSize(30, 28));
    m_settings->setToolTip(Texts::tr("设置"));
    connect(m_settings, &QToolButton::clicked, this, &DashboardWindow::settingsRequested);

    m_more = new IconButton({QStringLiteral("ellipsis"), QStringLiteral("chevron.down")}, QSize(48, 28));
    m_more->setToolTip(Texts::tr("更多"));
    auto* menu = new QMenu(m_more);
    menu->setFont(TavrinFont::make(13));
    // Pause or resume, whichever applies when the menu opens.
    m_pauseMenu = menu->addMenu(Texts::tr("暂停提醒"));
    m_pauseMenu->setFont(menu->font());
    PauseMenu::addActions(m_pauseMenu, m_state);
    m_resume = menu->addAction(Texts::tr("恢复提醒"));
    m_resume->setObjectName(QStringLiteral("resume"));
    connect(m_resume, &QAction::triggered, this, [this] { m_state.resumeReminders(); });
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const bool paused = m_state.remindersPaused();
        m_pauseMenu->menuAction()->setVisible(!paused);
        m_resume->setVisible(paused);
    });
    const auto add = [menu](const QString& name, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        return action;
    };
    connect(add(QStringLiteral("history"), Texts::tr("使用历史")), &QAction::triggered, this,
            &DashboardWindow::historyRequested);
    menu->addSeparator();
    connect(add(QStringLiteral("about"), Texts::tr("关于")), &QAction::triggered, this, [this] { showAbout(); });
    connect(add(QStringLiteral("toggleDisplayMode"), Texts::tr("显示模式")), &QAction::triggered, this,
            &DashboardWindow::toggleDisplayMode);
    m_more->setMenu(menu);
    m_more->setPopupMode(QToolButton::InstantPopup);

    for (QToolButton* button : {m_rest, m_movieMode, m_settings, m_more}) {
        button->setAccessibleName(button->toolTip());
        row->addWidget(button);
    }
    return actions;
}

QMessageBox* DashboardWindow::showAbout()
{
    if (m_about) {
        m_about->raise();
        m_about->activateWindow();
        return m_about;
    }
    auto* box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(DashboardModel::kAboutTitle);
    box->setText(DashboardModel::kAboutTitle);
    box->setFont(TavrinFont::make(13));
    // A long data path is cut in its middle rather than run past the box's edge; the whole path in the tooltip.
    const QString folder = DataPaths::applicationFolder();
    const QString shownFolder = QFontMetrics(box->font()).elidedText(folder, Qt::ElideMiddle, kAboutPathWidth);
    box->setInformativeText(DashboardModel::aboutText(QCoreApplication::applicationVersion(), shownFolder));
    if (shownFolder != folder) {
        box->setToolTip(folder);
    }
    if (const auto& logo = AppAssets::logo()) {
        box->setIconPixmap(logo->scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        box->setIcon(QMessageBox::Information);
    }
    box->addButton(Texts::tr("好的"), QMessageBox::AcceptRole);
    box->setWindowModality(Qt::WindowModal);
    m_about = box;
    box->open();
    return box;
}

void DashboardWindow::toggleDisplayMode()
{
    m_state.settingsStore().setSettings(DashboardModel::toggleDisplayMode(m_state.settings()));
}

void DashboardWindow::refreshFigures()
{
    m_fatigue->setValue(DashboardModel::fatigueText(m_state.fatigue().percent), std::nullopt);
    m_today->setValue(formatDuration(m_state.todaySeconds()),
                      DashboardModel::trendText(m_state.todaySeconds(), m_state.yesterdaySeconds()));
}

void DashboardWindow::refreshChart()
{
    const AppState::Hourly values = m_state.chartFatigue();
    m_chart->setValues(QList<double>(values.begin(), values.end()), m_calendar.hour(m_clock.now()));
}

void DashboardWindow::refreshRule()
{
    const auto chips = DashboardModel::ruleChips(m_state.settings());
    for (int i = 0; i < m_chips.size(); ++i) {
        m_chips.at(i)->setChip(chips.at(static_cast<std::size_t>(i)));
    }
    const QSignalBlocker blocker(m_movieMode);
    m_movieMode->setChecked(m_state.settings().movieMode);
}

void DashboardWindow::refreshReminderStatus()
{
    const QString text = ReminderStatus::nextBreak(m_state);
    if (m_reminderStatus->text() != text) {
        m_reminderStatus->setText(text);
    }
}
