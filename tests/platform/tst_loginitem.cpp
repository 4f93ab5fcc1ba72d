#include "DummyBackends.h"
#include "RecordingSystemLog.h"
#include "XdgAutostartLoginItem.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& content, QFileDevice::Permissions permissions = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (permissions) {
        file.setPermissions(permissions);
    }
}

} // namespace

class LoginItemTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_autostart;
    QString m_applications;
    QString m_program;

    XdgAutostartLoginItem item(const QString& running) const
    {
        return XdgAutostartLoginItem(m_autostart, {m_root.filePath(QStringLiteral("empty")), m_applications}, running);
    }

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(m_root.path());
        m_autostart = m_root.filePath(QStringLiteral("config/autostart"));
        m_applications = m_root.filePath(QStringLiteral("share/applications"));
        QVERIFY(QDir().mkpath(m_applications));
        // An installed program whose path needs quoting in an Exec line.
        QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("opt/my apps"))));
        m_program = m_root.filePath(QStringLiteral("opt/my apps/tavrin"));
        writeFile(m_program, "#!/bin/sh\n", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        writeFile(m_applications + QStringLiteral("/tavrin.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Tavrin\nExec=\"" + m_program.toUtf8() + "\"\n");
    }

    void onlyTheInstalledProgramManagesALoginItem()
    {
        QVERIFY(item(m_program).isInstalled());
        QCOMPARE(item(m_program).installedProgram(), QFileInfo(m_program).canonicalFilePath());

        // A build-tree binary is not the program the installed entry starts.
        const QString buildTree = m_root.filePath(QStringLiteral("build/tavrin"));
        QDir().mkpath(QFileInfo(buildTree).path());
        writeFile(buildTree, "#!/bin/sh\n", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        XdgAutostartLoginItem fromBuildTree = item(buildTree);
        QVERIFY(!fromBuildTree.isInstalled());

        RecordingSystemLog log;
        fromBuildTree.bringInLine(true, log);
        QVERIFY(!QFile::exists(fromBuildTree.entryPath()));
        QVERIFY(log.lines.isEmpty());
    }

    void registeringWritesAnAutostartEntryForTheInstalledProgram()
    {
        XdgAutostartLoginItem login = item(m_program);
        QVERIFY(!login.isEnabled());
        QString error;
        QVERIFY(login.registerItem(&error));
        QVERIFY(login.isEnabled());
        QCOMPARE(login.entryPath(), m_autostart + QStringLiteral("/tavrin.desktop"));

        QFile entry(login.entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY2(text.contains(QStringLiteral("\nExec=\"") + QFileInfo(m_program).canonicalFilePath() + u'"'),
                 qPrintable(text));
        QCOMPARE(entry.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());

        QVERIFY(login.unregisterItem(&error));
        QVERIFY(!login.isEnabled());
        QVERIFY2(login.unregisterItem(&error), "removing what is not there is fine");
    }

    void hiddenEntriesCountAsDisabled()
    {
        QDir().mkpath(m_autostart);
        writeFile(m_autostart + QStringLiteral("/tavrin.desktop"),
                  "[Desktop Entry]\nType=Application\nExec=tavrin\nHidden=true\n");
        XdgAutostartLoginItem login = item(m_program);
        QVERIFY(!login.isEnabled());
        RecordingSystemLog log;
        login.bringInLine(true, log);
        QVERIFY(login.isEnabled());
        // Hidden in another group does not count.
        writeFile(login.entryPath(), "[Desktop Entry]\nExec=tavrin\n[Desktop Action x]\nHidden=true\n");
        QVERIFY(login.isEnabled());
    }

    void anUnwritableAutostartFolderIsLoggedWithTheError()
    {
        // A file where the folder should be: creating the folder fails, also for root.
        QDir().mkpath(QFileInfo(m_autostart).path());
        writeFile(m_autostart, "not a folder");
        XdgAutostartLoginItem login = item(m_program);
        QString error;
        QVERIFY(!login.registerItem(&error));
        QVERIFY(!error.isEmpty());

        RecordingSystemLog log;
        login.bringInLine(true, log);
        QCOMPARE(log.lines.size(), 1);
        QVERIFY(log.lines.first().startsWith(QStringLiteral("Tavrin: 更新开机启动状态失败 ")));
        QVERIFY(log.lines.first().size() > QStringLiteral("Tavrin: 更新开机启动状态失败 ").size());
    }

    void bringInLineCallsOnlyWhatIsNeeded()
    {
        RecordingSystemLog log;
        DummyLoginItem login;
        login.enabled = true;
        login.bringInLine(true, log);
        login.enabled = false;
        login.bringInLine(false, log);
        QCOMPARE(login.registrations + login.unregistrations, 0);

        login.bringInLine(true, log);
        QCOMPARE(login.registrations, 1);
        login.bringInLine(false, log);
        QCOMPARE(login.unregistrations, 1);

        login.failWith = QStringLiteral("Operation not permitted");
        login.bringInLine(true, log);
        QCOMPARE(log.lines, QStringList{QStringLiteral("Tavrin: 更新开机启动状态失败 Operation not permitted")});

        login.installed = false;
        login.bringInLine(true, log);
        QCOMPARE(login.registrations, 2);
    }

    void execArgumentsAreQuotedByTheDesktopEntryRules_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "/usr/bin/tavrin"
                               << "/usr/bin/tavrin";
        QTest::newRow("space") << "/opt/my apps/tavrin"
                               << "\"/opt/my apps/tavrin\"";
        QTest::newRow("dollar and quote") << "/opt/$x\"y/tavrin"
                                          << "\"/opt/\\\\$x\\\\\"y/tavrin\"";
        QTest::newRow("backslash") << "/opt/a\\b"
                                   << "\"/opt/a\\\\\\\\b\"";
        QTest::newRow("percent") << "/opt/100%/tavrin"
                                 << "/opt/100%%/tavrin";
    }

    void execArgumentsAreQuotedByTheDesktopEntryRules()
    {
        QFETCH(QString, argument);
        QFETCH(QString, written);
        QCOMPARE(XdgAutostartLoginItem::execArgument(argument), written);
    }
};

QTEST_GUILESS_MAIN(LoginItemTest)
#include "tst_loginitem.moc"
