#include "CanberraSoundPlayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

class SoundTest : public QObject
{
    Q_OBJECT

private slots:
    // This machine has no sound card and no sound server: playing must neither fail loudly nor crash,
    // whichever backend libcanberra picks (ALSA prints its errors to stderr unless told not to).
    void playingWithoutASoundDeviceIsSilentAndHarmless_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::newRow("default driver") << QByteArray();
        QTest::newRow("alsa") << QByteArrayLiteral("alsa");
        QTest::newRow("pulse") << QByteArrayLiteral("pulse");
    }

    void playingWithoutASoundDeviceIsSilentAndHarmless()
    {
        QFETCH(QByteArray, driver);
        if (driver.isEmpty()) {
            qunsetenv("CANBERRA_DRIVER");
        } else {
            qputenv("CANBERRA_DRIVER", driver);
        }
        QTemporaryDir dir;
        const QString capture = dir.filePath(QStringLiteral("stderr"));
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        QVERIFY(std::freopen(QFile::encodeName(capture).constData(), "w", stderr));
        {
            CanberraSoundPlayer player;
            player.playBreakEnd();
            player.playBreakEnd();
        }
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);

        QFile file(capture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString());
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "tst_sound.moc"
