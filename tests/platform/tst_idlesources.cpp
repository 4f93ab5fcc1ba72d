// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraUseWatch.h"
#include "CanberraSoundPlayer.h"
#include "FakeService.h"
#include "FullScreenWindowMonitor.h"
#include "IdleSourceFactory.h"
#include "MutterIdleSource.h"
#include "Patience.h"
#include "PulseRecordingWatch.h"
#include "RecordingSystemLog.h"
#include "WaylandIdleSource.h"
#include "XScreenSaverIdleSource.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRasterWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <xcb/xcb.h>

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

// Arms a notice of the source and says whether it came. A notice that holds already comes with the events
// that a round trip to the source brings; it comes from the event loop, never from inside the call.
struct Notice
{
    bool came = false;
    bool arm(IdleSource& source, IdleSource::Notice notice, double seconds)
    {
        came = false;
        const bool armed = source.notify(notice, seconds, [this] { came = true; });
        const bool inside = came;
        source.secondsSinceLastInput();
        QCoreApplication::processEvents();
        return armed && !inside;
    }
};

// A sound server of our own in the folder, with a playback sink (whose monitor is a source) and a
// microphone; $PULSE_SERVER points at it.
bool startSoundServer(QProcess& server, const QTemporaryDir& folder)
{
    const QString socket = folder.filePath(QStringLiteral("native"));
    server.start(QStringLiteral("pulseaudio"),
                 {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=no"),
                  QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                  QStringLiteral("--load=module-null-sink sink_name=speakers"),
                  QStringLiteral("--load=module-null-source source_name=microphone")});
    qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket));
    return QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000);
}

// How many KIND (source-outputs, samples) the sound server of $PULSE_SERVER has.
int soundServerHas(const QString& kind)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), kind});
    pactl.waitForFinished(30000);
    return int(pactl.readAllStandardOutput().count('\n'));
}

bool isLoaded(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

// A window of another program (this test run again with --window): it prints its id, and asks for full
// screen when told so.
std::unique_ptr<QProcess> startWindow(bool fullScreen)
{
    auto window = std::make_unique<QProcess>();
    window->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window->start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--window"), fullScreen ? QStringLiteral("full") : QStringLiteral("normal")});
    return window->waitForReadyRead(10000) ? std::move(window) : nullptr;
}

// The window the window manager has focused (_NET_ACTIVE_WINDOW).
quint32 activeWindow()
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    xprop.waitForFinished();
    return xprop.readAll().split('#').value(1).trimmed().toUInt(nullptr, 16);
}

// What a pager does to change a window's state: ask the window manager with a client message.
void askForFullScreen(quint32 window, bool on)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
        const xcb_atom_t value = reply->atom;
        free(reply);
        return value;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("_NET_WM_STATE");
    event.data.data32[0] = on ? 1 : 0;
    event.data.data32[1] = atom("_NET_WM_STATE_FULLSCREEN");
    event.data.data32[3] = 1;
    xcb_send_event(connection, 0, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    // A round trip before leaving: xcb_disconnect() resets the socket, and the X server then drops what it
    // has not read yet, this request included.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
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

    // The X server's alarms on its idle counter, with real input.
    void xscreensaverTellsOfTheIdleTimeReachedAndOfInput()
    {
        RecordingSystemLog log;
        const auto source = XScreenSaverIdleSource::create(log);
        QVERIFY(source);
        Notice notice;
        QVERIFY(notice.arm(*source, IdleSource::Notice::idleReaches, source->secondsSinceLastInput() + 2.0));
        QVERIFY2(!notice.came, "not before the idle time reaches it");
        QTRY_VERIFY_WITH_TIMEOUT(notice.came, 15000);
        QVERIFY2(notice.arm(*source, IdleSource::Notice::inputBelow, 0.5) && !notice.came, "no input yet");
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove_relative"), QStringLiteral("3"), QStringLiteral("3")});
        QTRY_VERIFY(notice.came);
        QVERIFY(notice.arm(*source, IdleSource::Notice::inputBelow, 3600));
        QTRY_VERIFY2(notice.came, "input came since the idle time was last that long: at once");
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

        // Its watches tell of the idle time reached and of input.
        Notice notice;
        QVERIFY(notice.arm(*source, IdleSource::Notice::inputBelow, 30) && !notice.came);
        QVERIFY(setMutterIdle(0));
        QTRY_VERIFY(notice.came);
        QVERIFY(notice.arm(*source, IdleSource::Notice::idleReaches, 29) && setMutterIdle(28'500) && !notice.came);
        QVERIFY(setMutterIdle(29'000));
        QTRY_VERIFY(notice.came);
        QVERIFY(notice.arm(*source, IdleSource::Notice::idleReaches, 10));
        QTRY_VERIFY2(notice.came, "reached before the watch was armed: at once");

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

        // Its notices: the next "resumed", and an idle time counted from "idled".
        Notice notice;
        QVERIFY(notice.arm(*source, IdleSource::Notice::idleReaches, 3.0));
        compositor.send("idled");
        QTRY_VERIFY(source->secondsSinceLastInput() >= 1.0 && !notice.came);
        QTRY_VERIFY(notice.came);
        QVERIFY(notice.arm(*source, IdleSource::Notice::inputBelow, 1.0) && !notice.came);
        compositor.send("resumed");
        QTRY_VERIFY(notice.came);

        // The compositor goes away: no crash, one report, the user counts as present.
        compositor.send("idled");
        QTRY_VERIFY(source->secondsSinceLastInput() >= 1.0);
        compositor.stop();
        QTRY_COMPARE(log.count(kFailed), 1);
        QCOMPARE(source->secondsSinceLastInput(), 0.0);
        QCOMPARE(log.count(kFailed), 1);
    }

    // Against a sound server of our own, with a playback sink (whose monitor is a source) and a microphone:
    // the microphone is busy while another program records from it; a recording of what the speakers play
    // is no call.
    void aRecordingFromAMicrophoneMakesTheUserBusy()
    {
        QTemporaryDir folder;
        QProcess server;
        QVERIFY(startSoundServer(server, folder));
        PulseRecordingWatch watch;
        QSignalSpy changes(&watch, &PulseRecordingWatch::recordingChanged);
        QVERIFY(watch.start());
        QProcess monitor;
        QProcess call;
        const QStringList recording{QStringLiteral("--raw"), QStringLiteral("/dev/null")};
        monitor.start(QStringLiteral("parecord"), QStringList{QStringLiteral("--device=speakers.monitor")} + recording);
        // The recording of the speakers runs before the call starts; were it counted, the watch would not
        // fall back to "not recording" when the call ends.
        QVERIFY(QTest::qWaitFor([] { return soundServerHas(QStringLiteral("source-outputs")) == 1; }, 30000));
        call.start(QStringLiteral("parecord"), QStringList{QStringLiteral("--device=microphone")} + recording);
        QTRY_VERIFY_WITH_TIMEOUT(watch.isRecording(), 10000);
        call.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!watch.isRecording(), 10000);
        QCOMPARE(changes.size(), 2);
        for (QProcess* process : {&monitor, &call, &server}) {
            process->kill();
            process->waitForFinished();
        }
        qunsetenv("PULSE_SERVER");
    }

    // The break's end sound reaches the sound server (libcanberra keeps it there as a sample); the library
    // comes in with the first sound, not before.
    void theBreakEndSoundLoadsItsLibraryWhenItFirstPlays()
    {
        QTemporaryDir folder;
        QProcess server;
        QVERIFY(startSoundServer(server, folder));
        CanberraSoundPlayer sound;
        QVERIFY(!isLoaded("libcanberra.so"));
        sound.playBreakEnd();
        QCOMPARE(sound.lastResult(), 0);
        QVERIFY(isLoaded("libcanberra.so"));
        QTRY_COMPARE(soundServerHas(QStringLiteral("samples")), 1);
        server.kill();
        server.waitForFinished();
        qunsetenv("PULSE_SERVER");
    }

    // A stand-in for /dev: inotify hears the device files opened and closed, new devices too, and the look
    // at start finds a device that was already open.
    void aCameraIsBusyWhileAnyProgramHasItOpen()
    {
        QTemporaryDir folder;
        const QString devices = folder.filePath(QStringLiteral("dev"));
        QVERIFY(QDir().mkpath(devices) && QDir().mkpath(folder.filePath(QStringLiteral("proc/4321/fd"))));
        QFile video0(devices + QStringLiteral("/video0"));
        QVERIFY(video0.open(QIODevice::WriteOnly));
        video0.close();
        QVERIFY(QFile::link(video0.fileName(), folder.filePath(QStringLiteral("proc/4321/fd/7"))));
        CameraUseWatch watch(devices, folder.filePath(QStringLiteral("proc")));
        QVERIFY(watch.start());
        QVERIFY2(watch.isOpen(), "open before we looked, as the open files said");
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("proc/4321/fd/7"))));
        QVERIFY(video0.open(QIODevice::ReadOnly));
        video0.close(); // its close and the earlier holder's do not add up to "free" too early
        QTest::qWait(100);
        QVERIFY(watch.isOpen());

        CameraUseWatch fresh(devices, QString());
        QVERIFY(fresh.start());
        QVERIFY(!fresh.isOpen());
        QFile video1(devices + QStringLiteral("/video1")); // plugged in after the start
        QVERIFY(video1.open(QIODevice::WriteOnly));
        video1.close();
        // The folder's event is queued before video0's open: once that open is seen, video1 is watched.
        QVERIFY(video0.open(QIODevice::ReadOnly));
        QTRY_VERIFY_WITH_TIMEOUT(fresh.isOpen(), 30000);
        QVERIFY(video1.open(QIODevice::ReadOnly));
        video0.close();
        QTest::qWait(100);
        QVERIFY2(fresh.isOpen(), "video1 is still open");
        video1.close();
        QTRY_VERIFY_WITH_TIMEOUT(!fresh.isOpen(), 30000);
        QVERIFY(video1.open(QIODevice::ReadOnly));
        QTRY_VERIFY_WITH_TIMEOUT(fresh.isOpen(), 30000);
        QVERIFY(video1.remove()); // unplugged: nobody holds it any more
        QTRY_VERIFY_WITH_TIMEOUT(!fresh.isOpen(), 30000);
    }

    // Under openbox: the focused window of another program, full screen or not, as the window manager says;
    // Tavrin's own full-screen windows do not count. The monitor hears events in the order the X server sent
    // them, so a change it must report also proves that it has heard, and ignored, every one before.
    void aFocusedFullScreenWindowMakesTheUserBusy()
    {
        FullScreenWindowMonitor monitor({}, false);
        QCOMPARE(monitor.coverage(), BusySignal::Coverage::everything);
        monitor.setEnabled(true);
        QSignalSpy changes(&monitor, &BusySignal::busyChanged);
        const auto normal = startWindow(false);
        QVERIFY(normal);
        const quint32 normalId = normal->readLine().trimmed().toUInt();
        QTRY_COMPARE_WITH_TIMEOUT(activeWindow(), normalId, 30000);
        for (const bool on : {true, false, true, false}) {
            askForFullScreen(normalId, on);
            QTRY_COMPARE_WITH_TIMEOUT(monitor.isBusy(), on, 30000);
        }
        QCOMPARE(changes.size(), 4); // the focused normal window never counted

        auto full = startWindow(true);
        QVERIFY(full);
        QTRY_VERIFY_WITH_TIMEOUT(monitor.isBusy(), 30000);
        full->kill(); // the focus goes back to the window that is not full screen
        full->waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!monitor.isBusy(), 30000);

        // Tavrin's own full-screen window in front of another program's frees the user; the other program in
        // front again holds breaks back again. (Qt makes the window full screen before mapping it, so it is
        // never in front without being full screen.)
        askForFullScreen(normalId, true);
        QTRY_VERIFY_WITH_TIMEOUT(monitor.isBusy(), 30000);
        changes.clear();
        QRasterWindow own;
        own.showFullScreen();
        QTRY_VERIFY_WITH_TIMEOUT(!monitor.isBusy(), 30000);
        own.close();
        QTRY_VERIFY_WITH_TIMEOUT(monitor.isBusy(), 30000);
        QCOMPARE(changes.size(), 2);
        // The last window goes: openbox leaves _NET_ACTIVE_WINDOW naming it, and a window that is gone is not
        // full screen.
        normal->kill();
        normal->waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!monitor.isBusy(), 30000);
        monitor.setEnabled(false);
        QCOMPARE(FullScreenWindowMonitor({}, true).coverage(), BusySignal::Coverage::x11WindowsOnly);
    }
};

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--window") == 0) {
        QRasterWindow window;
        window.setTitle(QStringLiteral("another program"));
        qstrcmp(argv[2], "full") == 0 ? window.showFullScreen() : window.show();
        QTextStream(stdout) << window.winId() << Qt::endl;
        return QGuiApplication::exec();
    }
    IdleSourcesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_idlesources.moc"
