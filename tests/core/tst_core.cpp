// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"
#include "FakeClock.h"
#include "FatigueEngine.h"
#include "GuidedMoves.h"
#include "LocalCalendar.h"
#include "ManualScheduler.h"
#include "MemoryUserDefaults.h"
#include "OwnTranslation.h"
#include "RecordingSystemLog.h"
#include "SettingsStore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTest>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(AppSettings)
Q_DECLARE_METATYPE(RuleConfig)

namespace {

QDateTime utc(const char* iso)
{
    return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate);
}

} // namespace

// The settings record and its store, the fatigue engine and local calendar days.
class CoreTest : public QObject
{
    Q_OBJECT

private slots:
    // The desktop's language read as gettext reads it, and the setting over it.
    void theLanguageFollowsTheDesktopUnlessChosen()
    {
        const auto chinese = [](const QHash<QByteArray, QByteArray>& environment, const QString& choice = {}) {
            return OwnTranslation::isChinese(choice, [&](const char* name) { return environment.value(name); });
        };
        QVERIFY(chinese({{"LANG", "zh_CN.UTF-8"}}) && chinese({{"LANG", "zh_TW.UTF-8"}}) && !chinese({{"LANG", "C"}}));
        QVERIFY(!chinese({{"LANG", "en_US.UTF-8"}}) && !chinese({{"LANG", "de_DE.UTF-8"}}) && !chinese({}));
        QVERIFY(chinese({{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}) &&
                !chinese({{"LC_MESSAGES", "zh_CN.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}}));
        QVERIFY(chinese({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", ":zh_CN:de"}}));
        QVERIFY2(!chinese({{"LC_ALL", "C"}, {"LANGUAGE", "zh_CN"}}), "the C locale ignores LANGUAGE");
        QVERIFY(chinese({{"LANG", "C.UTF-8"}, {"LANGUAGE", "zh_CN"}}));
        QVERIFY(chinese({{"LANG", "de_DE.UTF-8"}}, QStringLiteral("zh_CN")) &&
                !chinese({{"LANG", "zh_CN.UTF-8"}}, QStringLiteral("en")) &&
                chinese({{"LANG", "zh_CN.UTF-8"}}, QStringLiteral("system")));
    }

    void everySettingSurvivesTheStoredForm()
    {
        AppSettings s;
        s.launchAtStartup = s.showTodayInStatusBar = s.showDockIcon = s.movieMode = true;
        s.showStatusBarIcon = s.notificationEnabled = s.notifyBeforeOverlay = s.playSoundOnEnd = s.showSkipButton =
            false;
        s.reminderStyle = ReminderStyle::banner;
        s.overlayBackground = OverlayBackgroundStyle::custom;
        s.overlayBackgroundImagePath = QStringLiteral("/home/ann/海边 100%.png");
        s.theme = ThemeMode::dark;
        s.rule = RuleConfig{1500, 300, QStringLiteral("起来走走 \"quoted\" \\ /")};
        s.nagIntervalSeconds = 9'000'000'000LL; // beyond 32 bits
        s.postponeMinutes = 15;
        s.pausedUntil = 4'102'444'800LL;
        s.quietDuringCalls = s.quietDuringFullScreen = s.startBreakAtPause = s.guideDuringBreak = true;
        s.excludedMoves = {QStringLiteral("turn"), QStringLiteral("未来的动作")};
        s.microPauses = true;
        s.microPauseMinutes = 15;
        s.microPauseSeconds = 30;
        s.language = LanguageChoice::english;
        QCOMPARE(AppSettings::fromJson(s.toJson()), std::optional(s));
        // The stored form, byte for byte: records written by earlier and later versions read the same.
        const QByteArray storedForm(
            R"({"excludedMoves":["turn","未来的动作"],"guideDuringBreak":true,"language":"en",)"
            R"("launchAtStartup":true,"microPauseMinutes":15,"microPauseSeconds":30,"microPauses":true,)"
            R"("movieMode":true,"nagIntervalSeconds":9000000000,)"
            R"("notificationEnabled":false,"notifyBeforeOverlay":false,)"
            R"("overlayBackground":"custom","overlayBackgroundImagePath":"/home/ann/海边 100%.png",)"
            R"("pausedUntil":4102444800,"playSoundOnEnd":false,"postponeMinutes":15,)"
            R"("quietDuringCalls":true,"quietDuringFullScreen":true,"reminderStyle":"banner",)"
            "\"rule\":{\"breakMessage\":\"起来走走 \\\"quoted\\\" \\\\ /\",\"restSeconds\":300,"
            R"("workSeconds":1500},"showDockIcon":true,"showSkipButton":false,)"
            R"("showStatusBarIcon":false,"showTodayInStatusBar":true,"startBreakAtPause":true,)"
            R"("theme":"dark"})");
        QCOMPARE(s.toJson(), storedForm);

        // Enumerations as their raw values; no path member while there is no path.
        const QJsonObject defaults = QJsonDocument::fromJson(AppSettings().toJson()).object();
        QVERIFY(!defaults.contains(QStringLiteral("overlayBackgroundImagePath")));
        QCOMPARE(defaults.value(QStringLiteral("reminderStyle")).toString(), QStringLiteral("fullscreen"));
        QCOMPARE(defaults.value(QStringLiteral("overlayBackground")).toString(), QStringLiteral("default"));
    }

    void lenientDecoding_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<AppSettings>("decoded");
        AppSettings meeting;
        meeting.movieMode = true;
        AppSettings reordered;
        reordered.rule = RuleConfig{10, 5, QStringLiteral("m")};
        reordered.nagIntervalSeconds = 60;
        QTest::newRow("empty object") << QByteArray("{}") << AppSettings();
        QTest::newRow("nulls take defaults") << QByteArray(R"({"movieMode":null,"rule":null})") << AppSettings();
        QTest::newRow("unknown members") << QByteArray(R"({"movieMode":true,"future":[1]})") << meeting;
        QTest::newRow("any order, integral double")
            << QByteArray(R"({"nagIntervalSeconds":60.0,"rule":{"breakMessage":"m","restSeconds":5,"workSeconds":10}})")
            << reordered;
    }

    void lenientDecoding()
    {
        QFETCH(QByteArray, stored);
        QFETCH(AppSettings, decoded);
        QCOMPARE(AppSettings::fromJson(stored), std::optional(decoded));
    }

    void aBadMemberFailsTheWholeRecord_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("not JSON") << QByteArray("movieMode=true");
        QTest::newRow("array") << QByteArray("[true]");
        QTest::newRow("number for a boolean") << QByteArray(R"({"movieMode":1})");
        QTest::newRow("unknown style") << QByteArray(R"({"movieMode":true,"reminderStyle":"popup"})");
        QTest::newRow("theme of other case") << QByteArray(R"({"theme":"Dark"})");
        QTest::newRow("number for a path") << QByteArray(R"({"overlayBackgroundImagePath":5})");
        QTest::newRow("fractional integer") << QByteArray(R"({"nagIntervalSeconds":1.5})");
        QTest::newRow("integer out of range") << QByteArray(R"({"nagIntervalSeconds":1e30})");
        QTest::newRow("rule without message") << QByteArray(R"({"rule":{"workSeconds":1,"restSeconds":1}})");
        QTest::newRow("rule not an object") << QByteArray(R"({"rule":[]})");
    }

    void aBadMemberFailsTheWholeRecord()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(!AppSettings::fromJson(stored));
    }

    // The members added after the first release cost only themselves when malformed, and a stored value at
    // the ends of the range is held to the choices without overflowing.
    void aMalformedNewerMemberCostsOnlyItself_data()
    {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<qint64>("postponeMinutes");
        QTest::addColumn<bool>("malformed");
        QTest::newRow("pause until a word") << QByteArray(R"("pausedUntil":"tomorrow")") << 5LL << true;
        QTest::newRow("pause until a fraction") << QByteArray(R"("pausedUntil":1.5)") << 5LL << true;
        QTest::newRow("pause until 1e300") << QByteArray(R"("pausedUntil":1e300)") << 5LL << true;
        QTest::newRow("postpone as text") << QByteArray(R"("postponeMinutes":"5")") << 5LL << true;
        QTest::newRow("quiet as a number") << QByteArray(R"("quietDuringCalls":1)") << 5LL << true;
        QTest::newRow("start at a pause as text") << QByteArray(R"("startBreakAtPause":"yes")") << 5LL << true;
        QTest::newRow("a move left out by number") << QByteArray(R"("excludedMoves":["turn",3])") << 5LL << true;
        QTest::newRow("postpone at the lowest")
            << QByteArray(R"("postponeMinutes":-9223372036854775808)") << 1LL << false;
        QTest::newRow("postpone at the highest")
            << QByteArray(R"("postponeMinutes":9223372036854775807)") << 15LL << false;
        QTest::newRow("postpone between two") << QByteArray(R"("postponeMinutes":8)") << 10LL << false;
    }

    void aMalformedNewerMemberCostsOnlyItself()
    {
        QFETCH(QByteArray, member);
        QFETCH(qint64, postponeMinutes);
        QFETCH(bool, malformed);
        MemoryUserDefaults defaults;
        const QByteArray stored =
            R"({"rule":{"workSeconds":1500,"restSeconds":300,"breakMessage":"走走"},"reminderStyle":"banner",)" +
            member + '}';
        defaults.setData(SettingsStore::kKey, stored);
        RecordingSystemLog log;
        SettingsStore store(defaults, &log);
        QCOMPARE(store.settings().rule, (RuleConfig{1500, 300, QStringLiteral("走走")}));
        QCOMPARE(store.settings().reminderStyle, ReminderStyle::banner);
        QCOMPARE(store.settings().pausedUntil, std::nullopt);
        QCOMPARE(store.settings().postponeMinutes, postponeMinutes);
        QCOMPARE(log.count(SettingsStore::kIgnoredMembers), malformed ? 1 : 0);
        if (malformed) {
            QVERIFY2(log.lines.first().endsWith(QString::fromUtf8(member.mid(1, member.indexOf(':') - 2))),
                     qPrintable(log.lines.first()));
        }
        QCOMPARE(defaults.data(SettingsStore::kKey), std::optional(stored));
    }

    void theStoreWritesOnlyChangesAndKeepsWhatItCannotRead_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("nothing") << QVariant();
        QTest::newRow("not JSON") << QVariant(QByteArray("{{{"));
        QTest::newRow("bad rule") << QVariant(QByteArray(R"({"movieMode":true,"rule":{"workSeconds":1}})"));
        QTest::newRow("text, not data") << QVariant(QStringLiteral(R"({"movieMode":true})"));
    }

    void theStoreWritesOnlyChangesAndKeepsWhatItCannotRead()
    {
        QFETCH(QVariant, stored);
        MemoryUserDefaults defaults;
        if (stored.isValid()) {
            defaults.setRaw(SettingsStore::kKey, stored);
        }
        SettingsStore store(defaults);
        QVERIFY(store.settings() == AppSettings::factoryDefaults());
        store.setSettings(AppSettings::factoryDefaults());
        QCOMPARE(defaults.writeCount(), 0);
        QCOMPARE(defaults.raw(SettingsStore::kKey), stored);

        AppSettings changed = store.settings();
        changed.theme = ThemeMode::light;
        store.setSettings(changed);
        QVERIFY(SettingsStore(defaults).settings() == changed);
        // Bytes that did not decode are kept aside before the first write replaces them, once.
        const bool unreadable = stored.typeId() == QMetaType::QByteArray;
        QCOMPARE(defaults.raw(SettingsStore::kUnreadableKey), unreadable ? stored : QVariant());
        QCOMPARE(defaults.writeCount(), unreadable ? 2 : 1);
        changed.theme = ThemeMode::dark;
        store.setSettings(changed);
        QCOMPARE(defaults.writeCount(), unreadable ? 3 : 2);
    }

    // A hand-edited record cannot lock the user into back-to-back breaks or stall the tick; what is stored
    // stays as it was until the user changes a setting.
    void storedValuesAreHeldToTheLimitsWithoutBeingRewritten_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<RuleConfig>("rule");
        QTest::addColumn<qint64>("nagInterval");
        const QString emoji = QStringLiteral("颈").repeated(499) + QStringLiteral("\U0001F600");
        QTest::newRow("zero and negative periods")
            << QByteArray(R"({"rule":{"workSeconds":0,"restSeconds":-5,"breakMessage":"m"},"nagIntervalSeconds":0})")
            << RuleConfig{10, 10, QStringLiteral("m")} << 10LL;
        QTest::newRow("huge periods") << QByteArray(R"({"rule":{"workSeconds":9000000000000,"restSeconds":86400,)"
                                                    R"("breakMessage":"m"},"nagIntervalSeconds":9000000000000})")
                                      << RuleConfig{36000, 3659, QStringLiteral("m")} << 7200LL;
        QTest::newRow("a message of 10 MiB")
            << (R"({"rule":{"workSeconds":60,"restSeconds":60,"breakMessage":")" + QByteArray(10 << 20, 'x') + R"("}})")
            << RuleConfig{60, 60, QString(500, u'x')} << 180LL;
        QTest::newRow("no half emoji at the cut")
            << (R"({"rule":{"workSeconds":60,"restSeconds":60,"breakMessage":")" + emoji.toUtf8() + R"("}})")
            << RuleConfig{60, 60, emoji.left(499)} << 180LL;
    }

    void storedValuesAreHeldToTheLimitsWithoutBeingRewritten()
    {
        QFETCH(QByteArray, stored);
        QFETCH(RuleConfig, rule);
        QFETCH(qint64, nagInterval);
        MemoryUserDefaults defaults;
        defaults.setData(SettingsStore::kKey, stored);
        const SettingsStore store(defaults);
        QCOMPARE(store.settings().rule, rule);
        QCOMPARE(store.settings().nagIntervalSeconds, nagInterval);
        QCOMPARE(defaults.data(SettingsStore::kKey), std::optional(stored));
        QCOMPARE(defaults.writeCount(), 1); // the test's own
    }

    // A hand-edited list of moves or image path of megabytes is dropped, not kept in memory: no move id or
    // path is that long.
    void membersOfMegabytesAreDropped()
    {
        const QByteArray huge(10 << 20, 'x');
        MemoryUserDefaults defaults;
        defaults.setData(SettingsStore::kKey, R"({"excludedMoves":["chin-tuck",")" + huge +
                                                  R"("],"overlayBackgroundImagePath":")" + huge + R"("})");
        const SettingsStore store(defaults);
        QCOMPARE(store.settings().excludedMoves, QStringList{QStringLiteral("chin-tuck")});
        QVERIFY(!store.settings().overlayBackgroundImagePath);
    }

    void fatigueSteps_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<qint64>("work");
        QTest::addColumn<qint64>("rest");
        QTest::addColumn<double>("percent"); // from 60 % and 100 s of continuous work
        QTest::addColumn<double>("continuous");
        const int working = int(FatigueMode::working);
        const int resting = int(FatigueMode::resting);
        const int idle = int(FatigueMode::idle);
        QTest::newRow("work") << working << 27.0 << 2700LL << 180LL << 61.0 << 127.0;
        QTest::newRow("work stops at 100") << working << 3600.0 << 2700LL << 180LL << 100.0 << 3700.0;
        QTest::newRow("no work period counts as 1 s") << working << 1.0 << 0LL << 180LL << 100.0 << 101.0;
        QTest::newRow("0 s of work keeps the stretch") << working << 0.0 << 2700LL << 180LL << 60.0 << 100.0;
        QTest::newRow("a full break clears 100 points") << resting << 90.0 << 2700LL << 180LL << 10.0 << 0.0;
        QTest::newRow("rest stops at 0") << resting << 180.0 << 2700LL << 180LL << 0.0 << 0.0;
        QTest::newRow("negative rest counts as 1 s") << resting << 1.0 << 2700LL << -30LL << 0.0 << 0.0;
        QTest::newRow("away is twenty times slower") << idle << 180.0 << 2700LL << 180LL << 55.0 << 0.0;
        QTest::newRow("0 s away ends the stretch") << idle << 0.0 << 2700LL << 180LL << 60.0 << 0.0;
    }

    void fatigueSteps()
    {
        QFETCH(int, mode);
        QFETCH(double, seconds);
        QFETCH(qint64, work);
        QFETCH(qint64, rest);
        QFETCH(double, percent);
        QFETCH(double, continuous);
        FatigueEngine engine;
        engine.setState({60, 100, FatigueMode::working});
        engine.advance(FatigueMode(mode), seconds, RuleConfig{work, rest, QString()});
        QCOMPARE(engine.state(), (FatigueState{percent, continuous, FatigueMode(mode)}));
    }

    void finishingABreak_data()
    {
        QTest::addColumn<double>("before");
        QTest::addColumn<bool>("skipped");
        QTest::addColumn<double>("after");
        QTest::newRow("skipped at 90") << 90.0 << true << 70.0;
        QTest::newRow("skipped at 60") << 60.0 << true << 50.0;
        QTest::newRow("skipped at 10 never leaves less than 50") << 10.0 << true << 50.0;
        QTest::newRow("completed") << 100.0 << false << 0.0;
    }

    void finishingABreak()
    {
        QFETCH(double, before);
        QFETCH(bool, skipped);
        QFETCH(double, after);
        FatigueEngine engine;
        engine.setState({before, 1234, FatigueMode::resting});
        engine.finishBreak(skipped);
        QCOMPARE(engine.state(), (FatigueState{after, 0, FatigueMode::idle}));
    }

    void dayKeysAndHours_data()
    {
        QTest::addColumn<QDateTime>("instant");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("hour");
        QTest::newRow("utc") << utc("2025-03-01T08:30:00Z") << QByteArray("UTC") << "2025-03-01" << 8;
        QTest::newRow("ahead crosses midnight")
            << utc("2025-03-01T23:30:00Z") << QByteArray("Asia/Shanghai") << "2025-03-02" << 7;
        QTest::newRow("behind") << utc("2025-03-01T02:00:00Z") << QByteArray("America/New_York") << "2025-02-28" << 21;
        QTest::newRow("Berlin summer time")
            << utc("2026-06-30T22:15:00Z") << QByteArray("Europe/Berlin") << "2026-07-01" << 0;
        QTest::newRow("unknown zone is UTC")
            << utc("2025-03-01T08:30:00Z") << QByteArray("Not/AZone") << "2025-03-01" << 8;
    }

    void dayKeysAndHours()
    {
        QFETCH(QDateTime, instant);
        QFETCH(QByteArray, zone);
        QFETCH(QString, key);
        QFETCH(int, hour);
        // Arabic locales print Eastern Arabic digits by default; day keys must not.
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const LocalCalendar calendar{QTimeZone(zone)};
        QCOMPARE(calendar.dayKey(instant), key);
        QCOMPARE(calendar.hour(instant), hour);
        QLocale::setDefault(QLocale::c());
    }

    // Work that belongs to an object runs only while the object is there.
    void tasksOfAnObjectGoWithIt()
    {
        FakeClock clock;
        ManualScheduler scheduler(clock);
        int runs = 0;
        auto owner = std::make_unique<QObject>();
        scheduler.post(owner.get(), [&runs] { ++runs; });
        scheduler.runAfter(1s, owner.get(), [&runs] { ++runs; });
        scheduler.repeatEvery(1s, owner.get(), [&runs] { ++runs; });
        scheduler.advance(1s);
        QCOMPARE(runs, 3);
        scheduler.post(owner.get(), [&runs] { ++runs; });
        scheduler.runAfter(1s, owner.get(), [&runs] { ++runs; });
        owner.reset();
        scheduler.advance(5s);
        QCOMPARE(runs, 3);
    }

    // "move:seconds×repetitions" per step, then where the next routine starts.
    void theGuidedRoutineFillsTheRestPeriod_data()
    {
        QTest::addColumn<double>("rest");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QStringList>("excluded");
        QTest::addColumn<QString>("routine");
        QTest::newRow("10 s: one short move") << 10.0 << 0 << QStringList{} << "chin-tuck:10×1 →1";
        QTest::newRow("20 s: one move") << 20.0 << 0 << QStringList{} << "chin-tuck:20×3 →1";
        QTest::newRow("60 s: two") << 60.0 << 0 << QStringList{} << "chin-tuck:30×5 side-bend:30×2 →2";
        QTest::newRow("3 min: six of 30 s")
            << 180.0 << 0 << QStringList{}
            << "chin-tuck:30×5 side-bend:30×2 turn:30×3 shoulder-roll:30×7 shrug:30×6 blade-squeeze:30×5 →6";
        QTest::newRow("45 s: one move takes it all") << 45.0 << 4 << QStringList{} << "shrug:45×9 →5";
        QTest::newRow("on from the rotation, round the end, skipping the moves left out")
            << 90.0 << 7 << QStringList{"diagonal", "chin-tuck"} << "chin-down:30×3 side-bend:30×2 turn:30×3 →3";
        QTest::newRow("every move left out: no routine, the tips instead") << 180.0 << 3 << GuidedMoves::ids() << " →3";
        QTest::newRow("no rest") << 0.0 << 2 << QStringList{} << " →2";
    }

    void theGuidedRoutineFillsTheRestPeriod()
    {
        QFETCH(double, rest);
        QFETCH(int, rotation);
        QFETCH(QStringList, excluded);
        QFETCH(QString, routine);
        const GuidedMoves::Routine planned = GuidedMoves::plan(rest, rotation, excluded);
        QStringList steps;
        double end = 0;
        for (const GuidedMoves::Step& step : planned.steps) {
            QCOMPARE(step.start, end); // back to back, from the start of the break
            end = step.start + step.duration;
            steps.append(QStringLiteral("%1:%2×%3")
                             .arg(GuidedMoves::all()[std::size_t(step.move)].id)
                             .arg(step.duration)
                             .arg(step.repetitions));
        }
        QCOMPARE(steps.join(u' ') + QStringLiteral(" →%1").arg(planned.nextRotation), routine);
        QVERIFY(planned.steps.empty() || qFuzzyCompare(planned.length(), rest)); // it ends with the countdown

        // A long rest goes round every move, in order.
        const GuidedMoves::Routine long15 = GuidedMoves::plan(15 * 60, 0, {});
        QCOMPARE(long15.steps.size(), std::size_t(30));
        QCOMPARE(long15.steps[9].move, 0);
    }

    // Gentle by construction: the head never goes back beyond upright nor turns past comfort, shoulders only
    // roll backwards; every repetition starts and ends upright, so moves join without a jump; without
    // animation only the key poses show, at the same count.
    void theGuidedPosesOverTime()
    {
        const GuidedMoves::Routine routine = GuidedMoves::plan(9 * 30, 0, {});
        QCOMPARE(routine.steps.size(), GuidedMoves::all().size());
        double lastRoll = 0;
        for (double t = 0; t < routine.length(); t += 0.1) {
            const GuidedMoves::Frame frame = GuidedMoves::frameAt(routine, t, true);
            const GuidedMoves::Pose& pose = frame.pose;
            QVERIFY2(pose.nod >= 0 && pose.nod <= 1 && pose.tuck >= 0 && std::abs(pose.tilt) <= 30 &&
                         std::abs(pose.turn) <= 0.8,
                     qPrintable(QString::number(t)));
            const GuidedMoves::Step& step = routine.steps[std::size_t(frame.step)];
            if (GuidedMoves::all()[std::size_t(step.move)].id == u"shoulder-roll") {
                QVERIFY(pose.roll >= lastRoll || pose.roll < 0.05);
                lastRoll = pose.roll;
            }
            QVERIFY(frame.repetition >= 1 && frame.repetition <= frame.repetitions);
            const GuidedMoves::Frame still = GuidedMoves::frameAt(routine, t, false);
            QCOMPARE(still.repetition, frame.repetition);
            const auto& keys = GuidedMoves::all()[std::size_t(step.move)].keys;
            QVERIFY(std::ranges::any_of(keys,
                                        [&still](const GuidedMoves::Keyframe& key) { return key.pose == still.pose; }));
        }
        for (const GuidedMoves::Step& step : routine.steps) {
            QCOMPARE(GuidedMoves::frameAt(routine, step.start, true).pose, GuidedMoves::Pose());
            QCOMPARE(GuidedMoves::frameAt(routine, step.start + step.duration - 1e-9, true).repetition,
                     step.repetitions);
        }
        // Eased: slow out of upright (a chin tuck reaches its pose at 30 % of a repetition).
        const double repetition = routine.steps[0].duration / routine.steps[0].repetitions;
        const double quarter = GuidedMoves::frameAt(routine, 0.3 * repetition / 4, true).pose.tuck;
        QVERIFY(quarter > 0 && quarter < 0.1);
        QCOMPARE(GuidedMoves::frameAt(routine, 0.3 * repetition, true).pose.tuck, 1.0);
        QCOMPARE(GuidedMoves::frameAt(routine, 0.3 * repetition / 4, false).pose.tuck, 0.0);
        // Past the end the figure rests upright on the last count.
        const GuidedMoves::Frame after = GuidedMoves::frameAt(routine, routine.length() + 5, true);
        QVERIFY(after.finished && after.pose == GuidedMoves::Pose() && after.repetition == after.repetitions);
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
