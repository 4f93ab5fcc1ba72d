#include "FakeService.h"
#include "IdleNotificationTracker.h"
#include "IdleSourceFactory.h"
#include "MutterIdleSource.h"
#include "RecordingSystemLog.h"
#include "WaylandIdleSource.h"
#include "XScreenSaverIdleSource.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>

using Backend = IdleSourceFactory::Backend;
Q_DECLARE_METATYPE(std::vector<Backend>)

namespace {

const QString kFailed = QStringLiteral("Tavrin: 空闲时间来源失效，按一直在使用计算：");

bool setMutterIdle(qulonglong milliseconds)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
        QStringLiteral("org.tavrin.Test"), QStringLiteral("SetIdletime"));
    call << QVariant::fromValue(milliseconds);
    return QDBusConnection::sessionBus().call(call).type() == QDBusMessage::ReplyMessage;
}

// The fake compositor of tests/fakes/wayland, driven through its stdin.
class FakeCompositor
{
public:
    explicit FakeCompositor(const QStringList& arguments = {})
    {
        m_process.start(QStringLiteral(FAKE_IDLE_COMPOSITOR), arguments);
        if (m_process.waitForReadyRead(5000)) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("ready ")) {
                m_socket = line.mid(6);
            }
        }
    }
    ~FakeCompositor() { stop(); }
    FakeCompositor(const FakeCompositor&) = delete;
    FakeCompositor& operator=(const FakeCompositor&) = delete;

    const QByteArray& socket() const { return m_socket; }
    void send(const char* command)
    {
        m_process.write(QByteArray(command) + '\n');
        m_process.waitForBytesWritten(1000);
    }
    QByteArray output()
    {
        m_process.waitForReadyRead(100);
        m_output += m_process.readAll();
        return m_output;
    }
    void stop()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    QByteArray m_socket;
    QByteArray m_output;
};

} // namespace

// Runs inside tests/e2e/session.sh: a real Xvfb with MIT-SCREEN-SAVER, private session and system buses.
class IdleSourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void sessionTypeDecidesTheCandidates_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("x11");
        QTest::addColumn<std::vector<Backend>>("expected");
        QTest::newRow("x11") << "x11"
                             << "KDE" << false << true << std::vector{Backend::xscreensaver};
        QTest::newRow("gnome wayland, XWayland present")
            << "wayland"
            << "ubuntu:GNOME" << true << true << std::vector{Backend::mutter, Backend::waylandNotifier};
        QTest::newRow("plasma wayland") << "wayland"
                                        << "KDE" << true << true
                                        << std::vector{Backend::waylandNotifier, Backend::mutter};
        QTest::newRow("sway without session type")
            << ""
            << "sway" << true << true << std::vector{Backend::waylandNotifier, Backend::mutter};
    }

    void sessionTypeDecidesTheCandidates()
    {
        QFETCH(QString, type);
        QFETCH(QString, desktop);
        QFETCH(bool, wayland);
        QFETCH(bool, x11);
        QFETCH(std::vector<Backend>, expected);
        QVERIFY(IdleSourceFactory::candidates({type, desktop, wayland, x11}) == expected);
    }

    void withoutAnySourceTheUserCountsAsPresent()
    {
        RecordingSystemLog log;
        const auto source = IdleSourceFactory::create(log, {QStringLiteral("tty"), {}, false, false});
        QCOMPARE(source->secondsSinceLastInput(), 0.0);
        QCOMPARE(log.lines.size(), 1);
        QVERIFY(log.lines.first().startsWith(QStringLiteral("Tavrin: 没有可用的空闲时间来源")));
    }

    void xscreensaverSurvivesTheServerGoingAway()
    {
        // A second X server that this test may kill.
        QProcess server;
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                              QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(server.waitForReadyRead(10000));
        const QByteArray display = ':' + server.readLine().trimmed();

        RecordingSystemLog log;
        auto source = XScreenSaverIdleSource::create(log, display);
        QVERIFY(source);
        QVERIFY(source->secondsSinceLastInput() >= 0);

        server.kill();
        server.waitForFinished();
        QCOMPARE(source->secondsSinceLastInput(), 0.0);
        QCOMPARE(source->secondsSinceLastInput(), 0.0);
        QCOMPARE(log.count(kFailed), 1);
        source.reset(); // must not touch the dead connection
    }

    void mutterIdleTimeIsReadInMilliseconds()
    {
        RecordingSystemLog log;
        QVERIFY2(!MutterIdleSource::create(log), "no service yet: no source");

        auto fake = std::make_unique<FakeService>(QStringLiteral("fake_mutter.py"));
        QVERIFY2(fake->isReady(), qPrintable(fake->output()));
        const auto source = MutterIdleSource::create(log);
        QVERIFY(source);
        QVERIFY(setMutterIdle(42'500));
        QCOMPARE(source->secondsSinceLastInput(), 42.5);

        // The compositor's service goes away: no crash, one report, the user counts as present.
        fake.reset();
        QCOMPARE(source->secondsSinceLastInput(), 0.0);
        QCOMPARE(source->secondsSinceLastInput(), 0.0);
        QCOMPARE(log.count(kFailed), 1);

        // It comes back: answers again.
        fake = std::make_unique<FakeService>(QStringLiteral("fake_mutter.py"));
        QVERIFY(setMutterIdle(3000));
        QCOMPARE(source->secondsSinceLastInput(), 3.0);
    }

    void waylandIdleTimeFollowsTheCompositorsNotifications()
    {
        FakeCompositor compositor;
        QVERIFY(!compositor.socket().isEmpty());
        RecordingSystemLog log;
        const auto source = WaylandIdleSource::create(log, compositor.socket().constData());
        QVERIFY(source);
        QTRY_VERIFY(compositor.output().contains("notification 1000"));
        QCOMPARE(source->secondsSinceLastInput(), 0.0);

        compositor.send("idled");
        QTRY_VERIFY(source->secondsSinceLastInput() >= 1.0);
        compositor.send("resumed");
        QTRY_COMPARE(source->secondsSinceLastInput(), 0.0);

        // The compositor goes away: no crash, one report, the user counts as present.
        compositor.send("idled");
        QTRY_VERIFY(source->secondsSinceLastInput() >= 1.0);
        compositor.stop();
        QTRY_COMPARE(log.count(kFailed), 1);
        QCOMPARE(source->secondsSinceLastInput(), 0.0);
        QCOMPARE(log.count(kFailed), 1);
    }

    void waylandNotificationsBecomeAnIdleTime()
    {
        IdleNotificationTracker tracker(1000);
        QCOMPARE(tracker.idleSeconds(5000), 0.0);

        tracker.idled(10'000); // no input since 9 s
        QCOMPARE(tracker.idleSeconds(10'000), 1.0);
        QCOMPARE(tracker.idleSeconds(40'000), 31.0);
        tracker.idled(41'000); // a repeated notification keeps the start
        QCOMPARE(tracker.idleSeconds(41'000), 32.0);

        tracker.resumed();
        QCOMPARE(tracker.idleSeconds(41'500), 0.0);
        tracker.idled(50'000);
        QCOMPARE(tracker.idleSeconds(50'000), 1.0);
        // A clock read before the event (events are stamped when dispatched) never gives less than the timeout.
        QCOMPARE(tracker.idleSeconds(49'000), 1.0);
    }
};

QTEST_GUILESS_MAIN(IdleSourcesTest)
#include "tst_idlesources.moc"
