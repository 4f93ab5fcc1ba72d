#include "SettingsUserDefaults.h"
#include "SyslogSystemLog.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int mode(const QString& path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

} // namespace

class PlatformFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void userDefaultsLiveInTheTavrinConfigFile()
    {
        const SettingsUserDefaults defaults;
        const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tavrin/Tavrin.conf");
        QCOMPARE(defaults.fileName(), expected);
    }

    void dataSurvivesAndTheFileIsPrivate()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("new folder/Tavrin.conf"));
        const mode_t previous = ::umask(022);
        {
            SettingsUserDefaults defaults(ini);
            QVERIFY(!defaults.data(QStringLiteral("Tavrin.AppSettings")));
            defaults.setData(QStringLiteral("Tavrin.AppSettings"), QByteArray(R"({"movieMode":true,"x":"a=b;c"})"));
            defaults.setData(QStringLiteral("Tavrin.DailyUsage"), QByteArray("{}"));
        }
        ::umask(previous);
        QCOMPARE(mode(ini), 0600);
        QCOMPARE(mode(dir.filePath(QStringLiteral("new folder"))), 0700);

        SettingsUserDefaults reopened(ini);
        QCOMPARE(reopened.data(QStringLiteral("Tavrin.AppSettings")),
                 std::optional(QByteArray(R"({"movieMode":true,"x":"a=b;c"})")));
        reopened.remove(QStringLiteral("Tavrin.DailyUsage"));
        QVERIFY(!SettingsUserDefaults(ini).data(QStringLiteral("Tavrin.DailyUsage")));
    }

    void aHandEditedTextValueIsNotData()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Tavrin.conf"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nTavrin.AppSettings=hello\n");
        file.close();
        QVERIFY(!SettingsUserDefaults(ini).data(QStringLiteral("Tavrin.AppSettings")));
    }

    void logLinesAreDataNotFormats()
    {
        QTemporaryDir dir;
        const QString capture = dir.filePath(QStringLiteral("stderr"));
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        QVERIFY(std::freopen(QFile::encodeName(capture).constData(), "w", stderr));
        {
            SyslogSystemLog log;
            log.log(QStringLiteral("Tavrin: 打开 SQLite 失败："), QStringLiteral("/home/%s%n%x/数据.db"));
        }
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);

        QFile file(capture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("Tavrin: 打开 SQLite 失败：/home/%s%n%x/数据.db\n"));
    }
};

QTEST_GUILESS_MAIN(PlatformFilesTest)
#include "tst_platformfiles.moc"
