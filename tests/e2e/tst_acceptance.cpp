// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"
#include "DatabaseRows.h"
#include "DesktopDriver.h"
#include "FakeService.h"
#include "Patience.h"
#include "SettingsStore.h"
#include "SettingsUserDefaults.h"
#include "StatusPainter.h"
#include "StatusReport.h"
#include "TavrinWindows.h"
#include "TestFiles.h"
#include "TestPictures.h"
#include "WidgetSharedStore.h"
#include "WidgetTheme.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace DesktopDriver;
using namespace TavrinWindows;

namespace {

QVariant testCall(const QDBusConnection& bus, const char* service, const char* path, const char* method,
                  const QVariantList& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1StringView(service), QLatin1StringView(path),
                                                       QStringLiteral("org.tavrin.Test"), QLatin1StringView(method));
    call.setArguments(arguments);
    return QDBusConnection(bus).call(call).arguments().value(0);
}

QStringList heldInhibitors()
{
    return testCall(QDBusConnection::systemBus(), "org.freedesktop.login1", "/org/freedesktop/login1", "HeldInhibitors")
        .toStringList();
}

QStringList breaks()
{
    return DatabaseRows::read(databasePath(),
                              QStringLiteral("SELECT trigger, skipped, duration_s FROM break_events ORDER BY id"));
}

// A call of the running Tavrin's own interface.
QVariant tavrin(const char* method, const QVariantList& arguments = {})
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.tavrin.Tavrin"), QStringLiteral("/org/tavrin/Tavrin"),
                                       QStringLiteral("org.tavrin.Tavrin1"), QLatin1StringView(method));
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call).arguments().value(0);
}

// Today's seconds as the running Tavrin counts them, stored or not.
double countedSeconds()
{
    return qdbus_cast<QVariantMap>(tavrin("Status")).value(QStringLiteral("todaySeconds"), -1).toDouble();
}

double storedSeconds()
{
    return DatabaseRows(databasePath(), SQLITE_OPEN_READONLY)
        .value(QStringLiteral("SELECT TOTAL(active_seconds) FROM usage_hourly"))
        .toDouble();
}

// The skip button is the first of the pills in the lowest row of bright shapes of an overlay window.
std::optional<QPoint> findSkipButton(quint64 overlay)
{
    const QRect frame = geometry(overlay);
    const QImage picture = grab(frame);
    const auto bright = [&picture](int x, int y) { return qGray(picture.pixel(x, y)) > 180; };
    for (int y = picture.height() - 1; y > picture.height() / 2; --y) {
        for (int x = picture.width() / 4; x < picture.width() * 3 / 4; ++x) {
            if (bright(x, y)) {
                // The pill's bottom edge runs on to its right end.
                int end = x;
                while (end + 1 < picture.width() && (bright(end + 1, y) || bright(end + 1, y - 1))) {
                    ++end;
                }
                return frame.topLeft() + QPoint((x + end) / 2, y - 12);
            }
        }
    }
    return std::nullopt;
}

} // namespace

// Tavrin used as a person would: two monitors, a tray, real input through xdotool, real windows and the
// real files it keeps. Periods are the shortest the settings allow.
class AcceptanceTest : public QObject
{
    Q_OBJECT

private:
    QProcess m_tavrin;
    QProcess m_widget;
    QTimer m_user;

    void startTavrin(const std::function<void(AppSettings&)>& change = {})
    {
        if (change) {
            QDir(dataFolder()).removeRecursively();
            AppSettings settings;
            change(settings);
            SettingsUserDefaults().setData(SettingsStore::kKey, settings.toJson());
        }
        m_tavrin.setProcessChannelMode(QProcess::ForwardedChannels);
        m_tavrin.start(QStringLiteral(TAVRIN_PROGRAM));
        QVERIFY(m_tavrin.waitForStarted());
        const auto dashboard = waitForWindow(kDashboard, kPatienceMs);
        QVERIFY(dashboard);
        // Whole on one of the two monitors, never across their boundary at x = 960.
        const QRect frame = geometry(*dashboard);
        QVERIFY2(frame.right() < 960 || frame.left() >= 960,
                 qPrintable(QStringLiteral("%1 + %2").arg(frame.left()).arg(frame.width())));
    }

    // Tavrin quits cleanly on SIGTERM; the widget, which keeps nothing unsaved, simply ends.
    void stop(QProcess& program)
    {
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        if (&program == &m_tavrin) {
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
        }
    }

    quint64 startWidget(const QStringList& arguments = {})
    {
        m_widget.start(QStringLiteral(TAVRIN_WIDGET_PROGRAM), arguments);
        return waitForWindow(kWidget).value_or(0);
    }

    // The widget shows the reminder's state that the running Tavrin reports, as this process draws the snapshot
    // file: the same words as the panel's, to the pixel but for a few.
    bool widgetSaysWhatTavrinSays(quint64 window, ReminderState::Kind kind)
    {
        const auto snapshot = WidgetSharedStore::load(WidgetSharedStore::snapshotPath());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QVariantMap status = qdbus_cast<QVariantMap>(tavrin("Status"));
        if (!snapshot || snapshot->reminder().kind(now) != kind ||
            !StatusReport::line(status, now.toLocalTime()).endsWith(snapshot->reminder().line(now.toLocalTime()))) {
            return false;
        }
        const QRect frame = geometry(window);
        QImage expected(frame.size(), QImage::Format_RGB32);
        expected.fill(WidgetTheme::containerBackground());
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        StatusPainter(painter, false)
            .paint(expected.rect(), StatusEntry{now, snapshot, false}, WidgetConfiguration::Family::medium);
        painter.end();
        const QImage shown = grab(frame).convertToFormat(QImage::Format_RGB32);
        int differing = 0;
        for (int y = 0; y < shown.height() && y < expected.height(); ++y) {
            for (int x = 0; x < shown.width() && x < expected.width(); ++x) {
                differing += shown.pixel(x, y) != expected.pixel(x, y);
            }
        }
        return differing < expected.width() * expected.height() / 100;
    }

private slots:
    void initTestCase()
    {
        connect(&m_user, &QTimer::timeout, this, [] { nudgePointer(); });
        m_user.start(700);
    }

    void aWorkPeriodBringsTheBreakToBothMonitorsAndABreakByHandCanBeSkipped()
    {
        startTavrin([](AppSettings& s) {
            s.rule.workSeconds = 10;
            s.rule.restSeconds = 10;
        });
        QVERIFY(waitForWindow(kNotice, kPatienceMs));
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 2, kPatienceMs);
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 0, kPatienceMs);
        QTRY_COMPARE_WITH_TIMEOUT(breaks(), QStringList{QStringLiteral("work_reached|0|10")}, kPatienceMs);

        click(quickAction(windows(kDashboard).value(0), QuickAction::rest));
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 2, kPatienceMs);
        const QList<quint64> overlays = windows(kOverlay);
        const quint64 right = geometry(overlays[0]).x() >= 960 ? overlays[0] : overlays[1];
        // Faded in: full opacity, or no opacity property at all.
        QTRY_VERIFY(QRegularExpression(QStringLiteral("(= 4294967295|not found)$"))
                        .match(xprop(right, QStringLiteral("_NET_WM_WINDOW_OPACITY")))
                        .hasMatch());
        std::optional<QPoint> skip;
        QTRY_VERIFY((skip = findSkipButton(right)).has_value());
        click(*skip);
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 0, kPatienceMs);
        QTRY_COMPARE_WITH_TIMEOUT(breaks().size(), 2, kPatienceMs);
        QVERIFY2(breaks().last().startsWith(QStringLiteral("manual|1|")), qPrintable(breaks().last()));
        stop(m_tavrin);
    }

    void aBannerTakenLeadsToTheOverlay()
    {
        startTavrin([](AppSettings& s) {
            s.rule.workSeconds = 10;
            s.rule.restSeconds = 10;
            s.reminderStyle = ReminderStyle::banner;
        });
        const auto banner = waitForWindow(kBanner, kPatienceMs);
        QVERIFY(banner);
        const QRect frame = geometry(*banner);
        click(QPoint(frame.right() - 83, frame.bottom() - 17)); // 立即休息, right of 稍后提醒
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 2, kPatienceMs);
        QVERIFY(windows(kBanner).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 0, kPatienceMs);
        QTRY_COMPARE_WITH_TIMEOUT(breaks(), QStringList{QStringLiteral("work_reached|0|10")}, kPatienceMs);
        stop(m_tavrin);
    }

    // Started at the person's pause: the overlay waits while they type, and comes once keyboard and mouse
    // have been still for 3 s, not before, and long before the minute it waits at most.
    void aBreakAtThePauseWaitsForTheTypingToStop()
    {
        startTavrin([](AppSettings& s) {
            s.rule.workSeconds = 10;
            s.rule.restSeconds = 10;
            s.startBreakAtPause = true;
        });
        QVERIFY(waitForWindow(kNotice, kPatienceMs));
        m_user.stop();
        QElapsedTimer typing;
        typing.start();
        while (windows(kWaitingForPause).isEmpty()) {
            QVERIFY(typing.elapsed() < kPatienceMs);
            key(QStringLiteral("shift"));
        }
        for (typing.restart(); typing.elapsed() < 5000;) {
            key(QStringLiteral("shift"));
        }
        QVERIFY2(windows(kOverlay).isEmpty(), "five seconds of typing after the notice, and no break yet");
        QElapsedTimer still;
        still.start();
        QTRY_COMPARE_WITH_TIMEOUT(windows(kOverlay).size(), 2, kPatienceMs);
        const qint64 waited = still.elapsed();
        qInfo("the overlay came %lld ms after the last key", waited);
        QVERIFY2(waited >= 2800 && waited < 10000, qPrintable(QString::number(waited)));
        QVERIFY(windows(kWaitingForPause).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(breaks(), QStringList{QStringLiteral("work_reached|0|10")}, kPatienceMs);
        m_user.start();
        stop(m_tavrin);
    }

    // A micro-pause asked for from the shell while someone types: its card stays through the typing, longer
    // than its length, and once the keys stop it fills and is taken.
    void aMicroPauseWaitsForTheTypingToStop()
    {
        startTavrin([](AppSettings& s) {
            s.microPauses = true;
            s.microPauseSeconds = 10;
        });
        QVERIFY(closeWindow(windows(kDashboard).value(0)));
        m_user.stop();
        QCOMPARE(QProcess::execute(QStringLiteral(TAVRIN_PROGRAM), {QStringLiteral("--micro-pause")}), 0);
        QVERIFY(waitForWindow(kMicroPause, kPatienceMs));
        // 40 keys a third of a second apart (xdotool waits half its delay after each press and each release):
        // some 13 s of typing, longer than the micro-pause.
        QCOMPARE(
            QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                                          QStringLiteral("660"), QStringLiteral("a").repeated(40)}),
            0);
        QCOMPARE(windows(kMicroPause).size(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(windows(kMicroPause).isEmpty(), kPatienceMs);
        QTRY_COMPARE(DatabaseRows::read(databasePath(), QStringLiteral("SELECT taken FROM micro_pauses")),
                     QStringList{QStringLiteral("1")});
        m_user.start();
        stop(m_tavrin);
    }

    // The widget on the desktop's layer, empty until Tavrin writes. What the person changes reaches it at the
    // next tick, in the panel's words: meeting mode (which counts nothing), a pause and its end, a break put off
    // from its notice. The widget's rationing of reloads (20 s) would miss this.
    void theWidgetSaysWhatThePanelSaysAtOnce()
    {
        QFile::remove(WidgetSharedStore::snapshotPath());
        const quint64 widget = startWidget();
        QVERIFY(widget);
        const QString states = xprop(widget, QStringLiteral("_NET_WM_STATE")) + xprop(widget, "_NET_WM_DESKTOP");
        QVERIFY2(states.contains(QStringLiteral("_NET_WM_STATE_BELOW")) &&
                     states.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")) && states.contains("4294967295"),
                 qPrintable(states));
        QVERIFY(TestPictures::countNear(grab(geometry(widget)), WidgetTheme::statusOrange()) <= 20);
        startTavrin([](AppSettings& s) {
            s.movieMode = true;
            s.rule.workSeconds = 30;
        });
        QVERIFY(closeWindow(windows(kDashboard).value(0)));
        constexpr int kAtOnceMs = 10000;
        using Kind = ReminderState::Kind;
        QTRY_VERIFY_WITH_TIMEOUT(widgetSaysWhatTavrinSays(widget, Kind::meeting), kAtOnceMs);
        tavrin("SetMeeting", {false});
        QElapsedTimer sinceMeeting;
        sinceMeeting.start();
        QTRY_VERIFY_WITH_TIMEOUT(widgetSaysWhatTavrinSays(widget, Kind::countdown), kAtOnceMs);
        tavrin("Pause", {30u});
        QTRY_VERIFY_WITH_TIMEOUT(widgetSaysWhatTavrinSays(widget, Kind::paused), kAtOnceMs);
        tavrin("Resume");
        QTRY_VERIFY_WITH_TIMEOUT(widgetSaysWhatTavrinSays(widget, Kind::countdown), kAtOnceMs);
        // The notice's one button, 稍后提醒 at its right, puts the break off.
        const auto notice = waitForWindow(kNotice, 2 * kPatienceMs);
        QVERIFY(notice);
        const QRect frame = geometry(*notice);
        click(QPoint(frame.right() - 75, frame.center().y()));
        QTRY_VERIFY_WITH_TIMEOUT(widgetSaysWhatTavrinSays(widget, Kind::postponed), kAtOnceMs);
        stop(m_widget);
        stop(m_tavrin);
        const double stored = storedSeconds();
        QVERIFY2(stored > 0 && stored <= double(sinceMeeting.elapsed()) / 1000 + 1,
                 qPrintable(QString::number(stored)));
    }

    // Tavrin holds back the machine's sleep until its usage is stored, then lets it go, and takes a new
    // inhibitor when it wakes; quitting stores the last seconds too.
    void sleepAndQuitStoreTheLastSeconds()
    {
        FakeService logind(QStringLiteral("fake_logind.py"));
        QVERIFY2(logind.isReady(), qPrintable(logind.output()));
        startTavrin([](AppSettings&) {});
        QTRY_COMPARE(heldInhibitors(), QStringList{QStringLiteral("sleep/Tavrin/delay")});
        // Seconds counted and not stored yet, whenever the last scheduled store was.
        double counted = 0;
        QTRY_VERIFY((counted = countedSeconds()) >= storedSeconds() + 2);
        auto prepareForSleep = [](bool start) {
            testCall(QDBusConnection::systemBus(), "org.freedesktop.login1", "/org/freedesktop/login1",
                     "EmitPrepareForSleep", {start});
        };
        prepareForSleep(true);
        QTRY_VERIFY(heldInhibitors().isEmpty());
        const double afterSleep = storedSeconds();
        QVERIFY2(afterSleep >= counted, "stored before the machine may sleep");
        prepareForSleep(false);
        QTRY_COMPARE(heldInhibitors().size(), 1);
        QTRY_VERIFY((counted = countedSeconds()) >= storedSeconds() + 2);
        stop(m_tavrin);
        QVERIFY(storedSeconds() >= counted);
    }

    // Dark while the desktop prefers dark, light as soon as it prefers light.
    void theAppearanceFollowsTheDesktop()
    {
        FakeService portal(QStringLiteral("fake_portal.py")); // prefers dark
        QVERIFY2(portal.isReady(), qPrintable(portal.output()));
        startTavrin([](AppSettings&) {});
        const QRect page = geometry(windows(kDashboard).value(0)).adjusted(0, 700, 0, 0); // below the chart
        auto pageGrey = [&] { return qGray(grab(page).pixel(10, 10)); };
        QTRY_VERIFY2(pageGrey() < 60, qPrintable(QString::number(pageGrey())));
        testCall(QDBusConnection::sessionBus(), "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                 "SetColorScheme", {2u});
        QTRY_VERIFY2(pageGrey() > 230, qPrintable(QString::number(pageGrey())));
        stop(m_tavrin);
    }

    void settingsChangedInTheWindowSurviveARestart()
    {
        startTavrin([](AppSettings&) {});
        QTRY_VERIFY_WITH_TIMEOUT(!trayIcons(kClass).isEmpty(), kPatienceMs);
        click(quickAction(windows(kDashboard).value(0), QuickAction::settings));
        auto settings = waitForWindow(kSettings);
        QVERIFY(settings);
        // From the first switch (focused on opening), Tab reaches 显示状态栏图标; Space turns it off.
        activate(*settings);
        key(QStringLiteral("Tab space"));
        QTRY_VERIFY_WITH_TIMEOUT(trayIcons(kClass).isEmpty(), kPatienceMs);
        stop(m_tavrin);

        startTavrin();
        QTest::qWait(1500);
        QVERIFY(trayIcons(kClass).isEmpty());
        click(quickAction(windows(kDashboard).value(0), QuickAction::settings));
        settings = waitForWindow(kSettings);
        QVERIFY(settings);
        activate(*settings);
        key(QStringLiteral("Tab space"));
        QTRY_VERIFY_WITH_TIMEOUT(!trayIcons(kClass).isEmpty(), kPatienceMs);
        stop(m_tavrin);
    }

    void badFilesNeverStopTavrinNorLoseWhatIsStored()
    {
        // A settings value that is not a settings record, a database file that is not a database, and a
        // snapshot cut short.
        const QByteArray badSettings = "[General]\nTavrin.AppSettings=\"@ByteArray({\\\"rule\\\":7})\"\n";
        const QByteArray badDatabase = QByteArray("my notes, not a database\n").repeated(200);
        QDir(dataFolder()).removeRecursively();
        QDir().mkpath(dataFolder());
        QVERIFY(TestFiles::write(settingsPath(), badSettings) && TestFiles::write(databasePath(), badDatabase));
        QVERIFY(TestFiles::write(WidgetSharedStore::snapshotPath(), "{\"fatiguePercent\": 4"));
        const quint64 widget = startWidget();
        QVERIFY(widget);

        startTavrin();
        QVERIFY(closeWindow(windows(kDashboard).value(0)));
        QCOMPARE(m_tavrin.state(), QProcess::Running);
        QTRY_VERIFY_WITH_TIMEOUT(WidgetSharedStore::load().has_value(), kPatienceMs);
        QTRY_VERIFY(widgetSaysWhatTavrinSays(widget, ReminderState::Kind::countdown));
        stop(m_tavrin);
        stop(m_widget);
        // Kept as it was, beside what Tavrin added (where the dashboard was left).
        QCOMPARE(QSettings(settingsPath(), QSettings::IniFormat).value(QStringLiteral("Tavrin.AppSettings")),
                 QVariant(QByteArray(R"({"rule":7})")));
        QCOMPARE(TestFiles::read(databasePath()), badDatabase);
    }

    // A failed check leaves no program behind for the next case.
    void cleanup()
    {
        for (QProcess* program : {&m_tavrin, &m_widget}) {
            if (program->state() == QProcess::Running) {
                program->terminate();
                program->waitForFinished(10000);
            }
        }
    }
};

QTEST_MAIN(AcceptanceTest)
#include "tst_acceptance.moc"
