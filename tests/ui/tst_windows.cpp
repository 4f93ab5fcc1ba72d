// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"
#include "AppStateFixture.h"
#include "BackgroundImport.h"
#include "BannerTexts.h"
#include "BreakOverlayContentView.h"
#include "BreakOverlayPresenter.h"
#include "ControlAdaptor.h"
#include "DashboardCards.h"
#include "DashboardModel.h"
#include "DashboardWindow.h"
#include "DataPaths.h"
#include "FormatDuration.h"
#include "GuideView.h"
#include "GuidedMoves.h"
#include "HistoryChart.h"
#include "HistoryWindow.h"
#include "MenuBarPanel.h"
#include "MicroPauseCard.h"
#include "NumberField.h"
#include "OverlayBackground.h"
#include "OverlayTextLabel.h"
#include "OverlayTips.h"
#include "OwnTranslation.h"
#include "PanelView.h"
#include "Patience.h"
#include "PillButton.h"
#include "QtTranslations.h"
#include "RecordingSystemLog.h"
#include "ReminderBannerView.h"
#include "ReminderStatus.h"
#include "SettingsBindings.h"
#include "SettingsWindow.h"
#include "StatusReport.h"
#include "SwitchToggle.h"
#include "TavrinApp.h"
#include "TestFiles.h"
#include "TestPictures.h"
#include "TextContrast.h"
#include "ThemeAppearance.h"
#include "ThemeColors.h"
#include "TrayController.h"
#include "UsageChart.h"
#include "WidgetSnapshot.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <limits>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

void typeInto(NumberField* field, const QString& text, bool enter = true)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    if (enter) {
        QTest::keyClick(field, Qt::Key_Return);
    }
}

template <typename Window>
void showAndWait(Window& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// Every window, the overlay (its buttons taking keys), both banners, the micro-pause card and the panel, over one
// AppState, as a person meets them.
struct EveryWindow
{
    explicit EveryWindow(AppStateFixture& app)
        : panel(app.state())
        , dashboard(app.state(), app.appearance, app.clock, LocalCalendar(QTimeZone::utc()))
        , settings(app.state(), {app.appearance, app.clock, app.log, app.dir.filePath("bg")})
        , history(app.state(),
                  {*app.database, app.appearance, app.clock, LocalCalendar(QTimeZone::utc()), app.defaults})
        , background(OverlayBackground::load(std::nullopt, QGuiApplication::primaryScreen()->size()))
        , overlay(breakOptions(), background, {}, {}, {})
        , card(QStringLiteral("放松肩膀"), [] {})
    {
        OverlayContent content;
        content.countdown = QStringLiteral("2:59");
        content.timeLeft = BreakOverlayPresenter::timeLeft(179);
        content.tip = OverlayTips::tip(0);
        content.guideOffered = true;
        content.keysReady = true;
        overlay.showContent(content);
        overlay.setGeometry(QGuiApplication::primaryScreen()->geometry());
        for (const BannerNotice& notice : {BannerNotice{BannerNotice::Kind::breakComing, 10, {}},
                                           BannerNotice{BannerNotice::Kind::breakDue, 0, QStringLiteral("起来走走")}}) {
            banners.push_back(std::make_unique<ReminderBannerView>(
                BannerTexts::content(notice), [] {}, [] {}, [] {}));
        }
    }
    static BreakOptions breakOptions()
    {
        BreakOptions options;
        options.message = QStringLiteral("站起来活动一下");
        options.duration = 180;
        options.postponeMinutes = 5;
        return options;
    }
    // Shows them all and returns them, the panel first; it comes up last, since a popup closes when another window
    // comes up.
    QList<QWidget*> show()
    {
        QList<QWidget*> windows{&dashboard, &settings, &history, &overlay, &card};
        for (const auto& banner : banners) {
            windows.append(banner.get());
        }
        for (QWidget* window : windows) {
            window->show();
            if (!QTest::qWaitForWindowExposed(window)) {
                return {};
            }
        }
        panel.popUp(QRect(600, 0, 20, 20));
        windows.prepend(&panel);
        return QTest::qWaitForWindowExposed(&panel) ? windows : QList<QWidget*>();
    }

    MenuBarPanel panel;
    DashboardWindow dashboard;
    SettingsWindow settings;
    HistoryWindow history;
    OverlayBackground background;
    BreakOverlayContentView overlay;
    MicroPauseCard card;
    std::vector<std::unique_ptr<ReminderBannerView>> banners;
};

// What a screen reader cannot get from a window: a control a person can reach without a name, or named by its
// value; the window without a window's role; a chart without values.
QStringList unreadable(QWidget* window)
{
    static const QSet<QAccessible::Role> windowRoles{QAccessible::Window, QAccessible::Dialog,
                                                     QAccessible::AlertMessage, QAccessible::Notification};
    QStringList faults;
    const QString where = QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(": ");
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    if (!windowRoles.contains(root->role())) {
        faults.append(where + QStringLiteral("role %1").arg(root->role()));
    }
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child || child->state().invisible) {
                continue;
            }
            const QString name = child->text(QAccessible::Name).trimmed();
            const QString value = child->text(QAccessible::Value).trimmed();
            const bool control = child->state().focusable && !child->state().disabled;
            if (control && (name.isEmpty() || (name == value && child->role() != QAccessible::Button))) {
                const QObject* object = child->object();
                faults.append(where + (object ? QString::fromLatin1(object->metaObject()->className()) : QString()) +
                              QStringLiteral(" named \"%1\"").arg(name));
            }
            if (child->role() == QAccessible::Chart && child->childCount() == 0) {
                faults.append(where + QStringLiteral("a chart without values: ") + name);
            }
            walk(child);
        }
    };
    walk(root);
    return faults;
}

// The widgets that Tab reaches in a window, one round from the one with the focus, forward or back; a widget
// that keeps the focus ends the round.
QList<QWidget*> tabRound(QWidget* window, bool forward)
{
    QList<QWidget*> round;
    QWidget* start = window->focusWidget();
    for (QWidget* at = start; round.size() < 200;) {
        QTest::keyClick(at ? at : window, forward ? Qt::Key_Tab : Qt::Key_Backtab);
        QWidget* next = window->focusWidget();
        if (!next || next == at) {
            round.append(nullptr);
            break;
        }
        round.append(next);
        if (next == start || (!start && round.count(next) > 1)) {
            break;
        }
        at = next;
    }
    return round;
}

} // namespace

// What the panel, the dashboard and the settings window show and store, first as plain view logic, then as
// windows over an AppState in virtual time used with the mouse and the keyboard (offscreen), and the shell.
class WindowsTest : public QObject
{
    Q_OBJECT

private:
    SettingsWindow::Services settingsServices(AppStateFixture& app, const QString& backgrounds = QString())
    {
        return {app.appearance, app.clock, app.log, backgrounds.isEmpty() ? app.dir.filePath("bg") : backgrounds};
    }

private slots:
    void initTestCase() { Accessibility::install(); }

    void thePanelAndTheDashboardShowTheDayAndShareMeetingMode()
    {
        AppStateFixture app;
        app.work(30min);
        DashboardWindow dashboard(app.state(), app.appearance, app.clock, LocalCalendar(QTimeZone::utc()));
        showAndWait(dashboard);
        MenuBarPanel panel(app.state());
        panel.popUp(QRect(600, 0, 20, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(QStringLiteral("连续 ") + dashboard.todayPanel()->value(), panel.view().continuousText);
        QCOMPARE(dashboard.fatiguePanel()->value(), panel.view().badgeText);
        QCOMPARE(dashboard.chart()->points().size(), 10); // 09:30: hours 0 to 9

        QTest::mouseClick(panel.movieModeToggle(), Qt::LeftButton, {},
                          QPoint(8, panel.movieModeToggle()->height() / 2));
        QVERIFY(app.storedSettings().movieMode);
        QVERIFY(dashboard.movieModeButton()->isChecked());
        QCOMPARE(dashboard.ruleChips().at(3)->chip().value, QStringLiteral("开启"));
        app.work(1s);
        QCOMPARE(panel.view().modeText, QStringLiteral("空闲"));
        QTest::mouseClick(dashboard.movieModeButton(), Qt::LeftButton);
        QVERIFY(!app.storedSettings().movieMode);
        QVERIFY(!panel.movieModeToggle()->isChecked());

        // Pausing from the panel: it says until when, and the same row resumes.
        panel.pauseMenu()->findChild<QAction*>(QStringLiteral("pauseUntilTomorrow"))->trigger();
        QCOMPARE(panel.reminderStatusLabel()->text(), QStringLiteral("提醒已暂停，至明天"));
        QCOMPARE(panel.pauseButton()->text(), QStringLiteral("恢复提醒"));
        QTest::mouseClick(panel.pauseButton(), Qt::LeftButton);
        QVERIFY(!app.storedSettings().pausedUntil);

        // A store that refuses: the panel says so, the reason in its tooltip, until it takes the usage again.
        app.usage.failWrites = true;
        app.work(10s);
        auto* problem = panel.findChild<QLabel*>(QStringLiteral("storeProblem"));
        QVERIFY(problem && problem->isVisible());
        QCOMPARE(problem->toolTip(), QStringLiteral("data.db：磁盘已满"));
        app.usage.failWrites = false;
        app.work(10s);
        QVERIFY(problem->isHidden());

        app.work(31min);
        QCOMPARE(dashboard.chart()->points().size(), 11);
        app.overlayWindows.skip(); // the automatic break of the 45th minute
        app.scheduler.runDue();
        QTest::mouseClick(panel.restButton(), Qt::LeftButton);
        QVERIFY(!panel.isVisible());
        app.scheduler.runDue();
        QCOMPARE(app.overlayWindows.opens, 2);
    }

    // The rows of the panel start with their icons in one column, the meeting/film row's too.
    void thePanelsIconsAreInLine()
    {
        AppStateFixture app;
        MenuBarPanel panel(app.state());
        panel.popUp(QRect(600, 0, 20, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QImage image = panel.grab().toImage();
        QList<int> iconColumns;
        for (QPushButton* row : {panel.restButton(), panel.movieModeToggle(), panel.dashboardButton(),
                                 panel.settingsButton(), panel.quitButton()}) {
            const QRect area = row->geometry();
            const QColor page = image.pixelColor(area.left(), area.top());
            int x = area.left();
            auto inked = [&](int column) {
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    const QColor pixel = image.pixelColor(column, y);
                    if (qAbs(pixel.lightness() - page.lightness()) > 60) {
                        return true;
                    }
                }
                return false;
            };
            while (x < area.right() && !inked(x)) {
                ++x;
            }
            iconColumns.append(x);
        }
        // Within the few pixels by which the symbols' own shapes differ.
        const auto [first, last] = std::minmax_element(iconColumns.begin(), iconColumns.end());
        QVERIFY2(*last - *first <= 3, qPrintable(QStringLiteral("%1 to %2").arg(*first).arg(*last)));
    }

    // Where the day's curve goes: a point per hour up to now, dots whole at 0 % and at midnight, 100 % on the top grid
    // line, the marker on the current hour.
    void theChartsGeometry_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("dots");
        QTest::newRow("an empty day at midnight") << QList<double>{} << 0 << 1;
        QTest::newRow("0 % all morning") << QList<double>(10, 0.0) << 9 << 1;
        QTest::newRow("100 % at midnight") << QList<double>{100} << 0 << 1;
        QTest::newRow("a day all at 100 %") << QList<double>(24, 100.0) << 23 << 24;
        QTest::newRow("beyond the range, and a NaN") << QList<double>{-5, 140, qQNaN(), 50} << 3 << 2;
    }

    void theChartsGeometry()
    {
        QFETCH(QList<double>, values);
        QFETCH(int, hour);
        QFETCH(int, dots);
        const auto points = UsageChartData::points(values, hour);
        const auto layout = UsageChartData::geometry(points, hour, QSizeF(600, 260), QSizeF(30, 15));
        const QRectF& plot = layout.plot;
        QCOMPARE(layout.curve.size(), hour + 1);
        QCOMPARE(layout.dots.size(), dots);
        const auto yOf = [&](double fraction) { return plot.bottom() - plot.height() * fraction; };
        for (qsizetype i = 0; i < points.size(); ++i) {
            const double expected =
                yOf(layout.percentTicks.first().fraction) +
                (yOf(layout.percentTicks.last().fraction) - yOf(layout.percentTicks.first().fraction)) *
                    points[i].value / 100;
            QVERIFY(qAbs(layout.curve[i].y() - expected) < 1e-9);
        }
        for (const auto& dot : layout.dots) {
            const QRectF disc(dot.centre - QPointF(dot.diameter / 2, dot.diameter / 2),
                              QSizeF(dot.diameter, dot.diameter));
            // Whole: inside the widget and clear of the hours' labels under the plot.
            QVERIFY(QRectF(0, 0, 600, 260).contains(disc) && disc.bottom() <= plot.bottom() + 5);
        }
        QCOMPARE(layout.markerX, std::optional(layout.curve.last().x()));
        QCOMPARE(layout.hourLabels.size(), 13);
        QCOMPARE(layout.hourLabels.first().first, plot.left() + plot.width() * 0.6 / 24.6);
        QCOMPARE(layout.percentTicks.size(), 6);
        QCOMPARE(layout.percentTicks.last(), (ChartPlot::Tick{1.0, QStringLiteral("100%")}));
    }

    // A dot at midnight and at 0 % is drawn whole, not cut in half by the plot area.
    void theChartDrawsADotAtTheCornerWhole()
    {
        UsageChart chart;
        chart.resize(600, 300);
        chart.setValues({0.0}, 0);
        showAndWait(chart);
        const int dot = TestPictures::countNear(chart.grab().toImage(), ThemeColors::accent(chart.palette()), 12);
        QVERIFY2(dot > 70, qPrintable(QString::number(dot))); // a circle of area 100
    }

    void theDashboardsActions()
    {
        AppStateFixture app;
        DashboardWindow dashboard(app.state(), app.appearance, app.clock, LocalCalendar(QTimeZone::utc()));
        showAndWait(dashboard);
        QMenu* more = dashboard.moreButton()->menu();
        const auto item = [more](const char* name) { return more->findChild<QAction*>(QLatin1StringView(name)); };
        item("toggleDisplayMode")->trigger();
        QCOMPARE(app.appearance.mode, ThemeMode::dark);
        item("toggleDisplayMode")->trigger();
        QCOMPARE(app.storedSettings().theme, ThemeMode::light);
        // Pause for half an hour, then the menu offers to resume instead.
        dashboard.pauseMenu()->findChild<QAction*>(QStringLiteral("pauseHalfAnHour"))->trigger();
        QCOMPARE(dashboard.reminderStatusLabel()->text(), QStringLiteral("提醒已暂停，至 09:30"));
        emit more->aboutToShow();
        QVERIFY(!dashboard.pauseMenu()->menuAction()->isVisible() && dashboard.resumeAction()->isVisible());
        dashboard.resumeAction()->trigger();
        QVERIFY(!app.state().remindersPaused());
        item("about")->trigger(); // window-modal, so the loop goes on
        auto* about = dashboard.findChild<QMessageBox*>();
        QVERIFY(about && about->isVisible() && !about->iconPixmap().isNull());
        QCOMPARE(about->windowModality(), Qt::WindowModal);
        for (const QString& said : {QStringLiteral("版本 "), QStringLiteral("GNU GPL 3.0")}) {
            QVERIFY2(about->informativeText().contains(said), qPrintable(said));
        }
        // The data folder in the text, or cut there and whole in the tooltip.
        QVERIFY(about->informativeText().contains(DataPaths::applicationFolder()) ||
                about->toolTip() == DataPaths::applicationFolder());
        about->buttons().first()->click();
        QTRY_VERIFY(!dashboard.findChild<QMessageBox*>());
        // A long data path fits the box, whole in the tooltip.
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        const QByteArray longHome = "/home/someone" + QByteArray("/a-rather-long-folder-name").repeated(6);
        qputenv("XDG_DATA_HOME", longHome);
        QMessageBox* longPath = dashboard.showAbout();
        qputenv("XDG_DATA_HOME", dataHome);
        QTRY_VERIFY(longPath->isVisible());
        QCOMPARE(longPath->toolTip(), QString::fromUtf8(longHome + "/Tavrin"));
        const auto* informative = longPath->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
        QVERIFY(informative && informative->geometry().right() < longPath->width());
        QVERIFY(informative->sizeHint().width() <= informative->width());
        longPath->close();

        // Without its logo the brand mark draws the disc and capsules, not an empty square.
        const QImage drawn = AppLogoMark(std::nullopt).grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                colours.insert(drawn.pixel(x, y));
            }
        }
        QVERIFY(colours.size() > 8);
    }

    void settingsAreStoredAsTheyAreChanged()
    {
        AppStateFixture app;
        SettingsWindow settings(app.state(), settingsServices(app));
        showAndWait(settings);
        SwitchToggle* today = settings.toggle(QStringLiteral("showTodayInStatusBar"));
        QTest::mouseClick(today, Qt::LeftButton);
        QVERIFY(app.storedSettings().showTodayInStatusBar && today->isChecked());
        // The keyboard: Space flips, Right turns on, Left turns off.
        SwitchToggle* skip = settings.toggle(QStringLiteral("showSkipButton"));
        skip->setFocus();
        QTest::keyClick(skip, Qt::Key_Space);
        QVERIFY(!app.storedSettings().showSkipButton);
        QTest::keyClick(skip, Qt::Key_Right);
        QVERIFY(app.storedSettings().showSkipButton);
        QTest::keyClick(skip, Qt::Key_Left);
        QVERIFY(!app.storedSettings().showSkipButton);

        // A change made elsewhere shows at once, without being written back.
        const int writes = app.defaults.writeCount();
        AppSettings elsewhere = app.state().settings();
        elsewhere.movieMode = true;
        app.state().settingsStore().setSettings(elsewhere);
        QVERIFY(settings.toggle(QStringLiteral("movieMode"))->isChecked());
        QCOMPARE(app.defaults.writeCount(), writes + 1);

        QTest::mouseClick(settings.toggle(QStringLiteral("startBreakAtPause")), Qt::LeftButton);
        QVERIFY(app.storedSettings().startBreakAtPause);
        QTest::mouseClick(settings.toggle(QStringLiteral("guideDuringBreak")), Qt::LeftButton);
        QAction* turn = settings.excludedMovesMenu()->findChild<QAction*>(QStringLiteral("turn"));
        turn->trigger();
        QCOMPARE(app.storedSettings().excludedMoves, QStringList{QStringLiteral("turn")});
        QVERIFY(app.storedSettings().guideDuringBreak && turn->isChecked());
        settings.reminderStylePicker()->activated(1);
        QCOMPARE(app.storedSettings().reminderStyle, ReminderStyle::banner);
        // Options that cannot apply are disabled: the notice before a full-screen break and the wait after it
        // with the banner, and every choice about reminders without them; what a break by hand shows stays.
        QVERIFY(!settings.rowEnabled(QStringLiteral("notifyBeforeOverlay")));
        QVERIFY(!settings.rowEnabled(QStringLiteral("startBreakAtPause")));
        QVERIFY(settings.rowEnabled(QStringLiteral("postponeMinutes")) &&
                settings.rowEnabled(QStringLiteral("nagIntervalSeconds")));
        QTest::mouseClick(settings.toggle(QStringLiteral("notificationEnabled")), Qt::LeftButton);
        for (const char* row : {"reminderStyle", "postponeMinutes", "nagIntervalSeconds"}) {
            QVERIFY2(!settings.rowEnabled(QLatin1StringView(row)), row);
        }
        QVERIFY(settings.rowEnabled(QStringLiteral("showSkipButton")));
        QTest::mouseClick(settings.toggle(QStringLiteral("notificationEnabled")), Qt::LeftButton);
        QVERIFY(settings.rowEnabled(QStringLiteral("postponeMinutes")));
        settings.postponePicker()->activated(3);
        QCOMPARE(app.storedSettings().postponeMinutes, 10);
        QTest::mouseClick(settings.toggle(QStringLiteral("quietDuringCalls")), Qt::LeftButton);
        QVERIFY(app.storedSettings().quietDuringCalls && app.calls.enabled);
        settings.themePicker()->activated(2);
        QCOMPARE(app.appearance.mode, ThemeMode::dark);
        settings.breakMessageField()->clear();
        QTest::keyClicks(settings.breakMessageField(), QStringLiteral("Look away"));
        QCOMPARE(app.storedSettings().rule.breakMessage, QStringLiteral("Look away"));

        // A session that cannot tell whether a window is full screen says so, and offers no switch.
        QVERIFY(settings.toggle(QStringLiteral("quietDuringFullScreen"))->isEnabled());
        app.fullScreen.reach = BusySignal::Coverage::nothing;
        SettingsWindow blind(app.state(), settingsServices(app));
        QVERIFY(!blind.toggle(QStringLiteral("quietDuringFullScreen"))->isEnabled());
        QVERIFY(blind.caption(QStringLiteral("quietDuringFullScreen"))->text().contains(QStringLiteral("无法得知")));
    }

    void numberFieldsCommitClampedIntegers()
    {
        AppStateFixture app;
        {
            SettingsWindow settings(app.state(), settingsServices(app));
            showAndWait(settings);
            QCOMPARE(settings.workMinutesField()->text(), QStringLiteral("45"));
            typeInto(settings.workMinutesField(), QStringLiteral("0"));
            QCOMPARE(app.storedSettings().rule.workSeconds, 60);
            // The same clamped value typed again still shows the stored value.
            typeInto(settings.workMinutesField(), QStringLiteral("-40"));
            QCOMPARE(settings.workMinutesField()->text(), QStringLiteral("1"));
            const int writes = app.defaults.writeCount();
            typeInto(settings.workMinutesField(), QStringLiteral("abc"));
            QCOMPARE(app.defaults.writeCount(), writes);
            QCOMPARE(settings.workMinutesField()->text(), QStringLiteral("1"));

            typeInto(settings.nagMinutesField(), QStringLiteral("99999999999999999999999"));
            QCOMPARE(app.storedSettings().nagIntervalSeconds, 7200);
            // A number typed and left without Return is kept when the window goes away.
            typeInto(settings.workMinutesField(), QStringLiteral("50"), false);
        }
        QCOMPARE(app.storedSettings().rule.workSeconds, 3000);
    }

    void aChosenBackgroundIsCopiedAndChosen()
    {
        AppStateFixture app;
        const QString backgrounds = app.dir.filePath(QStringLiteral("Tavrin/backgrounds"));
        SettingsWindow settings(app.state(), settingsServices(app, backgrounds));
        showAndWait(settings);
        QVERIFY(!settings.uploadButton()->isEnabled());
        QTest::mouseClick(settings.testButton(), Qt::LeftButton);
        QCOMPARE(app.overlayWindows.opens, 0); // a task on the event loop, not at once
        app.scheduler.runDue();
        QCOMPARE(app.overlayWindows.opens, 1);

        const QString image = app.dir.filePath(QStringLiteral("picked.jpg"));
        QImage(8, 8, QImage::Format_RGB32).save(image, "JPG");
        const int writes = app.defaults.writeCount();
        settings.useBackgroundImage(image);
        const QString copy = backgrounds + QStringLiteral("/background-%1.jpg").arg(app.clock.now().toSecsSinceEpoch());
        QCOMPARE(app.storedSettings().overlayBackgroundImagePath.value_or(QString()), copy);
        QCOMPARE(app.storedSettings().overlayBackground, OverlayBackgroundStyle::custom);
        QCOMPARE(app.defaults.writeCount(), writes + 2); // path, then style: two assignments
        QVERIFY(settings.uploadButton()->isEnabled());

        // A folder that cannot be made: the picked file's own path is stored, the failure logged.
        SettingsWindow broken(app.state(), settingsServices(app, image + QStringLiteral("/bg")));
        broken.useBackgroundImage(image);
        QCOMPARE(app.storedSettings().overlayBackgroundImagePath.value_or(QString()), image);
        QCOMPARE(app.log.count(QStringLiteral("Tavrin: 导入背景图失败 ")), 1);

        // A device is refused with a message, and nothing changes.
        const int before = app.defaults.writeCount();
        settings.useBackgroundImage(QStringLiteral("/dev/zero"));
        QCOMPARE(app.defaults.writeCount(), before);
        QTRY_VERIFY(settings.findChild<QMessageBox*>());
        settings.findChild<QMessageBox*>()->buttons().first()->click();

        // The chooser offers every picture at once, and Qt's own texts are Chinese.
        QVERIFY(QtTranslations::install(true));
        QFileDialog* chooser = settings.chooseBackgroundImage();
        QVERIFY(chooser->selectedNameFilter().contains(QStringLiteral("*.png")) &&
                chooser->selectedNameFilter().contains(QStringLiteral("*.jpg")));
        QCOMPARE(chooser->nameFilters().size(), 1);
        const auto buttons = chooser->findChildren<QPushButton*>();
        QVERIFY(std::any_of(buttons.begin(), buttons.end(),
                            [](QPushButton* b) { return b->text().contains(QStringLiteral("取消")); }));
        chooser->reject();
    }

    void theShellKeepsOneOfEachWindowAndDestroysClosedOnes()
    {
        AppStateFixture app;
        auto makeShell = [&] {
            return std::make_unique<TavrinApp>(
                app.state(), TavrinApp::Services{app.appearance, app.clock, app.log, LocalCalendar(QTimeZone::utc()),
                                                 app.dir.path(), app.defaults, *app.database});
        };
        auto owner = makeShell();
        TavrinApp& shell = *owner;
        shell.start();
        shell.start();
        QVERIFY(!shell.dashboard());
        QTRY_VERIFY(shell.dashboard() && shell.dashboard()->isVisible());
        // Closing destroys it; opened again, it comes back where the user left it.
        const QRect placed(40, 50, 1000, 720);
        shell.dashboard()->setGeometry(placed);
        QVERIFY(shell.dashboard()->close());
        QTRY_VERIFY(!shell.dashboard());
        shell.reopen();
        QVERIFY(shell.dashboard() && shell.dashboard()->isVisible());
        QCOMPARE(shell.dashboard()->geometry(), placed);
        QCOMPARE(shell.openDashboard(), shell.dashboard());

        QTest::mouseClick(shell.tray().panel().settingsButton(), Qt::LeftButton);
        SettingsWindow* settings = shell.settings();
        QVERIFY(settings && settings->isVisible());
        QTest::mouseClick(shell.dashboard()->settingsButton(), Qt::LeftButton);
        QCOMPARE(shell.settings(), settings);
        // Over the dashboard's middle, not at a corner of the screen; Esc and Ctrl+W close it.
        QVERIFY((settings->geometry().center() - shell.dashboard()->geometry().center()).manhattanLength() < 60);
        QVERIFY(QTest::qWaitForWindowActive(settings));
        QTest::keyClick(settings, Qt::Key_Escape);
        QTRY_VERIFY(!shell.settings());
        QTest::mouseClick(shell.dashboard()->settingsButton(), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(shell.settings()));
        QTest::keyClick(shell.settings(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!shell.settings());
        QTest::mouseClick(shell.dashboard()->settingsButton(), Qt::LeftButton);
        QTest::mouseClick(shell.tray().panel().historyButton(), Qt::LeftButton);
        HistoryWindow* history = shell.history();
        QVERIFY(history && history->isVisible());
        emit shell.dashboard()->historyRequested();
        QCOMPARE(shell.history(), history);
        QTest::mouseClick(history->periodButton(30), Qt::LeftButton);
        QVERIFY(history->close());
        QTRY_VERIFY(!shell.history());
        // Opened again, it shows the period chosen last.
        emit shell.dashboard()->historyRequested();
        QTRY_VERIFY(shell.history() && shell.history()->period() == 30);
        QVERIFY(shell.history()->close());
        QTRY_VERIFY(!shell.history());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return w->isVisible() && qobject_cast<DashboardWindow*>(w); }),
                 1);

        // The tray's tooltip carries today's time only when asked to, and always when the next break comes.
        QCOMPARE(shell.tray().icon().toolTip(), QStringLiteral("Tavrin\n距离休息 45 分钟"));
        AppSettings withToday = app.state().settings();
        withToday.showTodayInStatusBar = true;
        app.state().settingsStore().setSettings(withToday);
        QCOMPARE(shell.tray().icon().toolTip(), QStringLiteral("Tavrin · 今日 0 分钟\n距离休息 45 分钟"));

        // Paused and meeting mode each have a look of their own, told apart at 16 px: grey with a mark, and an
        // orange mark.
        const auto at16 = [](const QIcon& icon) {
            return icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
        };
        const auto differing = [](const QImage& a, const QImage& b) {
            int count = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    count += a.pixel(x, y) != b.pixel(x, y);
                }
            }
            return count;
        };
        const QImage working = at16(shell.tray().icon().icon());
        app.state().pauseReminders(30min);
        const QImage paused = at16(shell.tray().icon().icon());
        app.state().settingsStore().setSettings(app.state().settings().withMovieMode(true));
        const QImage meeting = at16(shell.tray().icon().icon());
        app.state().resumeReminders();
        app.state().settingsStore().setSettings(app.state().settings().withMovieMode(false));
        QCOMPARE(at16(shell.tray().icon().icon()), working);
        QVERIFY(differing(working, paused) > 64 && differing(working, meeting) > 32 && differing(paused, meeting) > 32);
        QCOMPARE(TestPictures::countNear(paused, QColor(0x00, 0xA0, 0x70), 60), 0); // no green left
        QVERIFY(TestPictures::countNear(meeting, QColor(0xFF, 0x95, 0x00), 40) >= 12);

        // And in the next run, also when Tavrin quit with it open.
        shell.dashboard()->setGeometry(placed.translated(30, 20));
        owner = makeShell();
        QCOMPARE(owner->openDashboard()->geometry(), placed.translated(30, 20));
    }

    // A week with empty days, breaks of each kind, and today with the seconds not yet stored.
    void theHistoryShowsEveryDayOfThePeriod()
    {
        AppStateFixture app;
        DatabaseRows(app.databasePath())
            .exec(QStringLiteral(
                "INSERT INTO usage_hourly VALUES ('2026-02-20', 9, 7200, 80), ('2026-02-25', 9, 600, 30),"
                " ('2026-02-27', 9, 3000, 60);"
                "INSERT INTO break_events(started_at, skipped, postponed) VALUES"
                " ('2026-02-27T09:00:00Z', 0, 0), ('2026-02-27T10:00:00Z', 0, 0),"
                " ('2026-02-27T11:00:00Z', 1, 0), ('2026-02-27T12:00:00Z', 1, 1)"));
        app.work(5s);
        HistoryWindow window(app.state(),
                             {*app.database, app.appearance, app.clock, LocalCalendar(QTimeZone::utc()), app.defaults});
        showAndWait(window);
        const auto& days = window.report().days;
        QCOMPARE(days.size(), std::size_t(7));
        QCOMPARE(days.front().date, QDate(2026, 2, 24));
        QCOMPARE(days.back().activeSeconds, app.state().todaySeconds());
        QCOMPARE(days[3].activeSeconds, 3000.0);
        QVERIFY(!days[2].hasUsage() && !days[4].hasUsage());
        QCOMPARE(QList<int>({days[3].completed, days[3].skipped, days[3].postponed}), QList<int>({2, 1, 1}));
        QCOMPARE(window.averagePanel()->value(), QStringLiteral("20 分钟")); // (600 + 3000 + 5) s over three days
        QCOMPARE(window.completionPanel()->value(), QStringLiteral("67%"));
        QCOMPARE(window.longestPanel()->trend(), std::optional<QString>(QStringLiteral("2月27日")));

        // The period switch queries again; the tick only moves today's bar.
        QTest::mouseClick(window.periodButton(30), Qt::LeftButton);
        QCOMPARE(window.report().days.size(), std::size_t(30));
        QVERIFY(window.report().summary.longestDay->date == QDate(2026, 2, 20));
        app.work(60s);
        QCOMPARE(window.report().days.back().activeSeconds, 65.0);
        QCOMPARE(window.queries(), 2);
        QCOMPARE(window.chart()->topHours(), 2);
    }

    // Which pills a break offers, as the overlay draws them: by what brought the break, the skip setting,
    // the guided moves' setting and the time left; and the guide's pill stops what it started.
    void theBreaksPillsFollowOneTable_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<bool>("guide");
        QTest::addColumn<int>("secondsIn");
        QTest::addColumn<QStringList>("pills");
        const QString skip = QStringLiteral("跳过休息");
        const QString later = QStringLiteral("推迟 5 分钟");
        const QString start = QStringLiteral("跟练颈肩操");
        const QString stop = QStringLiteral("停止跟练");
        QTest::newRow("work reached") << "work" << true << false << 0 << QStringList{skip, later, start};
        QTest::newRow("fatigue full") << "fatigue" << true << false << 0 << QStringList{skip, later, start};
        QTest::newRow("by hand: not put off") << "manual" << true << false << 0 << QStringList{skip, start};
        QTest::newRow("no skip button: nor putting off") << "work" << false << false << 0 << QStringList{start};
        QTest::newRow("guided from the start") << "work" << true << true << 0 << QStringList{skip, later, stop};
        QTest::newRow("too little left to guide") << "work" << true << false << 91 << QStringList{skip, later};
    }

    void theBreaksPillsFollowOneTable()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, skip);
        QFETCH(bool, guide);
        QFETCH(int, secondsIn);
        QFETCH(QStringList, pills);
        AppStateFixture app([&](AppSettings& s) {
            s.rule.workSeconds = 100;
            s.rule.restSeconds = 100;
            s.notifyBeforeOverlay = false;
            s.nagIntervalSeconds = 30;
            s.showSkipButton = skip;
            s.guideDuringBreak = guide;
            s.rule.breakMessage.clear(); // emptied: the break still has its title
        });
        if (trigger == u"manual") {
            app.state().requestBreak();
            app.work(1s);
        } else {
            app.work(100s);
            if (trigger == u"fatigue") { // skipped at 100 %, full again within the nag interval
                app.overlayWindows.skip();
                app.work(30s);
            }
        }
        QVERIFY(app.overlay.hasWindows());
        QCOMPARE(app.overlayWindows.opened.message, QStringLiteral("你已经持续盯着屏幕 2 分钟啦"));
        app.work(std::chrono::seconds(secondsIn));
        const auto shownPills = [&app] {
            const OverlayBackground background = OverlayBackground::load(std::nullopt, QSize(960, 1080));
            BreakOverlayContentView view(app.overlayWindows.opened, background, {}, {}, {});
            view.showContent(app.overlayWindows.shown);
            QStringList texts;
            for (const PillButton* pill : view.findChildren<PillButton*>()) {
                if (pill->isVisibleTo(&view)) {
                    texts.append(pill->text());
                }
            }
            return texts;
        };
        QCOMPARE(shownPills(), pills);
        if (pills.last() == u"跟练颈肩操" || pills.last() == u"停止跟练") {
            app.overlayWindows.guide();
            QCOMPARE(app.overlayWindows.shown.guide.has_value(), !guide);
            QCOMPARE(shownPills().last(), guide ? QStringLiteral("跟练颈肩操") : QStringLiteral("停止跟练"));
        }
    }

    // Every text of every window, both banners, the overlay and the panel, in both themes, against what lies
    // behind it as drawn. The light theme is in force when the windows are built, as at a start before the
    // desktop's preference has been read; the dark one comes as a live switch.
    void everyTextIsReadableInBothThemes_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("english");
        QTest::newRow("light") << false << false;
        QTest::newRow("dark") << true << false;
        QTest::newRow("light, English") << false << true;
        QTest::newRow("dark, English") << true << true;
    }

    // In both themes and both languages: each text readable against what lies behind it, and whole (English is
    // longer than Chinese).
    void everyTextIsReadableInBothThemes()
    {
        QFETCH(bool, dark);
        QFETCH(bool, english);
        QVERIFY(!english || OwnTranslation::install(QStringLiteral("tavrin"), false));
        const auto chinese = qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator*>()); });
        QApplication::setPalette(ThemeAppearance::lightPalette());
        AppStateFixture app([](AppSettings& s) { s.microPauses = true; }); // the panel says when the next one comes
        app.work(20min);
        EveryWindow every(app);
        QList<QWidget*> windows = every.show();
        QMessageBox* about = every.dashboard.showAbout();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        windows.append(about);
        app.appearance.mode = dark ? ThemeMode::dark : ThemeMode::light;
        QApplication::setPalette(dark ? ThemeAppearance::darkPalette() : ThemeAppearance::lightPalette());
        QCoreApplication::processEvents();
        const TextContrast::TextAccess overlayText = [](QWidget* widget, const std::optional<QString>& words) {
            auto* label = dynamic_cast<OverlayTextLabel*>(widget);
            if (label && words) {
                label->setText(*words);
            }
            return label ? std::optional(label->text()) : std::nullopt;
        };
        QStringList faint;
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        for (QWidget* window : windows) {
            // Large text makes the screen smaller: still every window within it.
            if (window->width() > screen.width() || window->height() > screen.height()) {
                faint.append(QStringLiteral("larger than the screen: ") + window->metaObject()->className());
            }
            for (const QString& text : TextContrast::faintTexts(window, overlayText)) {
                faint.append(window->metaObject()->className() + QStringLiteral(": ") + text);
            }
            // Cut: a label or button narrower than its one line, or a wrapped label shorter than its lines.
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(widget);
                auto* button = qobject_cast<QAbstractButton*>(widget);
                const bool cut = label && label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                                            : widget->sizeHint().width() > widget->width();
                if (widget->isVisibleTo(window) && (label || button) && cut) {
                    faint.append(QStringLiteral("cut: ") + (label ? label->text() : button->text()));
                }
            }
            window->grab().save(
                QStringLiteral("contrast-%1-%2-%3%4-%5.png")
                    .arg(windows.indexOf(window))
                    .arg(window->metaObject()->className(), dark ? "dark" : "light", english ? "-en" : "")
                    .arg(qRound(window->devicePixelRatioF() * 100)));
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u'\n')));
        QApplication::setPalette(ThemeAppearance::lightPalette());
    }

    // A screen reader's view: every window, the overlay, both banners, the card and the panel are windows whose
    // controls say what they are for, the charts read as values, the time left and the guided move can be read,
    // and the panel is among the program's windows. From the keyboard alone, Tab goes round every control of each
    // window and back to where it started, Shift+Tab the same round backwards, and the history's days are read
    // with the arrow keys.
    void everyWindowServesAScreenReaderAndTheKeyboard()
    {
        AppStateFixture app([](AppSettings& s) { s.microPauses = true; });
        app.work(20min);
        EveryWindow every(app);
        const QList<QWidget*> windows = every.show();
        QVERIFY(!windows.isEmpty());
        QStringList faults;
        for (QWidget* window : windows) {
            faults += unreadable(window);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        QVERIFY(application->indexOfChild(QAccessible::queryAccessibleInterface(&every.panel)) >= 0);
        QAccessibleInterface* countdown = QAccessible::queryAccessibleInterface(every.overlay.countdownLabel());
        QCOMPARE(countdown->text(QAccessible::Name), QStringLiteral("剩余时间"));
        QCOMPARE(countdown->text(QAccessible::Description), QStringLiteral("还剩 2 分 59 秒"));
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(every.dashboard.findChild<UsageChart*>());
        QCOMPARE(chart->child(0)->text(QAccessible::Name), QStringLiteral("00:00 · 疲劳 0%"));
        QCOMPARE(chart->child(chart->childCount() - 1)->text(QAccessible::Name), QStringLiteral("当前时间"));
        auto* days = every.history.findChild<HistoryChart*>();
        QCOMPARE(QAccessible::queryAccessibleInterface(days)->childCount(), static_cast<int>(days->days().size()));

        for (QWidget* window :
             QList<QWidget*>{&every.panel, &every.dashboard, &every.settings, &every.history, &every.overlay}) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            const QList<QWidget*> forward = tabRound(window, true);
            const QList<QWidget*> back = tabRound(window, false);
            QVERIFY2(!forward.contains(nullptr) && !back.contains(nullptr), window->metaObject()->className());
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                const bool reachable =
                    widget->isVisibleTo(window) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
                QVERIFY2(!reachable || (forward.contains(widget) && back.contains(widget)),
                         qPrintable(widget->accessibleName() + QStringLiteral(" missed in ") +
                                    window->metaObject()->className()));
            }
        }
        days->setFocus(Qt::TabFocusReason);
        QTest::keyClick(days, Qt::Key_Home);
        QTest::keyClick(days, Qt::Key_Right);
        QCOMPARE(days->accessibleCurrentItem(), 1);

        const GuidedMoves::Routine routine = GuidedMoves::plan(180, 0, {});
        every.overlay.showGuideFrame(routine, GuidedMoves::frameAt(routine, 0, false));
        QAccessibleInterface* guide = QAccessible::queryAccessibleInterface(every.overlay.guideView());
        QCOMPARE(guide->text(QAccessible::Name), GuidedMoves::all()[std::size_t(routine.steps[0].move)].name);
        QVERIFY(guide->text(QAccessible::Description).startsWith(QStringLiteral("第 1 / ")));
    }

    // On a short screen or with large text (the suite runs this at 150 % and 200 % too), the overlay keeps to its
    // screen, with the tip or the guided move, and its texts and buttons stand whole inside it, none over another.
    void everyWindowFitsItsScreen()
    {
        AppStateFixture app;
        EveryWindow every(app);
        QVERIFY(!every.show().isEmpty());
        for (const bool guiding : {false, true}) {
            if (guiding) {
                const GuidedMoves::Routine routine = GuidedMoves::plan(180, 0, {});
                OverlayContent content;
                content.guide = routine;
                content.countdown = QStringLiteral("2:59");
                content.keysReady = true;
                every.overlay.showContent(content);
                every.overlay.showGuideFrame(routine, GuidedMoves::frameAt(routine, 0, false));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCOMPARE(every.overlay.size(), QGuiApplication::primaryScreen()->size());
            QList<QRect> placed;
            for (QWidget* part : every.overlay.findChildren<QWidget*>()) {
                if (!part->isVisibleTo(&every.overlay) || part->findChildren<QWidget*>().size() > 0) {
                    continue;
                }
                const QRect at(part->mapTo(&every.overlay, QPoint(0, 0)), part->size());
                QVERIFY2(every.overlay.rect().contains(at), part->metaObject()->className());
                for (const QRect& other : placed) {
                    QVERIFY2(!other.intersects(at), part->metaObject()->className());
                }
                placed.append(at);
            }
            every.overlay.grab().save(
                QStringLiteral("fit-overlay-%1-%2.png").arg(guiding).arg(every.overlay.devicePixelRatio()));
        }
    }

    // One state, one line: the panel, the dashboard, --status, the status bars' tooltip and the widget's snapshot
    // (written and read back) say the same in every state, and each state says its own.
    void everySurfaceSaysTheSameLineInEveryState()
    {
        AppStateFixture app;
        AppSettings quiet = app.state().settings();
        quiet.quietDuringCalls = true;
        app.state().settingsStore().setSettings(quiet);
        MenuBarPanel panel(app.state());
        panel.show();
        DashboardWindow dashboard(app.state(), app.appearance, app.clock, LocalCalendar(QTimeZone::utc()));
        const auto says = [&](ReminderState::Kind kind, const QString& line) {
            const QDateTime now = app.state().localNow();
            const QVariantMap status = StatusReport::of(app.state());
            WidgetSnapshot snapshot;
            snapshot.setReminder(app.publisher.reminder);
            const auto widget = WidgetSnapshot::fromJson(snapshot.toJson());
            QCOMPARE(app.state().reminderState().kind(now), kind);
            QCOMPARE(panel.reminderStatusLabel()->text(), line);
            QCOMPARE(dashboard.reminderStatusLabel()->text(), line);
            QVERIFY(StatusReport::line(status, now).endsWith(u" · " + line));
            QVERIFY(status.value("tooltip").toString().endsWith(u'\n' + line));
            QVERIFY(widget && widget->reminder().kind(now) == kind);
            if (kind != ReminderState::Kind::countdown) {
                QCOMPARE(widget->reminder().line(now), line);
            }
        };
        using Kind = ReminderState::Kind;
        app.work(20min + 30s);
        says(Kind::countdown, "距离休息 25 分钟");
        app.state().settingsStore().setSettings(app.state().settings().withMovieMode(true));
        app.work(1s);
        says(Kind::meeting, "会议/观影模式，暂停计时和提醒");
        app.state().settingsStore().setSettings(app.state().settings().withMovieMode(false));
        app.state().pauseReminders(30min);
        app.work(1s);
        says(Kind::paused, "提醒已暂停，至 09:50");
        app.state().resumeReminders();
        app.calls.setBusy(true);
        app.work(25min);
        says(Kind::heldByCall, "通话中，休息已推迟");
        app.calls.setBusy(false);
        for (int second = 0; second < 600 && !app.bannerWindow.shown; ++second) {
            app.work(1s); // the two minutes' grace, then the notice
        }
        app.bannerWindow.action();
        app.work(1s);
        says(Kind::postponed,
             QStringLiteral("已推迟，%1 再提醒").arg(app.state().localNow().addSecs(299).toString("HH:mm")));
        QCOMPARE(StatusReport::of(app.state()).value("minutesUntilBreak").toLongLong(), 5); // to its return
        app.state().requestBreak();
        app.work(1s);
        says(Kind::inBreak, "休息中，还剩 3 分钟");
        app.work(3min + 1s);
        says(Kind::countdown, "距离休息 45 分钟");
        AppSettings atPause = app.state().settings();
        atPause.startBreakAtPause = true;
        app.state().settingsStore().setSettings(atPause);
        app.work(45min + 11s); // the work period, then the notice's ten seconds
        says(Kind::waitingForPause, "停手后开始休息");
    }

    // What tavrin --status and the status bars get, beside what the panel shows at the same moment; sent
    // on the bus at most once a second however often AppState notifies.
    void theStatusRecordAgreesWithThePanel()
    {
        AppStateFixture app;
        app.work(20min + 30s);
        MenuBarPanel panel(app.state());
        panel.show();
        QVariantMap status = StatusReport::of(app.state());
        QCOMPARE(status.value("text").toString(), panel.view().badgeText);
        QCOMPARE(QStringLiteral("今日 ") + formatDuration(status.value("todaySeconds").toDouble()),
                 panel.view().todayText);
        QCOMPARE(status.value("continuousWorkSeconds").toLongLong() / 60, 20);
        QCOMPARE(status.value("minutesUntilBreak").toLongLong(), 25); // 24 min 30 s, rounded up
        QCOMPARE(status.value("class").toString(), QStringLiteral("working"));
        const auto json = QJsonDocument::fromJson(StatusReport::json(status)).object();
        QVERIFY(json.value("pausedUntil").isNull() && json.value("quietReason").isNull());
        QCOMPARE(json.value("percentage").toInt(), status.value("percentage").toInt());

        app.state().pauseRemindersUntilTomorrow();
        status = StatusReport::of(app.state());
        QCOMPARE(status.value("class").toString(), QStringLiteral("paused"));
        QCOMPARE(status.value("pausedUntil").toLongLong(),
                 QDateTime(QDate(2026, 3, 3), QTime(0, 0), Qt::UTC).toSecsSinceEpoch());

        QObject exported;
        ControlAdaptor adaptor(&exported, app.state(), {}, app.scheduler, app.clock);
        QSignalSpy sent(&adaptor, &ControlAdaptor::StatusChanged);
        app.work(10s);
        // Today's seconds change at every tick, but go out with what a bar shows (the percentage turns once).
        QCOMPARE(sent.size(), 1);
        app.state().settingsStore().setSettings(app.state().settings().withMovieMode(true));
        app.scheduler.runDue();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.last().first().toMap().value("class").toString(), QStringLiteral("meeting"));
        app.state().resumeReminders();
        app.scheduler.runDue();
        QCOMPARE(sent.size(), 2); // within the second of the last one
        app.work(1s);
        QCOMPARE(sent.size(), 3);
        app.away(5s); // meeting mode: nothing counts, fatigue eases by less than a percent, nothing is sent
        QCOMPARE(sent.size(), 3);

        // Until when a pause lasts, beside today.
        const QDateTime now(QDate(2026, 3, 2), QTime(2, 20), Qt::UTC);
        QStringList ends;
        for (const QDateTime& end :
             {now.addSecs(3600), now.addDays(1), QDateTime(QDate(2026, 3, 3), QTime(0, 0), Qt::UTC), now.addDays(2)}) {
            ReminderState paused;
            paused.pausedUntil = end.toSecsSinceEpoch();
            ends.append(paused.line(now));
        }
        QCOMPARE(ends, (QStringList{"提醒已暂停，至 03:20", "提醒已暂停，至明天 02:20", "提醒已暂停，至明天",
                                    "提醒已暂停，至 3月4日 02:20"}));
    }

    void figuresAndDurations_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("seconds"); // today and continuous work
        QTest::addColumn<QString>("badge");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("continuous");
        QTest::newRow("84.9") << 84.9 << 59.9 << "85%" << false << "0 分钟"
                              << "0 分钟";
        QTest::newRow("85 turns the bar orange") << 85.0 << 3600.0 << "85%" << true << "1 小时 0 分钟"
                                                 << "60 分钟";
        QTest::newRow("halves round up") << 0.5 << 3599.99 << "1%" << false << "59 分钟"
                                         << "59 分钟";
        QTest::newRow("beyond a day") << 0.4 << 90061.0 << "0%" << false << "25 小时 1 分钟"
                                      << "1501 分钟";
    }

    void figuresAndDurations()
    {
        QFETCH(double, percent);
        QFETCH(double, seconds);
        QFETCH(QString, badge);
        QFETCH(bool, warning);
        QFETCH(QString, today);
        QFETCH(QString, continuous);
        const PanelView view = PanelView::from({percent, seconds, FatigueMode::working}, seconds, AppSettings());
        QCOMPARE(view.badgeText, badge);
        QCOMPARE(DashboardModel::fatigueText(percent), badge);
        QCOMPARE(view.barWarning, warning);
        QCOMPARE(view.todayText, QStringLiteral("今日 ") + today);
        QCOMPARE(view.continuousText, QStringLiteral("连续 ") + continuous);
    }

    void trendAgainstYesterday_data()
    {
        QTest::addColumn<double>("today");
        QTest::addColumn<std::optional<double>>("yesterday");
        QTest::addColumn<QString>("trend"); // empty: no badge
        QTest::newRow("no yesterday") << 3600.0 << std::optional<double>() << QString();
        QTest::newRow("yesterday zero") << 3600.0 << std::optional<double>(0) << QString();
        QTest::newRow("yesterday negative") << 3600.0 << std::optional<double>(-5) << QString();
        QTest::newRow("2 h against 1 h 36 min") << 7200.0 << std::optional<double>(5760) << "+25%";
        QTest::newRow("nothing today") << 0.0 << std::optional<double>(3600) << "-100%";
        QTest::newRow("same") << 3600.0 << std::optional<double>(3600) << "+0%";
        QTest::newRow("40 % less") << 2160.0 << std::optional<double>(3600) << "-40%";
        QTest::newRow("half a percent rounds to even") << 3618.0 << std::optional<double>(3600) << "+0%";
        QTest::newRow("2.5 % rounds to even") << 3690.0 << std::optional<double>(3600) << "+2%";
    }

    void trendAgainstYesterday()
    {
        QFETCH(double, today);
        QFETCH(std::optional<double>, yesterday);
        QFETCH(QString, trend);
        QCOMPARE(DashboardModel::trendText(today, yesterday).value_or(QString()), trend);
    }

    void numberFieldsClampWhatIsTyped_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint64>("before");
        QTest::addColumn<qint64>("typed");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("work 0") << "work" << 2700LL << 0LL << 60LL;
        QTest::newRow("work drops odd seconds") << "work" << 2730LL << 46LL << 2760LL;
        QTest::newRow("work huge") << "work" << 2700LL << std::numeric_limits<qint64>::max() << 36000LL;
        QTest::newRow("rest minutes 0 raised to 10 s") << "restMinutes" << 180LL << 0LL << 10LL;
        QTest::newRow("rest minutes keep seconds") << "restMinutes" << 185LL << 70LL << 3605LL;
        QTest::newRow("rest seconds 75") << "restSeconds" << 185LL << 75LL << 239LL;
        QTest::newRow("rest seconds 0 of 0 minutes") << "restSeconds" << 45LL << 0LL << 10LL;
        QTest::newRow("nag 500") << "nag" << 180LL << 500LL << 7200LL;
        QTest::newRow("nag most negative") << "nag" << 180LL << std::numeric_limits<qint64>::min() << 60LL;
    }

    void numberFieldsClampWhatIsTyped()
    {
        QFETCH(QString, field);
        QFETCH(qint64, before);
        QFETCH(qint64, typed);
        QFETCH(qint64, stored);
        using namespace SettingsBindings;
        AppSettings settings;
        settings.rule.workSeconds = settings.rule.restSeconds = settings.nagIntervalSeconds = before;
        if (field == u"work") {
            QCOMPARE(withWorkMinutes(settings, typed).rule.workSeconds, stored);
        } else if (field == u"restMinutes") {
            QCOMPARE(withRestMinutes(settings, typed).rule.restSeconds, stored);
        } else if (field == u"restSeconds") {
            QCOMPARE(withRestSeconds(settings, typed).rule.restSeconds, stored);
        } else {
            QCOMPARE(withNagMinutes(settings, typed).nagIntervalSeconds, stored);
        }
    }

    void anImportedBackgroundIsAPrivateCopyAndOnlyTheNewestStays()
    {
        QTemporaryDir root;
        RecordingSystemLog log;
        const QString folder = root.filePath(QStringLiteral("data/Tavrin/backgrounds"));
        const QString png = root.filePath(QStringLiteral("sunrise.png"));
        const QString bare = root.filePath(QStringLiteral("noextension"));
        QVERIFY(TestFiles::write(png, "png bytes") && TestFiles::write(bare, "raw bytes"));

        const auto first = BackgroundImport::importImage(png, folder, 1700000000, log);
        QCOMPARE(first.value_or(QString()), folder + QStringLiteral("/background-1700000000.png"));
        QCOMPARE(TestFiles::mode(*first), 0600);
        QCOMPARE(TestFiles::mode(folder), 0700);
        const auto second = BackgroundImport::importImage(bare, folder, 1700000060, log);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("background-1700000060.img")});
        QCOMPARE(TestFiles::read(second.value_or(QString())), QByteArray("raw bytes"));
        QVERIFY(log.lines.isEmpty() && QFile::exists(bare));

        // The current one chosen again is used as it is; a copy that fails (here: the file size limit, which
        // holds for root too) leaves it in place.
        QCOMPARE(BackgroundImport::importImage(*second, folder, 1700000120, log), second);
        QVERIFY(!TestFiles::withFileSizeLimit(4, [&] { return BackgroundImport::importImage(png, folder, 1, log); }));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("background-1700000060.img")});
        QCOMPARE(log.count(BackgroundImport::kFailure), 1);

        // What cannot be a background at all: a device that never ends, a file of more than 50 MB.
        const QString huge = root.filePath(QStringLiteral("huge.png"));
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(51LL << 20));
        QVERIFY(BackgroundImport::refusal(QStringLiteral("/dev/zero")));
        QVERIFY(BackgroundImport::refusal(huge));
        QVERIFY(!BackgroundImport::refusal(png));
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
