#include "AppSettings.h"
#include "FakeService.h"
#include "SettingsStore.h"
#include "SettingsUserDefaults.h"
#include "StoredUsage.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace StoredUsage;

namespace {

int visibleWindows(const QString& title)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--name"), u'^' + title + u'$'});
    search.waitForFinished(5000);
    return static_cast<int>(QString::fromUtf8(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).size());
}

} // namespace

// The real tavrin in a private desktop with two monitors, short periods in its stored settings, and a
// user kept active with xdotool.
class TavrinFlowTest : public QObject
{
    Q_OBJECT

private:
    QProcess m_tavrin;
    QTimer m_user;
    int m_nudges = 0;

    void startTavrin(const std::function<void(AppSettings&)>& change)
    {
        QDir(dataFolder()).removeRecursively();
        AppSettings settings;
        change(settings);
        SettingsUserDefaults().setData(SettingsStore::kKey, settings.toJson());
        m_tavrin.setProcessChannelMode(QProcess::MergedChannels);
        m_tavrin.start(QStringLiteral(TAVRIN_PROGRAM));
        QVERIFY(m_tavrin.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += m_tavrin.readAllStandardOutput()).contains("idle source"), 10000);
    }

    void stopTavrin()
    {
        if (m_tavrin.state() != QProcess::Running) {
            qWarning() << "tavrin is not running:" << m_tavrin.readAll() << m_tavrin.exitCode();
        }
        m_tavrin.terminate();
        QVERIFY(m_tavrin.waitForFinished(10000));
        QCOMPARE(m_tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_tavrin.exitCode(), 0);
    }

private slots:
    void initTestCase()
    {
        // The user: a small pointer movement every 700 ms keeps the idle time near zero.
        connect(&m_user, &QTimer::timeout, this, [this] {
            const QString step = QString::number(++m_nudges % 2 == 0 ? 3 : -3);
            QProcess::startDetached(QStringLiteral("xdotool"),
                                    {QStringLiteral("mousemove_relative"), QStringLiteral("--"), step, step});
        });
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QStringLiteral("400"), QStringLiteral("400")});
        m_user.start(700);
    }

    void aWorkPeriodBringsTheOverlayToBothMonitorsAndARecord()
    {
        startTavrin([](AppSettings& s) {
            s.rule.workSeconds = 12;
            s.rule.restSeconds = 6;
        });
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("即将进入全屏休息")), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Tavrin")), 2, 25000);
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Tavrin")), 0, 25000);
        QTRY_COMPARE_WITH_TIMEOUT(query("SELECT trigger || '/' || skipped || '/' || duration_s FROM break_events"),
                                  QVariant(QStringLiteral("work_reached/0/6")), 5000);
        stopTavrin();
        // Usage reached the database, the last seconds through the terminate handler.
        QVERIFY(query("SELECT SUM(active_seconds) FROM usage_hourly").toDouble() >= 20);
    }

    void anIgnoredBannerIsRecordedAsSkipped()
    {
        startTavrin([](AppSettings& s) {
            s.rule.workSeconds = 8;
            s.reminderStyle = ReminderStyle::banner;
        });
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("该休息一下啦")), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("该休息一下啦")), 0, 25000);
        QTRY_COMPARE_WITH_TIMEOUT(query("SELECT trigger || '/' || skipped || '/' || duration_s FROM break_events"),
                                  QVariant(QStringLiteral("work_reached/1/10")), 5000);
        QCOMPARE(visibleWindows(QStringLiteral("Tavrin")), 0);
        stopTavrin();
    }

    void pendingUsageReachesTheDatabaseOnSigtermAndBeforeSleep()
    {
        FakeService logind(QStringLiteral("fake_logind.py"));
        QVERIFY2(logind.isReady(), qPrintable(logind.output()));
        startTavrin([](AppSettings&) {});
        // Fewer than ten ticks: nothing has been flushed on schedule yet.
        QTest::qWait(3500);
        // Under heavy load the first scheduled flush may have come already; the sleep flush must add to it.
        const double beforeSleep = query("SELECT SUM(active_seconds) FROM usage_hourly").toDouble();
        QDBusMessage sleep = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.tavrin.Test"), QStringLiteral("EmitPrepareForSleep"));
        sleep << true;
        QDBusConnection::systemBus().call(sleep);
        QTRY_VERIFY_WITH_TIMEOUT(query("SELECT SUM(active_seconds) FROM usage_hourly").toDouble() >= beforeSleep + 2,
                                 3000);
        stopTavrin();

        startTavrin([](AppSettings&) {});
        QTest::qWait(3500);
        QVERIFY(!query("SELECT SUM(active_seconds) FROM usage_hourly").isValid());
        stopTavrin();
        QVERIFY(query("SELECT SUM(active_seconds) FROM usage_hourly").toDouble() >= 2);
    }

    void cleanupTestCase() { m_user.stop(); }
};

QTEST_MAIN(TavrinFlowTest)
#include "tst_tavrinflow.moc"
