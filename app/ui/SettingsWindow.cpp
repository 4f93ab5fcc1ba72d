// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsWindow.h"

#include "Accessibility.h"
#include "AppState.h"
#include "BackgroundImport.h"
#include "BusySignal.h"
#include "Clock.h"
#include "DashboardModel.h"
#include "EnumText.h"
#include "FieldLineEdit.h"
#include "GuidedMoves.h"
#include "NumberField.h"
#include "SettingsBindings.h"
#include "SettingsLayout.h"
#include "SwitchToggle.h"
#include "SystemLog.h"
#include "TavrinFont.h"
#include "ThemeColors.h"
#include "ToneLabel.h"
#include "UnifiedWindowChrome.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SettingsWindow)
};

} // namespace

using SettingsLayout::addRow;

namespace {

// A text with one link. Tab and Shift+Tab pass over it as over any control: QLabel would walk its links
// instead, and with a single link Shift+Tab never left it.
class LinkLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
    // The focus shows as a ring in the accent colour, as on the other controls.
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(ThemeColors::accent(palette()), 1.5));
            painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
        }
    }
};

QPushButton* smallButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setFont(TavrinFont::make(13));
    button->setAutoDefault(false);
    return button;
}

} // namespace

SettingsWindow::SettingsWindow(AppState& state, Services services, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("settings"));
    setWindowTitle(Texts::tr("Tavrin 设置"));
    Accessibility::setRole(this, QAccessible::Window);
    UnifiedWindowChrome::apply(this, m_services.appearance);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    // No stop of its own for Tab, where its focus could not be seen: it follows the focus through the page.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The page colour shows through the scroll area.
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget;
    buildSections(content);
    scroll->setWidget(content);
    // setWidget() turns filling on; the page colour comes from the window.
    content->setAutoFillBackground(false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    const int width = kContentWidth + 28 * 2 + scroll->verticalScrollBar()->sizeHint().width();
    UnifiedWindowChrome::fitToScreen(this, QSize(width, kMinimumHeight), QSize(width, kMinimumHeight));

    connect(&m_state.settingsStore(), &SettingsStore::settingsChanged, this, &SettingsWindow::refresh);
    refresh();
    // Keyboard users start at the first row, not in the scroll area.
    m_toggles.value(QStringLiteral("launchAtStartup"))->setFocus();
}

SettingsWindow::~SettingsWindow()
{
    // A number still being typed is committed when its field loses focus. Let that happen now, while this
    // window can still store it, rather than in QWidget's destructor.
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
}

void SettingsWindow::buildSections(QWidget* content)
{
    auto* page = new QVBoxLayout(content);
    page->setContentsMargins(28, 36, 28, 24);
    page->setSpacing(26);
    const Appearance& appearance = m_services.appearance;

    QVBoxLayout* launch = SettingsLayout::addSection(page, Texts::tr("启动"), appearance);
    addSwitch(launch, QStringLiteral("launchAtStartup"), Texts::tr("开机时启动"), &AppSettings::launchAtStartup);

    QVBoxLayout* statusBar = SettingsLayout::addSection(page, Texts::tr("状态栏"), appearance);
    addSwitch(statusBar, QStringLiteral("showStatusBarIcon"), Texts::tr("显示状态栏图标"),
              &AppSettings::showStatusBarIcon);
    addSwitch(statusBar, QStringLiteral("showTodayInStatusBar"), Texts::tr("在状态栏中显示今日时长"),
              &AppSettings::showTodayInStatusBar);

    QVBoxLayout* dock = SettingsLayout::addSection(page, Texts::tr("程序坞"), appearance);
    addSwitch(dock, QStringLiteral("showDockIcon"), Texts::tr("显示程序坞图标"), &AppSettings::showDockIcon);

    QVBoxLayout* notices = SettingsLayout::addSection(page, Texts::tr("通知"), appearance);
    addSwitch(notices, QStringLiteral("notificationEnabled"), Texts::tr("通知提醒"), &AppSettings::notificationEnabled);
    m_reminderStyle = picker(&AppSettings::reminderStyle, 132);
    m_reminderStyle->setAccessibleName(Texts::tr("提醒方式"));
    m_rows.insert(QStringLiteral("reminderStyle"),
                  {addRow(notices, Texts::tr("提醒方式"), m_reminderStyle), m_reminderStyle});
    addSwitch(notices, QStringLiteral("notifyBeforeOverlay"), Texts::tr("在全屏弹窗出现前通知提醒"),
              &AppSettings::notifyBeforeOverlay);
    addSwitch(notices, QStringLiteral("startBreakAtPause"), Texts::tr("在我停手时开始休息"),
              &AppSettings::startBreakAtPause);
    addSwitch(notices, QStringLiteral("playSoundOnEnd"), Texts::tr("休息结束时播放声音"), &AppSettings::playSoundOnEnd);
    addSwitch(notices, QStringLiteral("showSkipButton"), Texts::tr("在全屏弹窗中展示跳过按钮"),
              &AppSettings::showSkipButton);
    addSwitch(notices, QStringLiteral("guideDuringBreak"), Texts::tr("休息时跟练"), &AppSettings::guideDuringBreak);
    QPushButton* excluded = excludedMovesButton();
    excluded->setAccessibleName(Texts::tr("不适合我的动作"));
    addRow(notices, excluded->accessibleName(), excluded);
    m_postpone = new QComboBox;
    m_postpone->setFont(TavrinFont::make(13));
    m_postpone->setFixedWidth(132);
    Accessibility::nameByPurpose(m_postpone);
    for (const qint64 minutes : AppSettings::kPostponeChoices) {
        m_postpone->addItem(Texts::tr("%n 分钟", nullptr, static_cast<int>(minutes)), QVariant::fromValue(minutes));
    }
    connect(m_postpone, &QComboBox::activated, this, [this](int index) {
        const qint64 minutes = m_postpone->itemData(index).toLongLong();
        change([minutes](AppSettings settings) {
            settings.postponeMinutes = minutes;
            return settings;
        });
    });
    m_refreshers.append([this](const AppSettings& settings) {
        const QSignalBlocker blocker(m_postpone);
        m_postpone->setCurrentIndex(m_postpone->findData(QVariant::fromValue(settings.postponeMinutes)));
    });
    m_postpone->setAccessibleName(Texts::tr("推迟时长"));
    m_rows.insert(QStringLiteral("postponeMinutes"),
                  {addRow(notices, m_postpone->accessibleName(), m_postpone), m_postpone});
    m_background = picker(&AppSettings::overlayBackground, 90);
    m_background->setAccessibleName(Texts::tr("全屏弹窗背景"));
    m_upload = smallButton(Texts::tr("上传"));
    m_upload->setAccessibleName(Texts::tr("上传背景图片"));
    connect(m_upload, &QPushButton::clicked, this, [this] { chooseBackgroundImage(); });
    m_test = smallButton(Texts::tr("测试"));
    m_test->setAccessibleName(Texts::tr("测试全屏弹窗"));
    // Starts a break exactly as "rest now" does: on a later turn of the event loop.
    connect(m_test, &QPushButton::clicked, this, [this] { m_state.requestBreak(); });
    m_refreshers.append([this](const AppSettings& settings) {
        m_upload->setEnabled(settings.overlayBackground == OverlayBackgroundStyle::custom);
    });
    addRow(notices, Texts::tr("全屏弹窗背景"), SettingsLayout::group({m_background, m_upload, m_test}));

    QVBoxLayout* rules = SettingsLayout::addSection(page, Texts::tr("规则"), appearance);
    auto* messageBlock = new QVBoxLayout;
    messageBlock->setSpacing(8);
    auto* messageTitle = new ToneLabel(Texts::tr("全屏提醒的提醒内容"), ToneLabel::Tone::primary, TavrinFont::make(14));
    messageBlock->addWidget(messageTitle);
    m_breakMessage = new FieldLineEdit(appearance, QMargins(12, 9, 12, 9));
    messageTitle->setBuddy(m_breakMessage);
    m_breakMessage->setPlaceholderText(Texts::tr("你已经持续工作 45 分钟啦"));
    m_breakMessage->setMaxLength(static_cast<int>(AppSettings::kMaximumBreakMessageLength));
    connect(m_breakMessage, &QLineEdit::textEdited, this, [this](const QString& text) {
        change([text](AppSettings settings) {
            settings.rule.breakMessage = text;
            return settings;
        });
    });
    m_refreshers.append([this](const AppSettings& settings) {
        // The untouched default reads in the language shown, as the break says it; a message of the person's own
        // as they wrote it.
        const RuleConfig& rule = settings.rule;
        const bool translated = rule.breakMessage == RuleConfig::kDefaultBreakMessage &&
                                RuleConfig().shownMessage() != RuleConfig::kDefaultBreakMessage;
        const QString shown = translated ? rule.shownMessage() : rule.breakMessage;
        if (m_breakMessage->text() != shown) {
            m_breakMessage->setText(shown);
        }
    });
    messageBlock->addWidget(m_breakMessage);
    SettingsLayout::addBlock(rules, messageBlock);

    m_workMinutes = numberField(SettingsBindings::workMinutes, SettingsBindings::withWorkMinutes);
    m_restMinutes = numberField(SettingsBindings::restMinutes, SettingsBindings::withRestMinutes);
    m_restSeconds = numberField(SettingsBindings::restSeconds, SettingsBindings::withRestSeconds);
    m_workMinutes->setAccessibleName(Texts::tr("工作时长（分钟）"));
    m_restMinutes->setAccessibleName(Texts::tr("休息时长（分钟）"));
    m_restSeconds->setAccessibleName(Texts::tr("休息时长（秒）"));
    addRow(rules, Texts::tr("规则"),
           SettingsLayout::group({SettingsLayout::groupText(Texts::tr("工作")), m_workMinutes,
                                  SettingsLayout::groupText(Texts::tr("分后，休息")), m_restMinutes,
                                  SettingsLayout::groupText(Texts::tr("分")), m_restSeconds,
                                  SettingsLayout::groupText(Texts::tr("秒"))}));
    m_nagMinutes = numberField(SettingsBindings::nagMinutes, SettingsBindings::withNagMinutes);
    m_nagMinutes->setAccessibleName(Texts::tr("疲劳值 100% 时的提醒间隔（分钟）"));
    QWidget* nag = SettingsLayout::group({SettingsLayout::groupText(Texts::tr("100% 时每隔")), m_nagMinutes,
                                          SettingsLayout::groupText(Texts::tr("分钟提醒"))});
    m_rows.insert(QStringLiteral("nagIntervalSeconds"), {addRow(rules, Texts::tr("通知间隔"), nag), nag});
    m_refreshers.append([this](const AppSettings& settings) { enableRows(settings); });

    addCaptionedSwitch(
        rules, QStringLiteral("movieMode"), Texts::tr("会议/观影模式"),
        Texts::tr("开启后暂停统计，会议、观影期间不累计疲劳值与工作时长"),
        [](const AppSettings& settings) { return settings.movieMode; },
        [](const AppSettings& settings, bool on) { return settings.withMovieMode(on); });

    QVBoxLayout* quiet = SettingsLayout::addSection(page, Texts::tr("免打扰"), appearance);
    addCaptionedSwitch(
        quiet, QStringLiteral("quietDuringCalls"), Texts::tr("麦克风或摄像头使用中时推迟休息"),
        Texts::tr("其他程序录音或使用摄像头时，休息等结束 2 分钟后再开始，最多推迟 60 分钟"),
        [](const AppSettings& settings) { return settings.quietDuringCalls; },
        [](AppSettings settings, bool on) {
            settings.quietDuringCalls = on;
            return settings;
        });
    // Where the session cannot tell, the switch says so rather than promise a quiet it cannot keep.
    const BusySignal::Coverage coverage = m_state.fullScreenCoverage();
    const QString fullScreenCaption =
        coverage == BusySignal::Coverage::nothing ? Texts::tr("当前会话无法得知前台窗口是否全屏，此项不可用")
        : coverage == BusySignal::Coverage::x11WindowsOnly
            ? Texts::tr("Wayland 会话中只能识别 X11 应用的全屏窗口，原生 Wayland 窗口无法得知")
            : Texts::tr("演示、视频等全屏时，休息等退出全屏 2 分钟后再开始，最多推迟 60 分钟");
    SwitchToggle* fullScreen = addCaptionedSwitch(
        quiet, QStringLiteral("quietDuringFullScreen"), Texts::tr("前台窗口全屏时推迟休息"), fullScreenCaption,
        [](const AppSettings& settings) { return settings.quietDuringFullScreen; },
        [](AppSettings settings, bool on) {
            settings.quietDuringFullScreen = on;
            return settings;
        });
    fullScreen->setEnabled(coverage != BusySignal::Coverage::nothing);

    // A short rest of a few seconds every few minutes, beside the breaks.
    QVBoxLayout* micro = SettingsLayout::addSection(page, Texts::tr("微休息"), appearance);
    addCaptionedSwitch(
        micro, QStringLiteral("microPauses"), Texts::tr("微休息"),
        Texts::tr("在屏幕上方请你停下片刻，放松肩颈和眼睛；不抢输入，不影响疲劳值和休息"),
        [](const AppSettings& settings) { return settings.microPauses; },
        [](AppSettings settings, bool on) {
            settings.microPauses = on;
            return settings;
        });
    m_microPauseMinutes = numberField([](const AppSettings& settings) { return settings.microPauseMinutes; },
                                      [](AppSettings settings, qint64 minutes) {
                                          settings.microPauseMinutes = minutes;
                                          return settings.withinLimits();
                                      });
    m_microPauseSeconds = numberField([](const AppSettings& settings) { return settings.microPauseSeconds; },
                                      [](AppSettings settings, qint64 seconds) {
                                          settings.microPauseSeconds = seconds;
                                          return settings.withinLimits();
                                      });
    m_microPauseMinutes->setAccessibleName(Texts::tr("微休息间隔（分钟）"));
    m_microPauseSeconds->setAccessibleName(Texts::tr("微休息时长（秒）"));
    QWidget* rhythm = SettingsLayout::group({SettingsLayout::groupText(Texts::tr("每工作")), m_microPauseMinutes,
                                             SettingsLayout::groupText(Texts::tr("分钟，停")), m_microPauseSeconds,
                                             SettingsLayout::groupText(Texts::tr("秒"))});
    m_rows.insert(QStringLiteral("microPauseRhythm"), {addRow(micro, Texts::tr("节奏"), rhythm), rhythm});

    QVBoxLayout* look = SettingsLayout::addSection(page, Texts::tr("外观"), appearance);
    m_theme = picker(&AppSettings::theme, 132);
    m_theme->setAccessibleName(Texts::tr("主题"));
    addRow(look, m_theme->accessibleName(), m_theme);
    // Named in both languages, so that whoever cannot read the one shown still finds it.
    m_language = picker(&AppSettings::language, 132);
    m_language->setAccessibleName(QStringLiteral("语言 / Language"));
    QWidget* language =
        SettingsLayout::group({m_language, SettingsLayout::groupText(Texts::tr("重新启动 Tavrin 后生效"))});
    m_rows.insert(QStringLiteral("language"), {addRow(look, QStringLiteral("语言 / Language"), language), language});

    QVBoxLayout* other = SettingsLayout::addSection(page, Texts::tr("其他"), appearance);
    m_contact = new LinkLabel(QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(DashboardModel::kContactAddress));
    m_contact->setFont(TavrinFont::make(13));
    m_contact->setContentsMargins(4, 2, 4, 2);
    m_contact->setTextFormat(Qt::RichText);
    m_contact->setOpenExternalLinks(true);
    m_contact->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_contact->setAccessibleName(Texts::tr("联系开发者：%1").arg(DashboardModel::kContactAddress));
    addRow(other, Texts::tr("联系开发者"), m_contact);
    page->addStretch(1);
}

SwitchToggle* SettingsWindow::addSwitch(QVBoxLayout* section, const QString& name, const QString& title,
                                        bool AppSettings::*field)
{
    auto* toggle = new SwitchToggle;
    toggle->setObjectName(name);
    toggle->setAccessibleName(title);
    m_toggles.insert(name, toggle);
    connect(toggle, &SwitchToggle::toggled, this, [this, field](bool on) {
        change([field, on](AppSettings settings) {
            settings.*field = on;
            return settings;
        });
    });
    m_refreshers.append([toggle, field](const AppSettings& settings) { toggle->setCheckedSilently(settings.*field); });
    m_rows.insert(name, {addRow(section, title, toggle), toggle});
    return toggle;
}

SwitchToggle* SettingsWindow::addCaptionedSwitch(QVBoxLayout* section, const QString& name, const QString& title,
                                                 const QString& caption, std::function<bool(const AppSettings&)> read,
                                                 std::function<AppSettings(AppSettings, bool)> write)
{
    auto* block = new QHBoxLayout;
    block->setSpacing(8);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(new ToneLabel(title, ToneLabel::Tone::primary, TavrinFont::make(14)));
    auto* explanation = new ToneLabel(caption, ToneLabel::Tone::secondary, TavrinFont::make(12));
    explanation->setWordWrap(true);
    texts->addWidget(explanation);
    block->addLayout(texts, 1);
    auto* toggle = new SwitchToggle;
    toggle->setObjectName(name);
    toggle->setAccessibleName(title);
    m_toggles.insert(name, toggle);
    m_captions.insert(name, explanation);
    connect(toggle, &SwitchToggle::toggled, this,
            [this, write](bool on) { change([&write, on](AppSettings settings) { return write(settings, on); }); });
    m_refreshers.append([toggle, read](const AppSettings& settings) { toggle->setCheckedSilently(read(settings)); });
    block->addWidget(toggle, 0, Qt::AlignVCenter);
    SettingsLayout::addBlock(section, block);
    return toggle;
}

QPushButton* SettingsWindow::excludedMovesButton()
{
    // A menu of the guided moves; a ticked one is left out of every routine.
    auto* button = smallButton(QString());
    button->setMinimumWidth(132);
    auto* menu = new QMenu(button);
    for (const GuidedMoves::Move& move : GuidedMoves::all()) {
        QAction* action = menu->addAction(move.name);
        action->setObjectName(move.id);
        action->setCheckable(true);
        action->setData(move.id);
        connect(action, &QAction::toggled, this, [this, id = move.id](bool leftOut) {
            change([&id, leftOut](AppSettings settings) {
                settings.excludedMoves.removeAll(id);
                if (leftOut) {
                    settings.excludedMoves.append(id);
                }
                return settings;
            });
        });
    }
    button->setMenu(menu);
    m_excludedMoves = menu;
    m_refreshers.append([button, menu](const AppSettings& settings) {
        int leftOut = 0;
        for (QAction* action : menu->actions()) {
            const QSignalBlocker blocker(action);
            action->setChecked(settings.excludedMoves.contains(action->data().toString()));
            leftOut += action->isChecked() ? 1 : 0;
        }
        button->setText(leftOut == 0 ? Texts::tr("无") : Texts::tr("已排除 %1 个").arg(leftOut));
        button->setAccessibleDescription(button->text());
    });
    return button;
}

NumberField* SettingsWindow::numberField(std::function<qint64(const AppSettings&)> read,
                                         std::function<AppSettings(AppSettings, qint64)> write)
{
    auto* field = new NumberField(m_services.appearance);
    connect(field, &NumberField::committed, this,
            [this, write](qint64 value) { change([&write, value](AppSettings s) { return write(s, value); }); });
    m_refreshers.append([field, read](const AppSettings& settings) { field->setValue(read(settings)); });
    return field;
}

template <typename E>
QComboBox* SettingsWindow::picker(E AppSettings::*field, int width)
{
    auto* box = new QComboBox;
    Accessibility::nameByPurpose(box);
    box->setFont(TavrinFont::make(13));
    box->setFixedWidth(width);
    for (const auto& entry : EnumTraits<E>::cases) {
        box->addItem(title(entry.value), QVariant::fromValue(static_cast<int>(entry.value)));
    }
    connect(box, &QComboBox::activated, this, [this, box, field](int index) {
        const auto value = static_cast<E>(box->itemData(index).toInt());
        change([field, value](AppSettings settings) {
            settings.*field = value;
            return settings;
        });
    });
    m_refreshers.append([box, field](const AppSettings& settings) {
        const int index = box->findData(static_cast<int>(settings.*field));
        if (index != box->currentIndex()) {
            const QSignalBlocker blocker(box);
            box->setCurrentIndex(index);
        }
    });
    return box;
}

void SettingsWindow::enableRows(const AppSettings& settings)
{
    // Without reminders there is no style, notice, postponement or repeat to choose; the notice comes only
    // before a full-screen break, and the wait for a pause only after the notice. A break taken by hand
    // still shows the overlay with its skip button, background and sound, so those stay.
    const bool reminders = settings.notificationEnabled;
    const bool notice = reminders && settings.reminderStyle == ReminderStyle::fullscreen;
    const std::pair<const char*, bool> rows[] = {
        {"reminderStyle", reminders},
        {"notifyBeforeOverlay", notice},
        {"startBreakAtPause", notice && settings.notifyBeforeOverlay},
        {"postponeMinutes", reminders},
        {"nagIntervalSeconds", reminders},
        {"microPauseRhythm", settings.microPauses},
    };
    for (const auto& [name, enabled] : rows) {
        for (QWidget* widget : m_rows.value(QLatin1StringView(name))) {
            widget->setEnabled(enabled);
        }
    }
}

bool SettingsWindow::rowEnabled(const QString& name) const
{
    const QList<QWidget*> row = m_rows.value(name);
    return !row.isEmpty() && std::ranges::all_of(row, [](const QWidget* widget) { return widget->isEnabled(); });
}

void SettingsWindow::change(const Edit& edit)
{
    const AppSettings changed = edit(m_state.settings());
    if (changed == m_state.settings()) {
        // Nothing to store and no signal to come; the controls must still show the stored value (a
        // clamped number typed again, for instance).
        refresh();
        return;
    }
    m_state.settingsStore().setSettings(changed);
}

void SettingsWindow::refresh()
{
    const AppSettings& settings = m_state.settings();
    for (const auto& refresher : m_refreshers) {
        refresher(settings);
    }
}

QFileDialog* SettingsWindow::chooseBackgroundImage()
{
    if (m_chooser) {
        m_chooser->raise();
        return m_chooser;
    }
    auto* dialog = new QFileDialog(this, Texts::tr("选择全屏弹窗的背景图片"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // One filter, all the pictures Qt can read, chosen from the start: per-type filters hid PNG and JPEG
    // files behind whichever type came first.
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    }
    const QString allImages = Texts::tr("图片 (%1)").arg(patterns.join(u' '));
    dialog->setNameFilter(allImages);
    dialog->selectNameFilter(allImages);
    dialog->setLabelText(QFileDialog::FileName, Texts::tr("文件名"));
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (!path.isEmpty()) {
            useBackgroundImage(path);
        }
    });
    m_chooser = dialog;
    dialog->open();
    return dialog;
}

void SettingsWindow::useBackgroundImage(const QString& chosenPath)
{
    if (const auto reason = BackgroundImport::refusal(chosenPath)) {
        m_services.log.log(BackgroundImport::kFailure, Texts::tr("%1：%2").arg(chosenPath, *reason));
        auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), Texts::tr("无法用这个文件作为全屏弹窗的背景"),
                                    QMessageBox::NoButton, this);
        box->setInformativeText(*reason);
        box->addButton(Texts::tr("好的"), QMessageBox::AcceptRole);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        box->open();
        return;
    }
    const qint64 now = m_services.clock.now().toSecsSinceEpoch();
    const auto copy = BackgroundImport::importImage(chosenPath, m_services.backgroundsFolder, now, m_services.log);
    const QString path = copy.value_or(chosenPath);
    change([&path](AppSettings settings) {
        settings.overlayBackgroundImagePath = path;
        return settings;
    });
    change([](AppSettings settings) {
        settings.overlayBackground = OverlayBackgroundStyle::custom;
        return settings;
    });
}
