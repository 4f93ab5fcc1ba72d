// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBarPanel.h"
#include "PauseMenu.h"

#include "Accessibility.h"
#include "AppState.h"
#include "DashboardModel.h"
#include "ReminderStatus.h"
#include "SwitchToggle.h"
#include "SymbolIcon.h"
#include "TavrinFont.h"
#include "ThemeColors.h"
#include "ToneLabel.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MenuBarPanel)
};

QIcon symbol(const QString& name, const QColor& color, qreal ratio)
{
    return QIcon(SymbolIcon::pixmap(name, QSize(16, 16), color, ratio));
}

QFrame* divider()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: palette(mid);"));
    return line;
}

QPushButton* actionButton(const QString& text, const QIcon& icon)
{
    auto* button = new QPushButton(icon, text);
    button->setFlat(true);
    // A checked row (the meeting/film toggle) looks like the others: its switch tells the state.
    // The focus ring in the text colour, visible in both themes; a transparent one keeps the text in place.
    button->setStyleSheet(
        QStringLiteral("QPushButton { text-align: left; padding: 2px 4px; border: 2px solid transparent; "
                       "border-radius: 6px; } QPushButton:focus { border-color: palette(text); }"));
    button->setFont(TavrinFont::make(13));
    // Return and Enter press the row that has the focus, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

MenuBarPanel::MenuBarPanel(AppState& state, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_state(state)
{
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(kWidth);
    setWindowTitle(Texts::tr("Tavrin 状态"));
    Accessibility::setRole(this, QAccessible::Window);
    Accessibility::listAmongWindows(this);

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(14, 14, 14, 14);
    stack->setSpacing(16);

    auto* header = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    m_title = new QLabel;
    m_title->setFont(TavrinFont::make(13, QFont::DemiBold));
    m_mode = new ToneLabel(QString(), ToneLabel::Tone::secondary, TavrinFont::make(12));
    titles->addWidget(m_title);
    titles->addWidget(m_mode);
    header->addLayout(titles);
    header->addStretch(1);
    m_badge = new QLabel;
    m_badge->setFont(TavrinFont::make(15, QFont::DemiBold));
    m_badge->setStyleSheet(
        QStringLiteral("background: rgba(127, 127, 127, 0.14); border-radius: 8px; padding: 6px 10px;"));
    header->addWidget(m_badge);
    stack->addLayout(header);

    m_bar = new QProgressBar;
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(6);
    m_bar->setAccessibleName(Texts::tr("疲劳值"));
    stack->addWidget(m_bar);

    auto* figures = new QHBoxLayout;
    m_today = figure(figures, QStringLiteral("clock"));
    figures->addStretch(1);
    m_continuous = figure(figures, QStringLiteral("timer"));
    stack->addLayout(figures);
    // When the next break comes, or why none comes: a pause, a call, a full-screen window.
    m_reminderStatus = new ToneLabel(QString(), ToneLabel::Tone::accent, TavrinFont::make(12, QFont::Medium));
    m_reminderStatus->setObjectName(QStringLiteral("reminderStatus"));
    stack->addWidget(m_reminderStatus);
    m_microPause = new ToneLabel(QString(), ToneLabel::Tone::secondary, TavrinFont::make(12));
    m_microPause->setObjectName(QStringLiteral("microPause"));
    m_microPause->hide();
    stack->addWidget(m_microPause);
    // Usage or settings that cannot be stored: said here, the file and the reason in the tooltip.
    const auto problemLabel = [stack](const QString& text, const QString& name) {
        auto* label = new ToneLabel(text, ToneLabel::Tone::accent, TavrinFont::make(12, QFont::Medium));
        label->setObjectName(name);
        label->hide();
        stack->addWidget(label);
        return label;
    };
    m_storeProblem = problemLabel(Texts::tr("无法保存使用记录"), QStringLiteral("storeProblem"));
    m_settingsProblem = problemLabel(Texts::tr("无法保存设置"), QStringLiteral("settingsProblem"));

    stack->addWidget(divider());
    auto* actions = new QVBoxLayout;
    actions->setSpacing(2);
    m_rest = actionButton(Texts::tr("立即休息"), QIcon());
    tintIcon(m_rest, QStringLiteral("figure.mind.and.body"));
    connect(m_rest, &QPushButton::clicked, this, [this] {
        hide();
        m_state.requestBreak();
    });
    actions->addWidget(m_rest);
    // A row like the others, its icon in line with theirs, with a switch at the end that shows the state.
    m_movieMode = actionButton(Texts::tr("会议/观影模式"), QIcon());
    m_movieMode->setCheckable(true);
    m_movieMode->setAccessibleName(m_movieMode->text());
    tintIcon(m_movieMode, QStringLiteral("video"));
    auto* indicator = new SwitchToggle;
    indicator->setAttribute(Qt::WA_TransparentForMouseEvents);
    indicator->setFocusPolicy(Qt::NoFocus);
    auto* stateRow = new QHBoxLayout(m_movieMode);
    stateRow->setContentsMargins(0, 0, 6, 0);
    stateRow->addStretch(1);
    stateRow->addWidget(indicator);
    connect(m_movieMode, &QPushButton::toggled, indicator, &SwitchToggle::setCheckedSilently);
    connect(m_movieMode, &QPushButton::toggled, this, [this](bool on) {
        if (on != m_state.settings().movieMode) {
            m_state.settingsStore().setSettings(m_state.settings().withMovieMode(on));
        }
    });
    actions->addWidget(m_movieMode);
    // Pausing offers its lengths in a menu; while paused the same row resumes.
    m_pause = actionButton(Texts::tr("暂停提醒"), QIcon());
    tintIcon(m_pause, QStringLiteral("bell.slash"));
    m_pauseMenu = new QMenu(this);
    m_pauseMenu->setFont(TavrinFont::make(13));
    PauseMenu::addActions(m_pauseMenu, m_state);
    connect(m_pause, &QPushButton::clicked, this, [this] {
        if (m_state.remindersPaused()) {
            m_state.resumeReminders();
        } else {
            m_pauseMenu->popup(m_pause->mapToGlobal(QPoint(0, m_pause->height())));
        }
    });
    actions->addWidget(m_pause);
    // Rows that open a window close the panel first.
    const auto opener = [&](const QString& text, const QString& symbol, void (MenuBarPanel::*requested)()) {
        QPushButton* button = actionButton(text, QIcon());
        tintIcon(button, symbol);
        connect(button, &QPushButton::clicked, this, [this, requested] {
            hide();
            emit(this->*requested)();
        });
        actions->addWidget(button);
        return button;
    };
    m_dashboard =
        opener(Texts::tr("打开仪表盘"), QStringLiteral("chart.xyaxis.line"), &MenuBarPanel::dashboardRequested);
    m_history = opener(Texts::tr("使用历史"), QStringLiteral("calendar"), &MenuBarPanel::historyRequested);
    m_settings = opener(Texts::tr("设置"), QStringLiteral("gearshape"), &MenuBarPanel::settingsRequested);
    stack->addLayout(actions);

    stack->addWidget(divider());
    m_quit = actionButton(Texts::tr("退出 Tavrin"), QIcon());
    tintIcon(m_quit, QStringLiteral("power"));
    m_quit->setToolTip(QStringLiteral("Ctrl+Q"));
    connect(m_quit, &QPushButton::clicked, qApp, &QCoreApplication::quit);
    stack->addWidget(m_quit);
    auto* quitShortcut = new QAction(this);
    quitShortcut->setShortcut(QKeySequence::Quit);
    quitShortcut->setShortcutContext(Qt::WindowShortcut);
    connect(quitShortcut, &QAction::triggered, qApp, &QCoreApplication::quit);
    addAction(quitShortcut);

    // Once a tick, when every figure has its value for that second, and at once for what the person changes;
    // a hidden panel is brought up to date when it is shown.
    const auto refreshShown = [this] {
        if (isVisible()) {
            refresh();
        }
    };
    connect(&m_state, &AppState::tickFinished, this, refreshShown);
    connect(&m_state, &AppState::storeProblemChanged, this, refreshShown);
    connect(&m_state.settingsStore(), &SettingsStore::settingsChanged, this, refreshShown);
    connect(&m_state.settingsStore(), &SettingsStore::saveProblemChanged, this, refreshShown);
    refresh();
}

void MenuBarPanel::tintIcon(QAbstractButton* button, const QString& name)
{
    m_tints.append([this, button, name] {
        button->setIcon(symbol(name, palette().color(QPalette::WindowText), devicePixelRatioF()));
    });
    m_tints.last()();
}

QLabel* MenuBarPanel::figure(QHBoxLayout* row, const QString& name)
{
    auto* icon = new QLabel;
    m_tints.append([this, icon, name] {
        icon->setPixmap(
            SymbolIcon::pixmap(name, QSize(14, 14), ThemeColors::secondaryText(palette()), devicePixelRatioF()));
    });
    m_tints.last()();
    auto* text = new ToneLabel(QString(), ToneLabel::Tone::secondary, TavrinFont::make(12));
    row->addWidget(icon);
    row->addWidget(text);
    return text;
}

void MenuBarPanel::showEvent(QShowEvent* event)
{
    refresh();
    QFrame::showEvent(event);
}

void MenuBarPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    // The symbols are pictures in the text colour, and the rows' style sheets fixed their text colour when they
    // were set: both again for a new appearance.
    if (event->type() == QEvent::PaletteChange) {
        ThemeColors::reapplyStyleSheets(this);
        for (const auto& tint : m_tints) {
            tint();
        }
    }
}

void MenuBarPanel::refresh()
{
    PanelView view = PanelView::from(m_state.fatigue(), m_state.todaySeconds(), m_state.settings());
    view.reminderStatus = ReminderStatus::nextBreak(m_state);
    if (const auto minutes = m_state.minutesUntilMicroPause()) {
        view.microPause = ReminderState::microPause(*minutes);
    }
    view.paused = m_state.remindersPaused();
    for (const auto& [label, problem] : {std::pair(m_storeProblem, m_state.storeProblem()),
                                         std::pair(m_settingsProblem, m_state.settingsStore().saveProblem())}) {
        label->setToolTip(problem.value_or(QString()));
        if (label->isVisibleTo(this) != problem.has_value()) {
            label->setVisible(problem.has_value());
            if (isVisible()) {
                adjustSize();
            }
        }
    }
    if (view == m_view && !m_title->text().isEmpty()) {
        return;
    }
    m_view = view;
    m_title->setText(view.title);
    m_mode->setText(view.modeText);
    m_badge->setText(view.badgeText);
    m_bar->setValue(view.barValue);
    QPalette barPalette = palette();
    barPalette.setColor(QPalette::Highlight,
                        view.barWarning ? QColor(0xFF, 0x95, 0x00) : palette().color(QPalette::Highlight));
    m_bar->setPalette(barPalette);
    m_today->setText(view.todayText);
    m_continuous->setText(view.continuousText);
    m_reminderStatus->setText(view.reminderStatus);
    m_microPause->setText(view.microPause);
    m_microPause->setVisible(!view.microPause.isEmpty());
    m_pause->setText(view.paused ? Texts::tr("恢复提醒") : Texts::tr("暂停提醒"));
    if (isVisible()) {
        adjustSize();
    }
    // Its switch follows through toggled(); the handler stores nothing when the setting already agrees.
    m_movieMode->setChecked(view.movieMode);
}

void MenuBarPanel::popUp(const QRect& anchor)
{
    refresh();
    adjustSize();
    const QScreen* screen = QApplication::screenAt(anchor.center());
    const QRect area = screen ? screen->availableGeometry() : QApplication::primaryScreen()->availableGeometry();
    QPoint position(anchor.center().x() - width() / 2, anchor.bottom() + 4);
    if (position.y() + height() > area.bottom()) {
        position.setY(anchor.top() - height() - 4);
    }
    position.setX(std::clamp(position.x(), area.left(), area.right() - width()));
    position.setY(std::clamp(position.y(), area.top(), area.bottom() - height()));
    move(position);
    show();
    activateWindow();
}
