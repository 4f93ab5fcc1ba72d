#include "AppStateFixture.h"
#include "FormatDuration.h"
#include "MenuBarPanel.h"
#include "PanelView.h"
#include "ThemeAppearance.h"
#include "TrayController.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

using namespace std::chrono_literals;

class PanelTest : public QObject
{
    Q_OBJECT

private slots:
    void durationsInHoursAndMinutes_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0.0 << "0 分钟";
        QTest::newRow("59.9") << 59.9 << "0 分钟";
        QTest::newRow("61") << 61.0 << "1 分钟";
        QTest::newRow("3599.99 truncates") << 3599.99 << "59 分钟";
        QTest::newRow("3600") << 3600.0 << "1 小时 0 分钟";
        QTest::newRow("7325") << 7325.0 << "2 小时 2 分钟";
        QTest::newRow("beyond a day") << 90061.0 << "25 小时 1 分钟";
    }

    void durationsInHoursAndMinutes()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(formatDuration(seconds), text);
    }

    void panelFigures_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("continuous");
        QTest::addColumn<QString>("badge");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("84.9") << 84.9 << 59.0 << "85%" << false << "0 分钟";
        QTest::newRow("85") << 85.0 << 3600.0 << "85%" << true << "60 分钟";
        QTest::newRow("0.5 rounds up") << 0.5 << 0.0 << "1%" << false << "0 分钟";
        QTest::newRow("0.4 rounds down") << 0.4 << 119.9 << "0%" << false << "1 分钟";
    }

    void panelFigures()
    {
        QFETCH(double, percent);
        QFETCH(double, continuous);
        QFETCH(QString, badge);
        QFETCH(bool, warning);
        QFETCH(QString, minutes);
        const PanelView view = PanelView::from({percent, continuous, FatigueMode::working}, 3600, AppSettings());
        QCOMPARE(view.badgeText, badge);
        QCOMPARE(view.barWarning, warning);
        QCOMPARE(view.continuousText, minutes);
        QCOMPARE(view.todayText, QStringLiteral("1 小时 0 分钟"));
        QCOMPARE(view.modeText, QStringLiteral("工作中"));
    }

    void trayTooltipShowsTodayOnlyWhenAsked()
    {
        QCOMPARE(TrayController::tooltip(false, 4500), QStringLiteral("Tavrin"));
        QCOMPARE(TrayController::tooltip(true, 4500), QStringLiteral("Tavrin · 今日 1 小时 15 分钟"));
    }

    void theToggleStoresMeetingModeAndRestStartsABreak()
    {
        AppStateFixture app;
        MenuBarPanel panel(app.state);
        panel.popUp(QRect(600, 0, 20, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        app.scheduler.advance(90s);
        QCOMPARE(panel.view().continuousText, QStringLiteral("1 分钟"));

        QTest::mouseClick(panel.movieModeToggle(), Qt::LeftButton, {},
                          QPoint(8, panel.movieModeToggle()->height() / 2));
        QVERIFY(app.state.settings().movieMode);
        QVERIFY(AppSettings::fromJson(*app.defaults.data(SettingsStore::kKey))->movieMode);
        app.scheduler.advance(1s);
        QCOMPARE(panel.view().modeText, QStringLiteral("空闲"));

        // A change made elsewhere shows in the panel at once.
        AppSettings settings = app.state.settings();
        settings.movieMode = false;
        app.state.setSettings(settings);
        QVERIFY(!panel.movieModeToggle()->isChecked());

        QTest::mouseClick(panel.restButton(), Qt::LeftButton);
        QVERIFY(!panel.isVisible());
        app.scheduler.runDue();
        QCOMPARE(app.overlayWindows.opens, 1);
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
        theme.apply(ThemeMode::light);
        AppStateFixture app;
        app.scheduler.advance(2450s); // 40 minutes of work: 90 %, an orange bar
        MenuBarPanel panel(app.state);
        // Built in the light look and switched while it exists, as at start-up when the desktop is dark.
        theme.apply(dark ? ThemeMode::dark : ThemeMode::light);
        QCoreApplication::processEvents();
        panel.popUp(QRect(600, 0, 20, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QString folder = QStringLiteral(TAVRIN_SCREENSHOT_DIR) + QStringLiteral("/ui");
        QDir().mkpath(folder);
        QVERIFY(panel.grab().save(folder +
                                  (dark ? QStringLiteral("/panel-dark.png") : QStringLiteral("/panel-light.png"))));
        QVERIFY(panel.view().barWarning);
    }
};

QTEST_MAIN(PanelTest)
#include "tst_panel.moc"
