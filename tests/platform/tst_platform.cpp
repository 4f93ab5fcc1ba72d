// SPDX-License-Identifier: GPL-3.0-or-later
#include "DummyBackends.h"
#include "PrivateFiles.h"
#include "RecordingSystemLog.h"
#include "SettingsStore.h"
#include "SettingsUserDefaults.h"
#include "SingleInstance.h"
#include "SyslogSystemLog.h"
#include "TestFiles.h"
#include "TimeZoneWatch.h"
#include "XdgAutostartLoginItem.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <cstdio>
#include <unistd.h>

namespace {

const QString kLoginFailed = QStringLiteral("Tavrin: 更新开机启动状态失败 ");

} // namespace

// The login item, the settings file and the system log, against the real file system.
class PlatformTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_autostart;
    QString m_program;

    XdgAutostartLoginItem item(const QString& running) const
    {
        return XdgAutostartLoginItem(
            m_autostart,
            {m_root->filePath(QStringLiteral("empty")), m_root->filePath(QStringLiteral("share/applications"))},
            running);
    }

    QString executable(const QString& relative) const
    {
        const QString path = m_root->filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        TestFiles::write(path, "#!/bin/sh\n");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return path;
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        m_autostart = m_root->filePath(QStringLiteral("config/autostart"));
        // An installed program whose path needs quoting in an Exec line.
        m_program = executable(QStringLiteral("opt/my apps/tavrin"));
        QDir().mkpath(m_root->filePath(QStringLiteral("share/applications")));
        TestFiles::write(m_root->filePath(QStringLiteral("share/applications/tavrin.desktop")),
                         "[Desktop Entry]\nType=Application\nName=Tavrin\nExec=\"" + m_program.toUtf8() + "\"\n");
    }

    void onlyTheInstalledProgramRegistersItself()
    {
        RecordingSystemLog log;
        XdgAutostartLoginItem fromBuildTree = item(executable(QStringLiteral("build/tavrin")));
        fromBuildTree.bringInLine(true, log);
        QVERIFY(!QFile::exists(fromBuildTree.entryPath()));

        XdgAutostartLoginItem login = item(m_program);
        login.bringInLine(true, log);
        QVERIFY(login.isEnabled());
        const QString entry = QString::fromUtf8(TestFiles::read(login.entryPath()));
        QVERIFY2(entry.contains(QStringLiteral("\nExec=\"") + QFileInfo(m_program).canonicalFilePath() + u'"'),
                 qPrintable(entry));
        QCOMPARE(TestFiles::mode(login.entryPath()), 0600);
        login.bringInLine(false, log);
        QVERIFY(!QFile::exists(login.entryPath()));
        QVERIFY(log.lines.isEmpty());

        // Hidden=true in the main group counts as disabled; in another group it does not.
        QVERIFY(TestFiles::write(login.entryPath(), "[Desktop Entry]\nExec=tavrin\nHidden=true\n"));
        QVERIFY(!login.isEnabled());
        QVERIFY(TestFiles::write(login.entryPath(), "[Desktop Entry]\nExec=tavrin\n[Desktop Action x]\nHidden=true\n"));
        QVERIFY(login.isEnabled());
    }

    void aFailureIsLoggedWithItsReasonAndOnlyNeededCallsAreMade()
    {
        // A file where the folder should be: creating the folder fails, also for root.
        QDir().mkpath(QFileInfo(m_autostart).path());
        TestFiles::write(m_autostart, "not a folder");
        RecordingSystemLog log;
        item(m_program).bringInLine(true, log);
        QCOMPARE(log.lines.size(), 1);
        QVERIFY(log.lines.first().startsWith(kLoginFailed) && log.lines.first().size() > kLoginFailed.size());

        DummyLoginItem login;
        login.enabled = true;
        login.bringInLine(true, log);
        login.enabled = false;
        login.bringInLine(false, log);
        QCOMPARE(login.registrations + login.unregistrations, 0);
        login.failWith = QStringLiteral("Operation not permitted");
        login.bringInLine(true, log);
        QCOMPARE(log.lines.last(), kLoginFailed + QStringLiteral("Operation not permitted"));
    }

    void theSettingsFileIsPrivateAndHoldsDataOnly()
    {
        const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + "/.config");
        QCOMPARE(SettingsUserDefaults().fileName(), configHome + QStringLiteral("/Tavrin/Tavrin.conf"));

        const QString ini = m_root->filePath(QStringLiteral("new folder/Tavrin.conf"));
        const mode_t previous = ::umask(022);
        SettingsUserDefaults(ini).setData(QStringLiteral("Tavrin.AppSettings"), R"({"movieMode":true,"x":"a=b;c"})");
        ::umask(previous);
        QCOMPARE(TestFiles::mode(ini), 0600);
        QCOMPARE(TestFiles::mode(QFileInfo(ini).path()), 0700);
        QCOMPARE(SettingsUserDefaults(ini).data(QStringLiteral("Tavrin.AppSettings")),
                 std::optional(QByteArray(R"({"movieMode":true,"x":"a=b;c"})")));
        SettingsUserDefaults(ini).remove(QStringLiteral("Tavrin.AppSettings"));
        QVERIFY(!SettingsUserDefaults(ini).data(QStringLiteral("Tavrin.AppSettings")));
        // A hand-edited text value is not a settings record.
        QVERIFY(TestFiles::write(ini, "[General]\nTavrin.AppSettings=hello\n"));
        QVERIFY(!SettingsUserDefaults(ini).data(QStringLiteral("Tavrin.AppSettings")));
    }

    // What stands at the settings path: a dotfile manager's link to a regular file is written through and kept;
    // anything else that is no regular file is never opened (a FIFO would block the first read for good) nor
    // replaced, a change then lives for the run and the store says once, with the path, that it is not saved.
    void theSettingsFileIsWrittenOnlyWhereItIsARegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("saved");
        QTest::newRow("a link to a regular file") << "link" << true;
        QTest::newRow("a link to a FIFO") << "link to fifo" << false;
        QTest::newRow("a dangling link") << "dangling" << false;
        QTest::newRow("a FIFO") << "fifo" << false;
        QTest::newRow("a folder") << "folder" << false;
    }

    void theSettingsFileIsWrittenOnlyWhereItIsARegularFile()
    {
        QFETCH(QString, kind);
        QFETCH(bool, saved);
        const QString ini = m_root->filePath(QStringLiteral("Tavrin.conf"));
        const QString target = m_root->filePath(QStringLiteral("dotfiles/tavrin.conf"));
        QDir().mkpath(QFileInfo(target).path());
        const QByteArray fifo = QFile::encodeName(kind == u"fifo" ? ini : target);
        QVERIFY(kind == u"folder" ? QDir().mkdir(ini)
                : kind == u"link"
                    ? TestFiles::write(target, "[General]\nTavrin.AppSettings=\"{\\\"theme\\\":\\\"dark\\\"}\"\n")
                : kind.contains(u"fifo") ? ::mkfifo(fifo.constData(), 0600) == 0
                                         : true);
        QVERIFY(kind == u"fifo" || kind == u"folder" || QFile::link(target, ini));
        RecordingSystemLog log;
        SettingsUserDefaults defaults(ini);
        SettingsStore store(defaults, &log);
        // A JSON record typed in by hand as plain text is read as the record it is.
        QCOMPARE(store.settings().theme, saved ? ThemeMode::dark : ThemeMode::system);
        store.setSettings(store.settings().withMovieMode(true));
        store.setSettings(store.settings().withMovieMode(false));
        QCOMPARE(store.saveProblem().has_value(), !saved);
        QCOMPARE(log.count(SettingsStore::kNotSaved), saved ? 0 : 1);
        QVERIFY(saved ? QFileInfo(ini).isSymLink() && SettingsUserDefaults(target).data(SettingsStore::kKey)
                      : store.saveProblem()->contains(ini) && !QFileInfo(target).isFile());
    }

    // The zone link replaced the way timedatectl replaces it (a new link renamed over the old): the calendar and
    // its copies follow, both ways, and say so once each.
    void theCalendarFollowsTheZoneLinkAsItIsReplaced()
    {
        const QString localtime = m_root->filePath(QStringLiteral("localtime"));
        const auto pointAt = [&](const char* zone) {
            const QString fresh = localtime + QStringLiteral(".new");
            return QFile::link(QStringLiteral("/usr/share/zoneinfo/") + QLatin1StringView(zone), fresh) &&
                   ::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(localtime).constData()) == 0;
        };
        QVERIFY(pointAt("Asia/Shanghai"));
        LocalCalendar calendar(QTimeZone("Asia/Shanghai"));
        const LocalCalendar copy = calendar;
        RecordingSystemLog log;
        TimeZoneWatch watch(calendar, log, localtime);
        for (const char* zone : {"America/New_York", "Asia/Shanghai"}) {
            QVERIFY(pointAt(zone));
            QTRY_COMPARE(copy.timeZone().id(), QByteArray(zone));
        }
        QCOMPARE(log.count(TimeZoneWatch::kZoneChanged), 2);
    }

    // A lock that names no live Tavrin (left empty or garbled by a crash, or naming another host) is taken
    // over and said so; one that cannot be a lock at all (a folder) is reported, for the start to say why.
    void aLockThatNamesNoLiveTavrinIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("taken");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock") << true;
        QTest::newRow("another host") << QByteArray("1\nTavrin\nsomewhere-else\n") << true;
        QTest::newRow("a folder") << QByteArray() << false;
    }

    void aLockThatNamesNoLiveTavrinIsTakenOver()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, taken);
        const QString lock = m_root->filePath(QStringLiteral("tavrin.lock"));
        QVERIFY(taken ? TestFiles::write(lock, content) : QDir().mkdir(lock));
        // Written a while ago: a lock being written this very moment is read again a moment later.
        QVERIFY(QProcess::execute(QStringLiteral("touch"),
                                  {QStringLiteral("-d"), QStringLiteral("1 minute ago"), lock}) == 0);
        RecordingSystemLog log;
        SingleInstance instance(QDBusConnection(QStringLiteral("none")), m_root->path(), log);
        QCOMPARE(instance.claim(), taken);
        QCOMPARE(instance.problem().has_value(), !taken);
        QVERIFY(taken ? log.lines.contains(SingleInstance::kStaleLockTakenOver + lock)
                      : instance.problem()->contains(lock));
    }

    void aFileWhereAFolderShouldBeIsLeftAlone()
    {
        const QString path = m_root->filePath(QStringLiteral("Tavrin"));
        QVERIFY(
            TestFiles::write(path, "notes") &&
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(!PrivateFiles::ensureDirectory(path));
        QCOMPARE(TestFiles::mode(path), 0644);
    }

    void logLinesAreDataNotFormats()
    {
        // The same line goes to stderr: catch it in a file for the length of the call.
        const QString captured = m_root->filePath(QStringLiteral("stderr"));
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        QVERIFY(std::freopen(QFile::encodeName(captured).constData(), "w", stderr));
        SyslogSystemLog().log(QStringLiteral("Tavrin: 打开 SQLite 失败："), QStringLiteral("/home/%s%n%x/数据.db"));
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        QCOMPARE(TestFiles::read(captured),
                 QStringLiteral("Tavrin: 打开 SQLite 失败：/home/%s%n%x/数据.db\n").toUtf8());
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
