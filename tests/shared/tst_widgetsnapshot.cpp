#include "WidgetSharedStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QDateTime kUpdated = QDateTime::fromMSecsSinceEpoch(1'796'000'000'123, Qt::UTC);

WidgetSnapshot sample()
{
    return {42.5, WidgetSnapshot::Mode::working, 1234.5, 3725.25, 2700, 180, kUpdated};
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray withMember(const char* name, const QJsonValue& value)
{
    QJsonObject object = QJsonDocument::fromJson(sample().toJson()).object();
    if (value.isUndefined()) {
        object.remove(QLatin1StringView(name));
    } else {
        object.insert(QLatin1StringView(name), value);
    }
    return QJsonDocument(object).toJson();
}

int mode(const QString& path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

} // namespace

class WidgetSnapshotTest : public QObject
{
    Q_OBJECT

private slots:
    void minutesUntilBreakRoundsUp_data()
    {
        QTest::addColumn<double>("continuous");
        QTest::addColumn<qint64>("minutes");
        QTest::newRow("half a second short") << 2699.5 << qint64(1);
        QTest::newRow("one minute short") << 2640.0 << qint64(1);
        QTest::newRow("61 seconds short") << 2639.0 << qint64(2);
        QTest::newRow("just reached") << 2700.0 << qint64(0);
        QTest::newRow("past the period") << 2760.0 << qint64(0);
        QTest::newRow("fresh") << 0.0 << qint64(45);
    }

    void minutesUntilBreakRoundsUp()
    {
        QFETCH(double, continuous);
        QFETCH(qint64, minutes);
        WidgetSnapshot snapshot = sample();
        snapshot.continuousWorkSeconds = continuous;
        QCOMPARE(snapshot.minutesUntilBreak(), minutes);
    }

    void workedTextSwitchesToHoursAtOneHour_data()
    {
        QTest::addColumn<double>("today");
        QTest::addColumn<QString>("text");
        QTest::newRow("59.9 s") << 59.9 << QStringLiteral("0 分钟");
        QTest::newRow("2700 s") << 2700.0 << QStringLiteral("45 分钟");
        QTest::newRow("3599.9 s") << 3599.9 << QStringLiteral("59 分钟");
        QTest::newRow("3600 s") << 3600.0 << QStringLiteral("1 小时 0 分");
        QTest::newRow("3725 s") << 3725.0 << QStringLiteral("1 小时 2 分");
        QTest::newRow("25 h") << 90061.0 << QStringLiteral("25 小时 1 分");
    }

    void workedTextSwitchesToHoursAtOneHour()
    {
        QFETCH(double, today);
        QFETCH(QString, text);
        WidgetSnapshot snapshot = sample();
        snapshot.todaySeconds = today;
        QCOMPARE(snapshot.workedText(), text);
    }

    void staleOnlyAfterMoreThan180Seconds()
    {
        QVERIFY(!sample().isStale(kUpdated.addSecs(180)));
        QVERIFY(sample().isStale(kUpdated.addMSecs(180'500)));
        QVERIFY(!sample().isStale(kUpdated.addSecs(-3600)));
    }

    void aSnapshotSurvivesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("container/widget-snapshot.json"));
        QString error;
        QVERIFY(WidgetSharedStore::save(sample(), &error, path));
        const auto loaded = WidgetSharedStore::load(path);
        QVERIFY(loaded);
        QVERIFY(*loaded == sample());

        const QJsonObject object = QJsonDocument::fromJson(sample().toJson()).object();
        QCOMPARE(object.size(), 7);
        QCOMPARE(object.value(QStringLiteral("mode")).toString(), QStringLiteral("working"));
        QCOMPARE(object.value(QStringLiteral("updatedAt")).toDouble(), 1'796'000'000.123);
    }

    void strictDecoding_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("valid");
        QTest::newRow("complete") << sample().toJson() << true;
        QTest::newRow("extra member") << withMember("future", QStringLiteral("x")) << true;
        QTest::newRow("integral double for an integer") << withMember("workSeconds", 2700.0) << true;
        QTest::newRow("no updatedAt") << withMember("updatedAt", QJsonValue::Undefined) << false;
        QTest::newRow("unknown mode") << withMember("mode", QStringLiteral("sleeping")) << false;
        QTest::newRow("mode of other case") << withMember("mode", QStringLiteral("Working")) << false;
        QTest::newRow("fractional work period") << withMember("workSeconds", 2700.5) << false;
        QTest::newRow("string percent") << withMember("fatiguePercent", QStringLiteral("42")) << false;
        QTest::newRow("null today") << withMember("todaySeconds", QJsonValue::Null) << false;
        QTest::newRow("absurd date") << withMember("updatedAt", 1e300) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("truncated") << sample().toJson().left(40) << false;
        QTest::newRow("array") << QByteArray("[1,2,3]") << false;
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe", 3) << false;
    }

    void strictDecoding()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, valid);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("widget-snapshot.json"));
        writeFile(path, content);
        QCOMPARE(WidgetSharedStore::load(path).has_value(), valid);
    }

    void missingOrOversizedFilesAreNotRead()
    {
        QTemporaryDir dir;
        QVERIFY(!WidgetSharedStore::load(dir.filePath(QStringLiteral("none.json"))));
        QVERIFY(!WidgetSharedStore::load(dir.path()));
        // A valid snapshot padded past the size limit is refused without reading it whole.
        const QString big = dir.filePath(QStringLiteral("big.json"));
        writeFile(big, sample().toJson() + QByteArray(WidgetSharedStore::kMaxFileSize, ' '));
        QVERIFY(!WidgetSharedStore::load(big));
    }

    void savingIsPrivateAndAtomic()
    {
        QTemporaryDir dir;
        const QString container = dir.filePath(QStringLiteral("group.tavrin"));
        const QString path = container + QStringLiteral("/widget-snapshot.json");
        const mode_t previous = ::umask(022);
        QString error;
        QVERIFY(WidgetSharedStore::save(sample(), &error, path));
        ::umask(previous);
        QCOMPARE(mode(container), 0700);
        QCOMPARE(mode(path), 0600);

        // A write that fails half-way (here: the file size limit, which holds for root too): the failure
        // is reported and the earlier file stays exactly as it was.
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        const QByteArray earlierBytes = earlier.readAll();
        earlier.close();
        struct rlimit limit
        {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const struct rlimit tiny
        {
            16, limit.rlim_max
        };
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        WidgetSnapshot changed = sample();
        changed.fatiguePercent = 99;
        const bool saved = WidgetSharedStore::save(changed, &error, path);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QFile again(path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), earlierBytes);
        QCOMPARE(QDir(container).entryList(QDir::Files), QStringList{QStringLiteral("widget-snapshot.json")});

        // A container that cannot be created (a file stands in its way) fails for root too.
        const QString blocked = dir.filePath(QStringLiteral("blocked"));
        writeFile(blocked, "x");
        error.clear();
        QVERIFY(!WidgetSharedStore::save(sample(), &error, blocked + QStringLiteral("/widget-snapshot.json")));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(WidgetSnapshotTest)
#include "tst_widgetsnapshot.moc"
