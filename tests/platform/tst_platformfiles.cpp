#include "SettingsUserDefaults.h"
#include "StderrCapture.h"
#include "SyslogSystemLog.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
        const QString configHome =
            qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
        const QString expected = configHome + QStringLiteral("/Tavrin/Tavrin.conf");
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
        StderrCapture capture;
        QVERIFY(capture.isActive());
        {
            SyslogSystemLog log;
            log.log(QStringLiteral("Tavrin: 打开 SQLite 失败："), QStringLiteral("/home/%s%n%x/数据.db"));
        }
        QCOMPARE(capture.text(), QStringLiteral("Tavrin: 打开 SQLite 失败：/home/%s%n%x/数据.db\n"));
    }
};

QTEST_GUILESS_MAIN(PlatformFilesTest)
#include "tst_platformfiles.moc"
