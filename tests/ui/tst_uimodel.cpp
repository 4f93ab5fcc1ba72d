#include "AppAssets.h"
#include "BackgroundImport.h"
#include "DashboardModel.h"
#include "NumberField.h"
#include "RecordingSystemLog.h"
#include "SettingsBindings.h"
#include "UsageChartData.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <unistd.h>

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

AppSettings withRest(qint64 rest)
{
    AppSettings settings;
    settings.rule.restSeconds = rest;
    return settings;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// What the dashboard, the chart and the settings window show and store, without any widget.
class UiModelTest : public QObject
{
    Q_OBJECT

private slots:
    void trendAgainstYesterday_data()
    {
        QTest::addColumn<double>("today");
        QTest::addColumn<std::optional<double>>("yesterday");
        QTest::addColumn<QString>("trend"); // empty: no badge
        QTest::newRow("no yesterday") << 3600.0 << std::optional<double>() << QString();
        QTest::newRow("yesterday zero") << 3600.0 << std::optional<double>(0) << QString();
        QTest::newRow("yesterday negative") << 3600.0 << std::optional<double>(-5) << QString();
        QTest::newRow("2 h against 1 h 36 min") << 7200.0 << std::optional<double>(5760) << "+25%";
        QTest::newRow("nothing today") << 0.0 << std::optional<double>(3600) << "-100%";
        QTest::newRow("same") << 3600.0 << std::optional<double>(3600) << "+0%";
        QTest::newRow("rounds to nearest") << 3618.0 << std::optional<double>(3600) << "+1%";
        QTest::newRow("40 % less") << 2160.0 << std::optional<double>(3600) << "-40%";
    }

    void trendAgainstYesterday()
    {
        QFETCH(double, today);
        QFETCH(std::optional<double>, yesterday);
        QFETCH(QString, trend);
        const auto text = DashboardModel::trendText(today, yesterday);
        QCOMPARE(text.value_or(QString()), trend);
        QCOMPARE(text.has_value(), !trend.isEmpty());
    }

    void fatigueFigureRoundsHalfAwayFromZero_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0.0 << "0%";
        QTest::newRow("68.5") << 68.5 << "69%";
        QTest::newRow("99.6") << 99.6 << "100%";
        QTest::newRow("0.4") << 0.4 << "0%";
    }

    void fatigueFigureRoundsHalfAwayFromZero()
    {
        QFETCH(double, percent);
        QFETCH(QString, text);
        QCOMPARE(DashboardModel::fatigueText(percent), text);
    }

    void ruleChipsSummariseTheRule()
    {
        AppSettings settings;
        settings.rule.workSeconds = 2730;
        settings.rule.restSeconds = 90;
        settings.nagIntervalSeconds = 180;
        auto chips = DashboardModel::ruleChips(settings);
        QCOMPARE(chips[0], (DashboardModel::RuleChip{"timer", "工作", "45 分钟"}));
        QCOMPARE(chips[1], (DashboardModel::RuleChip{"pause.circle", "休息", "1 分 30 秒"}));
        QCOMPARE(chips[2], (DashboardModel::RuleChip{"bell", "间隔", "3 分钟"}));
        QCOMPARE(chips[3], (DashboardModel::RuleChip{"video", "会议/观影", "关闭"}));
        settings.rule.restSeconds = 300;
        settings.movieMode = true;
        chips = DashboardModel::ruleChips(settings);
        QCOMPARE(chips[1].value, QStringLiteral("5 分 0 秒"));
        QCOMPARE(chips[3].value, QStringLiteral("开启"));
    }

    void displayModeToggleChangesOnlyTheTheme()
    {
        AppSettings settings;
        settings.movieMode = true;
        settings.theme = ThemeMode::system;
        AppSettings toggled = DashboardModel::toggleDisplayMode(settings);
        QCOMPARE(toggled.theme, ThemeMode::dark);
        toggled.theme = ThemeMode::system;
        QCOMPARE(toggled, settings);
        settings.theme = ThemeMode::dark;
        QCOMPARE(DashboardModel::toggleDisplayMode(settings).theme, ThemeMode::light);
        settings.theme = ThemeMode::light;
        QCOMPARE(DashboardModel::toggleDisplayMode(settings).theme, ThemeMode::dark);
    }

    void aboutTextEndsWithTheContact()
    {
        const QStringList lines = DashboardModel::aboutText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines.at(0).startsWith(QStringLiteral("· 持续工作会累积疲劳值")));
        QVERIFY(lines.at(4).isEmpty());
        QCOMPARE(lines.at(5), QStringLiteral("联系开发者：") + DashboardModel::kContactAddress);
    }

    void chartPlotsEachHourUpToNow_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QList<double>>("plotted");
        QTest::addColumn<QList<int>>("dots");
        QTest::newRow("just after midnight") << QList<double>(24, 40) << 0 << QList<double>{40} << QList<int>{100};
        QTest::newRow("empty list at 10")
            << QList<double>() << 10 << QList<double>(11, 0) << (QList<int>(10, 0) << 100);
        QTest::newRow("clamped") << QList<double>{130, -5, 0.5, 0} << 3 << QList<double>{100, 0, 0.5, 0}
                                 << QList<int>{32, 0, 32, 100};
        QTest::newRow("late evening") << QList<double>(24, 10) << 23 << QList<double>(24, 10)
                                      << (QList<int>(23, 32) << 100);
        QTest::newRow("not a number") << QList<double>{std::numeric_limits<double>::quiet_NaN()} << 1
                                      << QList<double>{0, 0} << QList<int>{0, 100};
    }

    void chartPlotsEachHourUpToNow()
    {
        QFETCH(QList<double>, values);
        QFETCH(int, hour);
        QFETCH(QList<double>, plotted);
        QFETCH(QList<int>, dots);
        const QList<UsagePoint> points = UsageChartData::points(values, hour);
        QCOMPARE(points.size(), plotted.size());
        for (int i = 0; i < points.size(); ++i) {
            QCOMPARE(points.at(i).hour, i);
            QCOMPARE(points.at(i).value, plotted.at(i));
            QCOMPARE(UsageChartData::symbolSize(points.at(i), hour), dots.at(i));
        }
        // Dots keep the ratio of their areas.
        QVERIFY(qAbs(UsageChartData::symbolDiameter(100) / UsageChartData::symbolDiameter(32) - std::sqrt(100.0 / 32)) <
                1e-9);
    }

    void numberBindingsClamp_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint64>("before");
        QTest::addColumn<qint64>("typed");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("work 0") << "work" << 2700LL << 0LL << 60LL;
        QTest::newRow("work 1000") << "work" << 2700LL << 1000LL << 36000LL;
        QTest::newRow("work drops odd seconds") << "work" << 2730LL << 46LL << 2760LL;
        QTest::newRow("work negative") << "work" << 2700LL << -5LL << 60LL;
        QTest::newRow("work huge") << "work" << 2700LL << std::numeric_limits<qint64>::max() << 36000LL;
        QTest::newRow("rest minutes 0 raised to 10 s") << "restMinutes" << 180LL << 0LL << 10LL;
        QTest::newRow("rest minutes 2") << "restMinutes" << 180LL << 2LL << 120LL;
        QTest::newRow("rest minutes keep seconds") << "restMinutes" << 185LL << 70LL << 3605LL;
        QTest::newRow("rest seconds 75") << "restSeconds" << 185LL << 75LL << 239LL;
        QTest::newRow("rest seconds 0 of 0 minutes") << "restSeconds" << 45LL << 0LL << 10LL;
        QTest::newRow("rest seconds negative") << "restSeconds" << 185LL << -3LL << 180LL;
        QTest::newRow("nag 0") << "nag" << 180LL << 0LL << 60LL;
        QTest::newRow("nag 500") << "nag" << 180LL << 500LL << 7200LL;
        QTest::newRow("nag most negative") << "nag" << 180LL << std::numeric_limits<qint64>::min() << 60LL;
    }

    void numberBindingsClamp()
    {
        QFETCH(QString, field);
        QFETCH(qint64, before);
        QFETCH(qint64, typed);
        QFETCH(qint64, stored);
        using namespace SettingsBindings;
        AppSettings settings;
        if (field == QLatin1String("work")) {
            settings.rule.workSeconds = before;
            QCOMPARE(withWorkMinutes(settings, typed).rule.workSeconds, stored);
        } else if (field == QLatin1String("restMinutes")) {
            QCOMPARE(withRestMinutes(withRest(before), typed).rule.restSeconds, stored);
        } else if (field == QLatin1String("restSeconds")) {
            QCOMPARE(withRestSeconds(withRest(before), typed).rule.restSeconds, stored);
        } else {
            settings.nagIntervalSeconds = before;
            QCOMPARE(withNagMinutes(settings, typed).nagIntervalSeconds, stored);
        }
    }

    void numberBindingsRead()
    {
        AppSettings settings = withRest(185);
        settings.rule.workSeconds = 2730;
        QCOMPARE(SettingsBindings::workMinutes(settings), 45);
        QCOMPARE(SettingsBindings::restMinutes(settings), 3);
        QCOMPARE(SettingsBindings::restSeconds(settings), 5);
        QCOMPARE(SettingsBindings::nagMinutes(settings), 3);
    }

    void numberFieldTakesOnlyIntegers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint64>>("value");
        QTest::newRow("plain") << "zh_CN"
                               << "46" << std::optional<qint64>(46);
        QTest::newRow("spaces") << "zh_CN"
                                << " 7 " << std::optional<qint64>(7);
        QTest::newRow("negative") << "zh_CN"
                                  << "-5" << std::optional<qint64>(-5);
        QTest::newRow("grouped") << "en_US"
                                 << "1,000" << std::optional<qint64>(1000);
        QTest::newRow("German grouping") << "de_DE"
                                         << "1.000" << std::optional<qint64>(1000);
        QTest::newRow("huge saturates") << "zh_CN"
                                        << "123456789012345678901234567890"
                                        << std::optional<qint64>(std::numeric_limits<qint64>::max());
        QTest::newRow("huge negative") << "zh_CN"
                                       << "-99999999999999999999"
                                       << std::optional<qint64>(std::numeric_limits<qint64>::min());
        QTest::newRow("text") << "zh_CN"
                              << "abc" << std::optional<qint64>();
        QTest::newRow("fraction") << "zh_CN"
                                  << "4.5" << std::optional<qint64>();
        QTest::newRow("empty") << "zh_CN"
                               << "" << std::optional<qint64>();
        QTest::newRow("trailing text") << "zh_CN"
                                       << "12分" << std::optional<qint64>();
    }

    void numberFieldTakesOnlyIntegers()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(std::optional<qint64>, value);
        QCOMPARE(NumberField::parse(text, QLocale(locale)), value);
    }

    void importCopiesPrivatelyAndKeepsOnlyTheNewest()
    {
        QTemporaryDir root;
        RecordingSystemLog log;
        const QString folder = root.filePath(QStringLiteral("data/Tavrin/backgrounds"));
        const QString png = root.filePath(QStringLiteral("sunrise.png"));
        const QString bare = root.filePath(QStringLiteral("noextension"));
        writeFile(png, "png bytes");
        writeFile(bare, "raw bytes");

        const auto first = BackgroundImport::importImage(png, folder, 1700000000, log);
        QCOMPARE(first.value_or(QString()), folder + QStringLiteral("/background-1700000000.png"));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(*first).permissions() & others, QFile::Permissions());
        QCOMPARE(QFileInfo(folder).permissions() & others, QFile::Permissions());

        const auto second = BackgroundImport::importImage(bare, folder, 1700000060, log);
        QCOMPARE(second.value_or(QString()), folder + QStringLiteral("/background-1700000060.img"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("background-1700000060.img")});
        QFile copy(*second);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("raw bytes"));
        QVERIFY(log.lines.isEmpty());
        // The original stays where it was.
        QVERIFY(QFile::exists(bare));
    }

    void importFailuresAreLoggedAndYieldNothing()
    {
        QTemporaryDir root;
        RecordingSystemLog log;
        const QString png = root.filePath(QStringLiteral("a.png"));
        writeFile(png, "png");

        // A missing source.
        QVERIFY(!BackgroundImport::importImage(root.filePath(QStringLiteral("gone.png")),
                                               root.filePath(QStringLiteral("bg")), 1, log));
        QCOMPARE(log.count(BackgroundImport::kFailure), 1);

        // A folder that cannot be made: its parent is a file (root cannot get past that either).
        const QString blocker = root.filePath(QStringLiteral("file"));
        writeFile(blocker, "x");
        QVERIFY(!BackgroundImport::importImage(png, blocker + QStringLiteral("/backgrounds"), 1, log));
        QCOMPARE(log.count(BackgroundImport::kFailure), 2);

        // An unreadable source (root reads anything, so only for other users).
        if (::geteuid() != 0) {
            QFile::setPermissions(png, QFile::WriteOwner);
            QVERIFY(!BackgroundImport::importImage(png, root.filePath(QStringLiteral("bg")), 1, log));
            QCOMPARE(log.count(BackgroundImport::kFailure), 3);
        }
    }

    void missingImagesFallBack()
    {
        QVERIFY(!AppAssets::loadImage(QStringLiteral(":/nowhere/logo.png")));
        QTemporaryDir root;
        const QString broken = root.filePath(QStringLiteral("logo.png"));
        writeFile(broken, "not a png");
        QVERIFY(!AppAssets::loadImage(broken));
        // The tray still gets a visible icon.
        QVERIFY(!AppAssets::statusBarIcon(broken).isNull());
        QVERIFY(AppAssets::logo().has_value());
        QVERIFY(!AppAssets::statusBarIcon().pixmap(22).isNull());
    }
};

QTEST_MAIN(UiModelTest)
#include "tst_uimodel.moc"
