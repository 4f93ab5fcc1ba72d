#include "FakeService.h"
#include "LogindSleepWatcher.h"
#include "PortalColorScheme.h"
#include "RecordingSystemLog.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "ThemeAppearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

QDBusMessage testCall(const QDBusConnection& bus, const QString& service, const QString& path, const QString& method,
                      const QVariantList& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.tavrin.Test"), method);
    call.setArguments(arguments);
    return bus.call(call);
}

QStringList heldInhibitors()
{
    const QDBusMessage reply = testCall(QDBusConnection::systemBus(), QStringLiteral("org.freedesktop.login1"),
                                        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("HeldInhibitors"));
    return reply.arguments().value(0).toStringList();
}

void emitPrepareForSleep(bool start)
{
    testCall(QDBusConnection::systemBus(), QStringLiteral("org.freedesktop.login1"),
             QStringLiteral("/org/freedesktop/login1"), QStringLiteral("EmitPrepareForSleep"), {start});
}

void setColorScheme(uint scheme)
{
    testCall(QDBusConnection::sessionBus(), QStringLiteral("org.freedesktop.portal.Desktop"),
             QStringLiteral("/org/freedesktop/portal/desktop"), QStringLiteral("SetColorScheme"), {scheme});
}

} // namespace

// Runs inside tests/e2e/session.sh: private session and system buses with fake logind and portal.
class SessionServicesTest : public QObject
{
    Q_OBJECT

private slots:
    void sleepWaitsForTheHandlerAndTheInhibitorComesBackAfterWake()
    {
        FakeService logind(QStringLiteral("fake_logind.py"));
        QVERIFY2(logind.isReady(), qPrintable(logind.output()));
        RecordingSystemLog log;
        const auto watcher = LogindSleepWatcher::create(log);
        QVERIFY(watcher);
        QTRY_VERIFY(watcher->holdsInhibitor());
        QCOMPARE(heldInhibitors(), QStringList{QStringLiteral("sleep/Tavrin/delay")});

        QStringList heldWhileHandling;
        int handled = 0;
        connect(watcher.get(), &LogindSleepWatcher::aboutToSleep, this, [&] {
            ++handled;
            heldWhileHandling = heldInhibitors();
        });
        emitPrepareForSleep(true);
        QTRY_COMPARE(handled, 1);
        QCOMPARE(heldWhileHandling.size(), 1);
        QVERIFY(!watcher->holdsInhibitor());
        QVERIFY2(heldInhibitors().isEmpty(), "the machine may sleep once the handler has run");

        emitPrepareForSleep(false);
        QTRY_VERIFY(watcher->holdsInhibitor());
        QCOMPARE(heldInhibitors().size(), 1);
        QCOMPARE(handled, 1);
        QVERIFY(log.lines.isEmpty());
    }

    void noSystemBusMeansNoSleepHandlingAndOneLogLine()
    {
        RecordingSystemLog log;
        const QDBusConnection nowhere =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere"));
        QVERIFY(!LogindSleepWatcher::create(log, nowhere));
        QCOMPARE(log.lines.size(), 1);
        QVERIFY(log.lines.first().startsWith(QStringLiteral("Tavrin: 无法监听系统睡眠：")));
    }

    void noLogindOnTheBusIsReportedOnce()
    {
        RecordingSystemLog log;
        const auto watcher = LogindSleepWatcher::create(log);
        QVERIFY(watcher);
        QTRY_COMPARE(log.lines.size(), 1);
        QVERIFY(!watcher->holdsInhibitor());
    }

    void appearanceFollowsThePortalLive()
    {
        FakeService portal(QStringLiteral("fake_portal.py"));
        QVERIFY2(portal.isReady(), qPrintable(portal.output()));
        PortalColorScheme scheme;
        QVERIFY2(scheme.prefersDark(), "the fake starts with 1, prefer dark");

        ThemeAppearance appearance(&scheme);
        QSignalSpy changes(&appearance, &ThemeAppearance::darkChanged);
        appearance.apply(ThemeMode::system);
        QVERIFY(appearance.isDark());
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 ThemeAppearance::darkPalette().color(QPalette::Window));

        setColorScheme(2); // prefer light
        QTRY_VERIFY(!appearance.isDark());
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 ThemeAppearance::lightPalette().color(QPalette::Window));

        // A fixed theme ignores the desktop.
        appearance.apply(ThemeMode::dark);
        setColorScheme(0);
        QTRY_VERIFY(!scheme.prefersDark());
        QVERIFY(appearance.isDark());
        appearance.apply(ThemeMode::system);
        QVERIFY(!appearance.isDark());
        QCOMPARE(changes.count(), 4);
    }

    void withoutAPortalSystemMeansLight()
    {
        PortalColorScheme scheme;
        QVERIFY(!scheme.prefersDark());
        ThemeAppearance appearance(&scheme);
        appearance.apply(ThemeMode::system);
        QVERIFY(!appearance.isDark());
        ThemeAppearance noPortal(nullptr);
        noPortal.apply(ThemeMode::system);
        QVERIFY(!noPortal.isDark());
    }

    void aSecondInstanceAsksTheFirstToReopen()
    {
        QTemporaryDir runtime;
        const QDBusConnection other =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("second-launch"));
        SingleInstance first(QDBusConnection::sessionBus(), runtime.path());
        QSignalSpy reopened(&first, &SingleInstance::reopenRequested);
        QVERIFY(first.claim());

        SingleInstance second(other, runtime.path());
        QVERIFY(!second.claim());
        QTRY_COMPARE(reopened.count(), 1);
    }

    void withoutASessionBusALockAndSocketDoTheJob()
    {
        QTemporaryDir runtime;
        const QDBusConnection nowhere =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nobus"));
        auto first = std::make_unique<SingleInstance>(nowhere, runtime.path());
        QSignalSpy reopened(first.get(), &SingleInstance::reopenRequested);
        QVERIFY(first->claim());
        {
            SingleInstance second(nowhere, runtime.path());
            QVERIFY(!second.claim());
        }
        QTRY_COMPARE(reopened.count(), 1);

        // The first instance ends: the next launch becomes the first.
        first.reset();
        SingleInstance next(nowhere, runtime.path());
        QVERIFY(next.claim());
    }

    void terminationSignalsArriveOnTheEventLoop()
    {
        TerminationSignals termination;
        QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
        ::raise(SIGTERM);
        ::raise(SIGHUP);
        QTRY_COMPARE(requested.count(), 2);
        QCOMPARE(requested.at(0).at(0).toInt(), SIGTERM);
        QCOMPARE(requested.at(1).at(0).toInt(), SIGHUP);
    }
};

QTEST_MAIN(SessionServicesTest)
#include "tst_sessionservices.moc"
