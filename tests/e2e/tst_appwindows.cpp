#include "AppSettings.h"
#include "DesktopDriver.h"
#include "SettingsStore.h"
#include "SettingsUserDefaults.h"
#include "StoredUsage.h"
#include "TavrinWindows.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace DesktopDriver;
using namespace TavrinWindows;
using namespace StoredUsage;

namespace {

double storedActiveSeconds()
{
    return query("SELECT TOTAL(active_seconds) FROM usage_hourly").toDouble();
}

QString screenshots()
{
    return QStringLiteral(TAVRIN_SCREENSHOT_DIR) + QStringLiteral("/app");
}

} // namespace

// The real tavrin's windows in a private desktop with a tray, used with the pointer and the keyboard.
class AppWindowsTest : public QObject
{
    Q_OBJECT

private:
    QProcess m_tavrin;
    QTimer m_user;

    void startTavrin()
    {
        m_tavrin.setProcessChannelMode(QProcess::ForwardedChannels);

        m_tavrin.start(QStringLiteral(TAVRIN_PROGRAM));
        QVERIFY(m_tavrin.waitForStarted());
    }

private slots:
    void initTestCase()
    {
        QDir(dataFolder()).removeRecursively();
        connect(&m_user, &QTimer::timeout, this, [] { nudgePointer(); });
        m_user.start(700);
    }

    void theDashboardOpensAtLaunchAndAgainOnASecondLaunch()
    {
        startTavrin();
        const auto dashboard = waitForWindow(kDashboard);
        QVERIFY(dashboard);
        QCOMPARE(geometry(*dashboard).size(), QSize(1120, 780));
        const QImage picture = grabWhenDrawn(*dashboard);
        QVERIFY(!looksBlank(picture));
        QVERIFY(save(picture, screenshots(), QStringLiteral("dashboard")));

        closeWindow(*dashboard);
        QVERIFY(waitUntilGone(kDashboard));
        QCOMPARE(m_tavrin.state(), QProcess::Running);
        // Launching tavrin again while it runs brings the dashboard back.
        QCOMPARE(QProcess::execute(QStringLiteral(TAVRIN_PROGRAM), {}), 0);
        QVERIFY(waitForWindow(kDashboard));
    }

    void settingsChangedInTheWindowSurviveARestart()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!trayIcons(kClass).isEmpty(), 5000);
        const auto dashboard = waitForWindow(kDashboard);
        QVERIFY(dashboard);
        click(quickAction(*dashboard, QuickAction::settings));
        const auto settings = waitForWindow(kSettings);
        if (!settings) {
            save(grab(), screenshots(), QStringLiteral("debug-gear"));
            QFAIL("the gear did not open the settings");
        }
        const QImage picture = grabWhenDrawn(*settings);
        QVERIFY(!looksBlank(picture));
        QVERIFY(save(picture, screenshots(), QStringLiteral("settings")));

        // From the first switch (开机时启动, focused on opening), Tab reaches 显示状态栏图标; Space turns it off and
        // the icon goes.
        activate(*settings);
        key(QStringLiteral("Tab space"));
        QTRY_VERIFY_WITH_TIMEOUT(trayIcons(kClass).isEmpty(), 5000);
        QVERIFY(!AppSettings::fromJson(*SettingsUserDefaults().data(SettingsStore::kKey))->showStatusBarIcon);

        // Ctrl+Q in a window quits like the panel's button.
        key(QStringLiteral("ctrl+q"));
        QVERIFY(m_tavrin.state() == QProcess::NotRunning || m_tavrin.waitForFinished(10000));
        QCOMPARE(m_tavrin.exitCode(), 0);

        startTavrin();
        QVERIFY(waitForWindow(kDashboard));
        QTest::qWait(1500);
        QVERIFY(trayIcons(kClass).isEmpty());
        // Back on, from the window again.
        click(quickAction(windows(kDashboard).value(0), QuickAction::settings));
        const auto again = waitForWindow(kSettings);
        if (!again) {
            save(grab(), screenshots(), QStringLiteral("debug-gear2"));
            QFAIL("the gear did not open the settings after the restart");
        }
        QVERIFY(!AppSettings::fromJson(*SettingsUserDefaults().data(SettingsStore::kKey))->showStatusBarIcon);
        activate(*again);
        key(QStringLiteral("Tab space"));
        QTRY_VERIFY_WITH_TIMEOUT(!trayIcons(kClass).isEmpty(), 5000);
    }

    void ctrlQInThePanelQuitsWithTheLastSecondsStored()
    {
        QCOMPARE(m_tavrin.state(), QProcess::Running);
        const double before = storedActiveSeconds();
        const QList<quint64> icons = trayIcons(kClass);
        QVERIFY(!icons.isEmpty());
        QTest::qWait(3000);
        click(geometry(icons.first()).center());
        const auto panel = waitForWindow(kPanel, 5000);
        QVERIFY2(panel, "clicking the tray icon did not open the panel");
        const QImage picture = grabWhenDrawn(*panel);
        QVERIFY(!looksBlank(picture));
        QVERIFY(save(picture, screenshots(), QStringLiteral("panel")));
        key(QStringLiteral("ctrl+q"));
        if (m_tavrin.state() != QProcess::NotRunning && !m_tavrin.waitForFinished(10000)) {
            save(grab(), screenshots(), QStringLiteral("debug-panel"));
            QFAIL("Ctrl+Q did not quit");
        }
        QCOMPARE(m_tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_tavrin.exitCode(), 0);
        // Seconds of activity since the last ten-second flush were written on the way out.
        QVERIFY2(storedActiveSeconds() >= before + 2, qPrintable(QString::number(storedActiveSeconds())));
    }

    void cleanupTestCase()
    {
        m_user.stop();
        if (m_tavrin.state() == QProcess::Running) {
            m_tavrin.terminate();
            m_tavrin.waitForFinished(5000);
        }
    }
};

QTEST_MAIN(AppWindowsTest)
#include "tst_appwindows.moc"
