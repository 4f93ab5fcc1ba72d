#include "AppAssets.h"
#include "AppFonts.h"
#include "AppStateFixture.h"
#include "DashboardCards.h"
#include "DashboardWindow.h"
#include "MenuBarPanel.h"
#include "NumberField.h"
#include "SettingsStore.h"
#include "SettingsWindow.h"
#include "SwitchToggle.h"
#include "TavrinApp.h"
#include "TavrinFont.h"
#include "ThemeAppearance.h"
#include "TrayController.h"
#include "UsageChart.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace std::chrono_literals;

namespace {

template <typename Window>
qsizetype visibleWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::count_if(windows.begin(), windows.end(),
                         [](QWidget* w) { return w->isVisible() && qobject_cast<Window*>(w); });
}

AppSettings stored(const AppStateFixture& app)
{
    return AppSettings::fromJson(app.defaults.data(SettingsStore::kKey).value_or(QByteArray())).value_or(AppSettings());
}

void typeInto(NumberField* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QString screenshotPath(const QString& name)
{
    const QString folder = QStringLiteral(TAVRIN_SCREENSHOT_DIR) + QStringLiteral("/ui");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name + QStringLiteral(".png");
}

} // namespace

// The dashboard and the settings window over an AppState in virtual time: what they show, what their
// controls store, and how they look.
class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Tavrin's own font carries every character of its texts: the pictures below show them from it.
        QVERIFY(AppFonts::install());
        const QFontInfo resolved(TavrinFont::make(14));
        QCOMPARE(resolved.family(), AppFonts::kFamily);
        const QRawFont raw = QRawFont::fromFont(TavrinFont::make(14));
        for (const QString& text : {QStringLiteral("守护颈椎健康"), QStringLiteral("在全屏弹窗中展示跳过按钮"),
                                    QStringLiteral("开启后暂停统计，会议、观影期间不累计疲劳值与工作时长")}) {
            for (const QChar c : text) {
                QVERIFY2(raw.supportsCharacter(c), qPrintable(QString(c)));
            }
        }
    }

    void dashboardShowsTheDayAndFollowsThePanelToggle()
    {
        AppStateFixture app;
        app.scheduler.advance(30min);
        DashboardWindow dashboard(app.state, app.appearance, app.clock, LocalCalendar(QTimeZone::utc()));
        dashboard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dashboard));
        QCOMPARE(dashboard.fatiguePanel()->value(), QString::number(qRound(app.state.fatigue().percent)) + "%");
        QCOMPARE(dashboard.todayPanel()->value(), QStringLiteral("30 分钟"));
        QVERIFY(!dashboard.todayPanel()->trend());
        // 09:30: hours 0 to 9, the current one with the big dot.
        QCOMPARE(dashboard.chart()->points().size(), 10);
        QCOMPARE(dashboard.chart()->points().last().value, app.state.fatigue().percent);
        QCOMPARE(dashboard.ruleChips().at(0)->chip().value, QStringLiteral("45 分钟"));
        QVERIFY(dashboard.minimumSize() == QSize(920, 680));

        // The tray panel's meeting toggle shows on the dashboard's chip and button at once.
        MenuBarPanel panel(app.state);
        panel.popUp(QRect(600, 0, 20, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QTest::mouseClick(panel.movieModeToggle(), Qt::LeftButton, {},
                          QPoint(8, panel.movieModeToggle()->height() / 2));
        QCOMPARE(dashboard.ruleChips().at(3)->chip().value, QStringLiteral("开启"));
        QVERIFY(dashboard.movieModeButton()->isChecked());
        QTest::mouseClick(dashboard.movieModeButton(), Qt::LeftButton);
        QVERIFY(!app.state.settings().movieMode);
        QCOMPARE(dashboard.ruleChips().at(3)->chip().value, QStringLiteral("关闭"));
        QVERIFY(!panel.movieModeToggle()->isChecked());
        QVERIFY(!stored(app).movieMode);

        // A new hour adds a point.
        app.scheduler.advance(31min);
        QCOMPARE(dashboard.chart()->points().size(), 11);
    }

    void dashboardActions()
    {
        AppStateFixture app;
        DashboardWindow dashboard(app.state, app.appearance, app.clock, LocalCalendar(QTimeZone::utc()));
        dashboard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dashboard));

        QTest::mouseClick(dashboard.restButton(), Qt::LeftButton);
        app.scheduler.runDue();
        QCOMPARE(app.overlayWindows.opens, 1);

        QSignalSpy settingsAsked(&dashboard, &DashboardWindow::settingsRequested);
        QTest::mouseClick(dashboard.settingsButton(), Qt::LeftButton);
        QCOMPARE(settingsAsked.size(), 1);

        const QList<QAction*> items = dashboard.moreButton()->menu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0)->text(), QStringLiteral("关于"));
        QCOMPARE(items.at(1)->text(), QStringLiteral("显示模式"));
        items.at(1)->trigger();
        QCOMPARE(app.state.settings().theme, ThemeMode::dark);
        QCOMPARE(app.appearance.mode, ThemeMode::dark);
        items.at(1)->trigger();
        QCOMPARE(stored(app).theme, ThemeMode::light);

        items.at(0)->trigger();
        auto* about = dashboard.findChild<QMessageBox*>();
        QVERIFY(about);
        QCOMPARE(about->text(), QStringLiteral("Tavrin Kelomar"));
        QVERIFY(about->informativeText().contains(QStringLiteral("联系开发者：")));
        QCOMPARE(about->buttons().size(), 1);
        QCOMPARE(about->buttons().first()->text(), QStringLiteral("好的"));
        QVERIFY(!about->iconPixmap().isNull());
        about->buttons().first()->click();

        for (QToolButton* button : {dashboard.restButton(), dashboard.movieModeButton(), dashboard.settingsButton(),
                                    dashboard.moreButton()}) {
            QVERIFY(!button->toolTip().isEmpty());
        }
    }

    void aMissingLogoFallsBackToTheDrawnMark()
    {
        AppLogoMark drawn(std::nullopt);
        QVERIFY(!drawn.usesLogo());
        const QImage picture = drawn.grab().toImage();
        // The disc and the two capsules: several tints of the accent colour, not an empty square.
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                colours.insert(picture.pixel(x, y));
            }
        }
        QVERIFY(colours.size() > 8);
        QVERIFY(AppLogoMark(AppAssets::logo()).usesLogo());
    }

    void trendBadgeAgainstYesterday()
    {
        AppStateFixture app;
        StatPanel panel(app.appearance, QStringLiteral("今日时长"), false);
        panel.setValue(QStringLiteral("2 小时 0 分钟"), QStringLiteral("+25%"));
        QCOMPARE(panel.trend().value_or(QString()), QStringLiteral("+25%"));
    }

    void settingsSwitchesAndPickersPersist()
    {
        AppStateFixture app;
        QTemporaryDir folder;
        SettingsWindow settings(app.state, {app.appearance, app.clock, app.log, folder.path()});
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));

        SwitchToggle* today = settings.toggle(QStringLiteral("在状态栏中显示今日时长"));
        QVERIFY(today && !today->isChecked());
        QTest::mouseClick(today, Qt::LeftButton);
        QVERIFY(stored(app).showTodayInStatusBar);
        QVERIFY(today->isChecked());

        // The keyboard: Space flips, Left turns off, Right turns on.
        SwitchToggle* skip = settings.toggle(QStringLiteral("在全屏弹窗中展示跳过按钮"));
        skip->setFocus();
        QTest::keyClick(skip, Qt::Key_Space);
        QVERIFY(!stored(app).showSkipButton);
        QTest::keyClick(skip, Qt::Key_Right);
        QVERIFY(stored(app).showSkipButton);
        QTest::keyClick(skip, Qt::Key_Left);
        QVERIFY(!stored(app).showSkipButton);

        // A change made elsewhere shows at once, without writing back.
        const int writes = app.defaults.writeCount();
        app.state.setSettings(DashboardModel::withMovieMode(app.state.settings(), true));
        QVERIFY(settings.toggle(QStringLiteral("会议/观影模式"))->isChecked());
        QCOMPARE(app.defaults.writeCount(), writes + 1);

        QComboBox* style = settings.reminderStylePicker();
        QCOMPARE(style->count(), 2);
        QCOMPARE(style->itemText(0), QStringLiteral("全屏弹窗"));
        QCOMPARE(style->itemText(1), QStringLiteral("通知横幅"));
        style->activated(1);
        QCOMPARE(stored(app).reminderStyle, ReminderStyle::banner);
        QCOMPARE(settings.themePicker()->itemText(2), QStringLiteral("深色"));
        settings.themePicker()->activated(2);
        QCOMPARE(app.appearance.mode, ThemeMode::dark);

        QLineEdit* message = settings.breakMessageField();
        QCOMPARE(message->text(), AppSettings().rule.breakMessage);
        message->clear();
        QTest::keyClicks(message, QStringLiteral("Look away"));
        QCOMPARE(stored(app).rule.breakMessage, QStringLiteral("Look away"));
        QVERIFY(settings.contactLink()->text().contains(QStringLiteral("mailto:")));
    }

    void numberFieldsCommitClampedIntegers()
    {
        AppStateFixture app;
        QTemporaryDir folder;
        SettingsWindow settings(app.state, {app.appearance, app.clock, app.log, folder.path()});
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QCOMPARE(settings.workMinutesField()->text(), QStringLiteral("45"));
        QCOMPARE(settings.restMinutesField()->text(), QStringLiteral("3"));
        QCOMPARE(settings.restSecondsField()->text(), QStringLiteral("0"));

        typeInto(settings.workMinutesField(), QStringLiteral("0"));
        QCOMPARE(stored(app).rule.workSeconds, 60);
        QCOMPARE(settings.workMinutesField()->text(), QStringLiteral("1"));
        // The same clamped value typed again still shows the stored value.
        typeInto(settings.workMinutesField(), QStringLiteral("-40"));
        QCOMPARE(settings.workMinutesField()->text(), QStringLiteral("1"));

        const int writes = app.defaults.writeCount();
        typeInto(settings.workMinutesField(), QStringLiteral("abc"));
        QCOMPARE(app.defaults.writeCount(), writes);
        QCOMPARE(settings.workMinutesField()->text(), QStringLiteral("1"));

        typeInto(settings.restMinutesField(), QStringLiteral("0"));
        QCOMPARE(stored(app).rule.restSeconds, 10);
        QCOMPARE(settings.restSecondsField()->text(), QStringLiteral("10"));
        typeInto(settings.restSecondsField(), QStringLiteral("75"));
        QCOMPARE(stored(app).rule.restSeconds, 59);
        typeInto(settings.nagMinutesField(), QStringLiteral("99999999999999999999999"));
        QCOMPARE(stored(app).nagIntervalSeconds, 7200);
        QCOMPARE(settings.nagMinutesField()->text(), QStringLiteral("120"));

        // A number typed and left without Return is kept when the window goes away.
        {
            SettingsWindow closing(app.state, {app.appearance, app.clock, app.log, folder.path()});
            closing.show();
            QVERIFY(QTest::qWaitForWindowExposed(&closing));
            closing.workMinutesField()->setFocus();
            closing.workMinutesField()->selectAll();
            QTest::keyClicks(closing.workMinutesField(), QStringLiteral("50"));
        }
        QCOMPARE(stored(app).rule.workSeconds, 3000);
    }

    void backgroundImportAndTest()
    {
        AppStateFixture app;
        QTemporaryDir folder;
        const QString backgrounds = folder.filePath(QStringLiteral("Tavrin/backgrounds"));
        SettingsWindow settings(app.state, {app.appearance, app.clock, app.log, backgrounds});
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QVERIFY(!settings.uploadButton()->isEnabled());
        QVERIFY(settings.testButton()->isEnabled());

        QTest::mouseClick(settings.testButton(), Qt::LeftButton);
        QCOMPARE(app.overlayWindows.opens, 0); // a task on the event loop, not at once
        app.scheduler.runDue();
        QCOMPARE(app.overlayWindows.opens, 1);

        settings.backgroundPicker()->activated(1);
        QVERIFY(settings.uploadButton()->isEnabled());

        const QString image = folder.filePath(QStringLiteral("picked.jpg"));
        QImage(8, 8, QImage::Format_RGB32).save(image, "JPG");
        const int writes = app.defaults.writeCount();
        settings.useBackgroundImage(image);
        const QString copy = backgrounds + QStringLiteral("/background-%1.jpg").arg(app.clock.now().toSecsSinceEpoch());
        QCOMPARE(stored(app).overlayBackgroundImagePath.value_or(QString()), copy);
        QVERIFY(QFile::exists(copy));
        QCOMPARE(app.defaults.writeCount(), writes + 1); // custom was already chosen

        // A folder that cannot be made: the picked file's own path is stored, the failure logged.
        AppStateFixture other;
        QFile blocker(folder.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsWindow broken(other.state,
                              {other.appearance, other.clock, other.log, blocker.fileName() + QStringLiteral("/bg")});
        const int before = other.defaults.writeCount();
        broken.useBackgroundImage(image);
        QCOMPARE(stored(other).overlayBackgroundImagePath.value_or(QString()), image);
        QCOMPARE(stored(other).overlayBackground, OverlayBackgroundStyle::custom);
        QCOMPARE(other.defaults.writeCount(), before + 2); // path, then style: two assignments
        QCOMPARE(other.log.count(QStringLiteral("Tavrin: 导入背景图失败 ")), 1);
    }

    void shellOpensTheDashboardOnceAfterLaunchAndOnReopen()
    {
        AppStateFixture app;
        TavrinApp shell(app.state, {app.appearance, app.clock, app.log, LocalCalendar(QTimeZone::utc()), QString()});
        shell.start();
        QVERIFY(!shell.dashboard());
        QTRY_VERIFY(shell.dashboard() && shell.dashboard()->isVisible());
        shell.start();
        QCoreApplication::processEvents();
        QCOMPARE(visibleWindows<DashboardWindow>(), 1);

        // Closing destroys the window; Tavrin runs on, and a reopen builds it again.
        QVERIFY(shell.dashboard()->close());
        QTRY_VERIFY(!shell.dashboard());
        shell.reopen();
        QVERIFY(shell.dashboard() && shell.dashboard()->isVisible());
        QCOMPARE(shell.openDashboard(), shell.dashboard());

        // The panel's rows open the windows.
        QTest::mouseClick(shell.tray().panel().settingsButton(), Qt::LeftButton);
        QVERIFY(shell.settings() && shell.settings()->isVisible());
        QTest::mouseClick(shell.dashboard()->settingsButton(), Qt::LeftButton);
        QCOMPARE(visibleWindows<SettingsWindow>(), 1);
    }

    void screenshots_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void screenshots()
    {
        QFETCH(bool, dark);
        ThemeAppearance theme(nullptr);
        theme.apply(dark ? ThemeMode::dark : ThemeMode::light);
        AppStateFixture app;
        app.appearance.mode = dark ? ThemeMode::dark : ThemeMode::light;
        // A morning of work with breaks: a curve over several hours.
        app.scheduler.advance(3h + 20min);
        DashboardWindow dashboard(app.state, app.appearance, app.clock, LocalCalendar(QTimeZone::utc()));
        dashboard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dashboard));
        QVERIFY(dashboard.grab().save(screenshotPath(dark ? "dashboard-dark" : "dashboard-light")));

        QTemporaryDir folder;
        SettingsWindow settings(app.state, {app.appearance, app.clock, app.log, folder.path()});
        settings.resize(settings.width(), 1500); // every section in one picture
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QVERIFY(settings.grab().save(screenshotPath(dark ? "settings-dark" : "settings-light")));
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
