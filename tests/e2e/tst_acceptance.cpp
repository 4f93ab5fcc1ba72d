#include "AppSettings.h"
#include "DesktopDriver.h"
#include "SettingsStore.h"
#include "SettingsUserDefaults.h"
#include "StoredUsage.h"
#include "TavrinWindows.h"
#include "WidgetSharedStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace DesktopDriver;
using namespace TavrinWindows;
using namespace StoredUsage;

namespace {

QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tavrin/Tavrin.conf");
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The skip button is the lowest bright shape in the middle of an overlay window.
std::optional<QPoint> findSkipButton(quint64 overlay)
{
    const QRect frame = geometry(overlay);
    const QImage picture = grab(frame);
    for (int y = picture.height() - 1; y > picture.height() / 2; --y) {
        for (int x = picture.width() / 2 - 40; x < picture.width() / 2 + 40; ++x) {
            if (qGray(picture.pixel(x, y)) > 180) {
                return frame.topLeft() + QPoint(picture.width() / 2, y - 12);
            }
        }
    }
    return std::nullopt;
}

QString screenshots()
{
    return QStringLiteral(TAVRIN_SCREENSHOT_DIR) + QStringLiteral("/acceptance");
}

} // namespace

// Tavrin used as a person would, on a desktop with two monitors and a tray: real input through xdotool,
// real windows, the real files it keeps.
class AcceptanceTest : public QObject
{
    Q_OBJECT

private:
    QProcess m_tavrin;
    QTimer m_user;

    void startTavrin(const std::function<void(AppSettings&)>& change, bool fresh = true)
    {
        if (fresh) {
            QDir(dataFolder()).removeRecursively();
        }
        AppSettings settings;
        change(settings);
        SettingsUserDefaults().setData(SettingsStore::kKey, settings.toJson());
        startProgram();
    }

    void startProgram()
    {
        m_tavrin.setProcessChannelMode(QProcess::ForwardedChannels);
        m_tavrin.start(QStringLiteral(TAVRIN_PROGRAM));
        QVERIFY(m_tavrin.waitForStarted());
        QVERIFY(waitForWindow(kDashboard, 15000));
    }

    void stopTavrin()
    {
        QCOMPARE(m_tavrin.state(), QProcess::Running);
        m_tavrin.terminate();
        QVERIFY(m_tavrin.waitForFinished(10000));
        QCOMPARE(m_tavrin.exitCode(), 0);
    }

private slots:
    void initTestCase()
    {
        connect(&m_user, &QTimer::timeout, this, [] { nudgePointer(); });
        m_user.start(700);
    }

    void aMorningOfWorkShowsTheSameFiguresEverywhere()
    {
        startTavrin([](AppSettings&) {});
        QTest::qWait(22000);
        // The widget beside the app reads what the app publishes.
        QProcess widget;
        widget.start(QStringLiteral(TAVRIN_WIDGET_PROGRAM));
        const auto widgetWindow = waitForWindow(kWidget);
        QVERIFY(widgetWindow);
        save(grabWhenDrawn(*widgetWindow), screenshots(), QStringLiteral("morning-widget"));
        save(grabWhenDrawn(waitForWindow(kDashboard).value_or(0)), screenshots(), QStringLiteral("morning-dashboard"));
        widget.terminate();
        widget.waitForFinished(5000);
        stopTavrin();

        const auto snapshot = WidgetSharedStore::load(WidgetSharedStore::snapshotPath());
        QVERIFY(snapshot);
        QVERIFY2(snapshot->todaySeconds >= 15, qPrintable(QString::number(snapshot->todaySeconds)));
        QVERIFY(snapshot->fatiguePercent > 0);
        QCOMPARE(snapshot->mode, WidgetSnapshot::Mode::working);
        // The database holds every second of it after the quit; the snapshot is at most a minute behind.
        const double stored = query("SELECT TOTAL(active_seconds) FROM usage_hourly").toDouble();
        QVERIFY2(stored >= snapshot->todaySeconds && stored <= snapshot->todaySeconds + 60,
                 qPrintable(QStringLiteral("%1 stored, %2 published").arg(stored).arg(snapshot->todaySeconds)));
        QVERIFY(query("SELECT MAX(fatigue_peak) FROM usage_hourly").toDouble() > 0);
    }

    void aSkippedBreakOnTwoMonitorsIsRecordedAndLeavesFatigueAtLeastHalf()
    {
        startTavrin([](AppSettings& s) {
            s.rule.workSeconds = 10;
            s.rule.restSeconds = 60;
            s.notifyBeforeOverlay = false;
        });
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 2, 30000);
        QTest::qWait(1500); // the fade-in
        save(grab(), screenshots(), QStringLiteral("overlay-two-monitors"));
        const auto skip = findSkipButton(windows(kOverlay).first());
        QVERIFY(skip);
        click(*skip);
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 0, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(query("SELECT trigger || '/' || skipped FROM break_events"),
                                  QVariant(QStringLiteral("work_reached/1")), 5000);
        // The widget hears of it with the next snapshot: a skipped break takes fatigue down to half at most.
        const QDateTime skipped = QDateTime::currentDateTimeUtc();
        QTRY_VERIFY_WITH_TIMEOUT(
            WidgetSharedStore::load(WidgetSharedStore::snapshotPath()).value_or(WidgetSnapshot()).updatedAt > skipped,
            70000);
        const auto snapshot = WidgetSharedStore::load(WidgetSharedStore::snapshotPath());
        QVERIFY2(snapshot->fatiguePercent >= 50, qPrintable(QString::number(snapshot->fatiguePercent)));
        stopTavrin();
    }

    void aBannerTakenLeadsToTheOverlay()
    {
        startTavrin([](AppSettings& s) {
            s.rule.workSeconds = 8;
            s.rule.restSeconds = 5;
            s.reminderStyle = ReminderStyle::banner;
        });
        const auto banner = waitForWindow(kBanner, 30000);
        QVERIFY(banner);
        const QRect frame = geometry(*banner);
        save(grabWhenDrawn(*banner), screenshots(), QStringLiteral("banner"));
        click(QPoint(frame.right() - 83, frame.center().y()));
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 2, 5000);
        QVERIFY(windows(kBanner).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 0, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(query("SELECT trigger || '/' || skipped || '/' || duration_s FROM break_events"),
                                  QVariant(QStringLiteral("work_reached/0/5")), 5000);
        stopTavrin();
    }

    void meetingModeCountsNothing()
    {
        startTavrin([](AppSettings& s) { s.movieMode = true; });
        QTest::qWait(12000);
        stopTavrin();
        QCOMPARE(query("SELECT TOTAL(active_seconds) FROM usage_hourly").toDouble(), 0.0);
        const auto snapshot = WidgetSharedStore::load(WidgetSharedStore::snapshotPath());
        QVERIFY(snapshot);
        QCOMPARE(snapshot->todaySeconds, 0.0);
        QCOMPARE(snapshot->mode, WidgetSnapshot::Mode::idle);
    }

    void damagedFilesNeverStopTavrinNorLoseWhatIsStored()
    {
        // A settings value that is not a settings record: defaults, and the file stays as it is.
        const QByteArray badSettings = "[General]\nTavrin.AppSettings=\"@ByteArray({\\\"rule\\\":7})\"\n";
        write(settingsPath(), badSettings);
        // A database file that is not a database: left alone, byte for byte.
        QDir(dataFolder()).removeRecursively();
        const QByteArray badDatabase = QByteArray("my notes, not a database\n").repeated(200);
        write(databasePath(), badDatabase);
        // A snapshot file cut short: the app writes a whole one over it.
        write(WidgetSharedStore::snapshotPath(), "{\"fatiguePercent\": 4");

        startProgram();
        QTest::qWait(4000);
        QCOMPARE(m_tavrin.state(), QProcess::Running);
        QCOMPARE(contents(settingsPath()), badSettings);
        QCOMPARE(contents(databasePath()), badDatabase);
        QTRY_VERIFY_WITH_TIMEOUT(WidgetSharedStore::load(WidgetSharedStore::snapshotPath()).has_value(), 5000);
        stopTavrin();
        QCOMPARE(contents(settingsPath()), badSettings);
        QCOMPARE(contents(databasePath()), badDatabase);
    }

    // A failed check leaves no tavrin behind for the next case.
    void cleanup()
    {
        if (m_tavrin.state() == QProcess::Running) {
            m_tavrin.terminate();
            m_tavrin.waitForFinished(10000);
        }
        QFile::remove(WidgetSharedStore::snapshotPath());
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

QTEST_MAIN(AcceptanceTest)
#include "tst_acceptance.moc"
