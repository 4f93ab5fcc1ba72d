#include "AppSettings.h"
#include "MemoryUserDefaults.h"
#include "SettingsStore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray json(const char* text)
{
    return QByteArray(text);
}

AppSettings everyFieldChanged()
{
    AppSettings s;
    s.launchAtStartup = true;
    s.showStatusBarIcon = false;
    s.showTodayInStatusBar = true;
    s.showDockIcon = true;
    s.notificationEnabled = false;
    s.reminderStyle = ReminderStyle::banner;
    s.notifyBeforeOverlay = false;
    s.playSoundOnEnd = false;
    s.showSkipButton = false;
    s.overlayBackground = OverlayBackgroundStyle::custom;
    s.overlayBackgroundImagePath = QStringLiteral("/home/ann/.local/share/Tavrin/backgrounds/海边 100%.png");
    s.movieMode = true;
    s.theme = ThemeMode::dark;
    s.rule = RuleConfig{1500, 300, QStringLiteral("起来走走 \"quoted\" \\ /")};
    s.nagIntervalSeconds = 9'000'000'000LL; // beyond 32 bits
    return s;
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreTheDocumentedValues()
    {
        const AppSettings& d = AppSettings::factoryDefaults();
        QCOMPARE(d.launchAtStartup, false);
        QCOMPARE(d.showStatusBarIcon, true);
        QCOMPARE(d.showTodayInStatusBar, false);
        QCOMPARE(d.showDockIcon, false);
        QCOMPARE(d.notificationEnabled, true);
        QCOMPARE(d.reminderStyle, ReminderStyle::fullscreen);
        QCOMPARE(d.notifyBeforeOverlay, true);
        QCOMPARE(d.playSoundOnEnd, true);
        QCOMPARE(d.showSkipButton, true);
        QCOMPARE(d.overlayBackground, OverlayBackgroundStyle::defaultStyle);
        QVERIFY(!d.overlayBackgroundImagePath);
        QCOMPARE(d.movieMode, false);
        QCOMPARE(d.theme, ThemeMode::system);
        QCOMPARE(d.rule.workSeconds, 2700);
        QCOMPARE(d.rule.restSeconds, 180);
        QCOMPARE(d.rule.breakMessage, QStringLiteral("你已经持续盯着屏幕 45 分钟啦"));
        QCOMPARE(d.nagIntervalSeconds, 180);
    }

    void equalityComparesEveryFieldIncludingTheRule()
    {
        const AppSettings base;
        AppSettings other = base;
        QVERIFY(other == base);
        other.rule.breakMessage += QStringLiteral("!");
        QVERIFY(other != base);
        other = base;
        other.overlayBackgroundImagePath = QString();
        QVERIFY2(other != base, "an empty path is not the same as no path");
    }

    void enumerationsHaveRawValuesTitlesAndPickerOrder()
    {
        QCOMPARE(rawValue(ReminderStyle::banner), QStringLiteral("banner"));
        QCOMPARE(title(ReminderStyle::fullscreen), QStringLiteral("全屏弹窗"));
        QCOMPARE(title(ReminderStyle::banner), QStringLiteral("通知横幅"));
        QCOMPARE(rawValue(OverlayBackgroundStyle::defaultStyle), QStringLiteral("default"));
        QCOMPARE(title(OverlayBackgroundStyle::defaultStyle), QStringLiteral("默认"));
        QCOMPARE(title(OverlayBackgroundStyle::custom), QStringLiteral("自定义"));
        QCOMPARE(title(ThemeMode::system), QStringLiteral("跟随系统"));
        QCOMPARE(title(ThemeMode::light), QStringLiteral("浅色"));
        QCOMPARE(title(ThemeMode::dark), QStringLiteral("深色"));

        const auto themes = allCases<ThemeMode>();
        QCOMPARE(themes.size(), std::size_t(3));
        QCOMPARE(themes[0], ThemeMode::system);
        QCOMPARE(themes[2], ThemeMode::dark);
        QCOMPARE(fromRawValue<ThemeMode>(u"dark"), std::optional(ThemeMode::dark));
        QVERIFY(!fromRawValue<ThemeMode>(u"Dark"));
        QVERIFY(!fromRawValue<ThemeMode>(u""));
    }

    void everyFieldSurvivesARoundTrip()
    {
        const AppSettings original = everyFieldChanged();
        const auto decoded = AppSettings::fromJson(original.toJson());
        QVERIFY(decoded);
        QVERIFY(*decoded == original);
        QVERIFY(*AppSettings::fromJson(AppSettings().toJson()) == AppSettings());
    }

    void jsonFormUsesRawValuesAndOmitsAnAbsentPath()
    {
        const QByteArray data = AppSettings().toJson();
        QVERIFY2(!data.contains('\n'), "compact output");
        const QJsonObject object = QJsonDocument::fromJson(data).object();
        QCOMPARE(object.size(), 14);
        QVERIFY(!object.contains(QStringLiteral("overlayBackgroundImagePath")));
        QCOMPARE(object.value(QStringLiteral("reminderStyle")).toString(), QStringLiteral("fullscreen"));
        QCOMPARE(object.value(QStringLiteral("overlayBackground")).toString(), QStringLiteral("default"));
        QCOMPARE(object.value(QStringLiteral("nagIntervalSeconds")).toVariant().typeId(), int(QMetaType::LongLong));
        const QJsonObject rule = object.value(QStringLiteral("rule")).toObject();
        QCOMPARE(rule.value(QStringLiteral("workSeconds")).toInteger(), 2700);
        QCOMPARE(rule.value(QStringLiteral("breakMessage")).toString(), QStringLiteral("你已经持续盯着屏幕 45 分钟啦"));

        AppSettings withPath;
        withPath.overlayBackgroundImagePath = QStringLiteral("/tmp/a.png");
        const QJsonObject written = QJsonDocument::fromJson(withPath.toJson()).object();
        QCOMPARE(written.value(QStringLiteral("overlayBackgroundImagePath")).toString(), QStringLiteral("/tmp/a.png"));
    }

    void lenientDecoding_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("movieMode");
        QTest::addColumn<qint64>("workSeconds");
        QTest::addColumn<qint64>("nagInterval");

        QTest::newRow("empty object") << json("{}") << false << qint64(2700) << qint64(180);
        QTest::newRow("only movieMode") << json(R"({"movieMode":true})") << true << qint64(2700) << qint64(180);
        QTest::newRow("null members take defaults")
            << json(R"({"movieMode":null,"rule":null,"overlayBackgroundImagePath":null})") << false << qint64(2700)
            << qint64(180);
        QTest::newRow("unknown members are ignored")
            << json(R"({"movieMode":true,"futureOption":[1,2],"launchAtLogin":"x"})") << true << qint64(2700)
            << qint64(180);
        QTest::newRow("members in any order")
            << json(R"({"nagIntervalSeconds":60,"rule":{"breakMessage":"m","restSeconds":5,"workSeconds":10}})")
            << false << qint64(10) << qint64(60);
        QTest::newRow("integral double accepted")
            << json(R"({"nagIntervalSeconds":60.0})") << false << qint64(2700) << qint64(60);
        QTest::newRow("negative values are not clamped")
            << json(R"({"rule":{"workSeconds":-5,"restSeconds":0,"breakMessage":""}})") << false << qint64(-5)
            << qint64(180);
    }

    void lenientDecoding()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, movieMode);
        QFETCH(qint64, workSeconds);
        QFETCH(qint64, nagInterval);
        const auto decoded = AppSettings::fromJson(stored);
        QVERIFY(decoded);
        QCOMPARE(decoded->movieMode, movieMode);
        QCOMPARE(decoded->rule.workSeconds, workSeconds);
        QCOMPARE(decoded->nagIntervalSeconds, nagInterval);
        QCOMPARE(decoded->theme, AppSettings::factoryDefaults().theme);
    }

    void decodingFailsAsAWhole_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("not JSON") << json("movieMode=true");
        QTest::newRow("truncated") << json(R"({"movieMode":tr)");
        QTest::newRow("array") << json("[true]");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("string for a boolean") << json(R"({"movieMode":"true"})");
        QTest::newRow("number for a boolean") << json(R"({"movieMode":1})");
        QTest::newRow("unknown reminder style") << json(R"({"movieMode":true,"reminderStyle":"popup"})");
        QTest::newRow("unknown theme") << json(R"({"theme":"Dark"})");
        QTest::newRow("number for a path") << json(R"({"overlayBackgroundImagePath":5})");
        QTest::newRow("fractional integer") << json(R"({"nagIntervalSeconds":1.5})");
        QTest::newRow("integer out of range") << json(R"({"nagIntervalSeconds":1e30})");
        QTest::newRow("string for an integer") << json(R"({"nagIntervalSeconds":"180"})");
        QTest::newRow("rule without message") << json(R"({"movieMode":true,"rule":{"workSeconds":1,"restSeconds":1}})");
        QTest::newRow("rule with null member")
            << json(R"({"rule":{"workSeconds":1,"restSeconds":1,"breakMessage":null}})");
        QTest::newRow("rule not an object") << json(R"({"rule":[]})");
    }

    void decodingFailsAsAWhole()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(!AppSettings::fromJson(stored));
    }

    void storeLoadsAndWritesNothingUntilAChange()
    {
        MemoryUserDefaults defaults;
        SettingsStore store(defaults);
        QVERIFY(store.settings() == AppSettings::factoryDefaults());
        QCOMPARE(defaults.writeCount(), 0);
        QVERIFY(!defaults.contains(SettingsStore::kKey));

        QSignalSpy changed(&store, &SettingsStore::settingsChanged);
        store.setSettings(AppSettings::factoryDefaults());
        QCOMPARE(defaults.writeCount(), 0);
        QCOMPARE(changed.count(), 1);

        AppSettings modified = store.settings();
        modified.movieMode = true;
        store.setSettings(modified);
        QCOMPARE(defaults.writeCount(), 1);
        QCOMPARE(changed.count(), 2);
        QVERIFY(store.settings() == modified);

        SettingsStore reloaded(defaults);
        QVERIFY(reloaded.settings() == modified);
    }

    void undecodableDataFallsBackAndStaysUntilTheNextChange_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("not JSON") << QVariant(QByteArray("{{{"));
        QTest::newRow("bad rule") << QVariant(QByteArray(R"({"movieMode":true,"rule":{"workSeconds":1}})"));
        QTest::newRow("not data") << QVariant(QStringLiteral(R"({"movieMode":true})"));
    }

    void undecodableDataFallsBackAndStaysUntilTheNextChange()
    {
        QFETCH(QVariant, stored);
        MemoryUserDefaults defaults;
        defaults.setRaw(SettingsStore::kKey, stored);

        SettingsStore store(defaults);
        QVERIFY(store.settings() == AppSettings::factoryDefaults());
        QCOMPARE(defaults.raw(SettingsStore::kKey), stored);

        AppSettings changed = store.settings();
        changed.theme = ThemeMode::light;
        store.setSettings(changed);
        QVERIFY(*AppSettings::fromJson(*defaults.data(SettingsStore::kKey)) == changed);
    }

    void pathStaysAbsentAcrossASave()
    {
        MemoryUserDefaults defaults;
        defaults.setData(SettingsStore::kKey, json(R"({"theme":"dark"})"));
        SettingsStore store(defaults);
        QVERIFY(!store.settings().overlayBackgroundImagePath);
        AppSettings changed = store.settings();
        changed.showDockIcon = true;
        store.setSettings(changed);
        QVERIFY(!defaults.data(SettingsStore::kKey)->contains("overlayBackgroundImagePath"));
        QVERIFY(!SettingsStore(defaults).settings().overlayBackgroundImagePath);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
