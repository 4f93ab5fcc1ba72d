#include "ActivityMonitor.h"
#include "FakeIdleSource.h"
#include "FatigueEngine.h"

#include <QTest>

namespace {

RuleConfig rule(qint64 work, qint64 rest)
{
    return RuleConfig{work, rest, QStringLiteral("m")};
}

FatigueEngine engineAt(double percent, double continuousWork = 0)
{
    FatigueEngine engine;
    engine.setState({percent, continuousWork, FatigueMode::working});
    return engine;
}

} // namespace

class FatigueTest : public QObject
{
    Q_OBJECT

private slots:
    void modesHaveTheirStatusTexts()
    {
        QCOMPARE(rawValue(FatigueMode::working), QStringLiteral("工作中"));
        QCOMPARE(rawValue(FatigueMode::resting), QStringLiteral("休息中"));
        QCOMPARE(rawValue(FatigueMode::idle), QStringLiteral("空闲"));
        QCOMPARE(fromRawValue<FatigueMode>(u"休息中"), std::optional(FatigueMode::resting));
        QVERIFY(!fromRawValue<FatigueMode>(u"resting"));
        QVERIFY(FatigueEngine().state() == (FatigueState{0, 0, FatigueMode::idle}));
    }

    void aFullWorkPeriodReachesOneHundredAndNeverMore()
    {
        FatigueEngine engine;
        const RuleConfig standard = rule(2700, 180);
        for (int second = 0; second < 2700; ++second) {
            engine.advance(FatigueMode::working, 1, standard);
            QVERIFY(engine.state().percent <= 100.0);
        }
        QVERIFY(qAbs(engine.state().percent - 100.0) < 1e-9);
        QCOMPARE(engine.state().continuousWork, 2700.0);
        QCOMPARE(engine.state().mode, FatigueMode::working);
        engine.advance(FatigueMode::working, 10, standard);
        QCOMPARE(engine.state().percent, 100.0);
    }

    void steps_data()
    {
        QTest::addColumn<double>("startPercent");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<qint64>("work");
        QTest::addColumn<qint64>("rest");
        QTest::addColumn<double>("percent");

        QTest::newRow("full break from 100") << 100.0 << int(FatigueMode::resting) << 180.0 << 2700LL << 180LL << 0.0;
        QTest::newRow("full break from 50 stops at 0")
            << 50.0 << int(FatigueMode::resting) << 180.0 << 2700LL << 180LL << 0.0;
        QTest::newRow("idle is twenty times slower")
            << 80.0 << int(FatigueMode::idle) << 180.0 << 2700LL << 180LL << 75.0;
        QTest::newRow("idle stops at 0") << 1.0 << int(FatigueMode::idle) << 3600.0 << 2700LL << 180LL << 0.0;
        QTest::newRow("zero work period counts as one second")
            << 0.0 << int(FatigueMode::working) << 1.0 << 0LL << 180LL << 100.0;
        QTest::newRow("negative rest period counts as one second")
            << 100.0 << int(FatigueMode::resting) << 1.0 << 2700LL << -30LL << 0.0;
        QTest::newRow("long gap as rest")
            << 60.0 << int(FatigueMode::resting) << 11.0 << 2700LL << 180LL << 60.0 + (-100.0 / 180.0) * 11.0;
    }

    void steps()
    {
        QFETCH(double, startPercent);
        QFETCH(int, mode);
        QFETCH(double, seconds);
        QFETCH(qint64, work);
        QFETCH(qint64, rest);
        QFETCH(double, percent);
        FatigueEngine engine = engineAt(startPercent, 100);
        engine.advance(FatigueMode(mode), seconds, rule(work, rest));
        QCOMPARE(engine.state().percent, percent);
        QCOMPARE(engine.state().mode, FatigueMode(mode));
    }

    void anyInterruptionResetsContinuousWorkEvenForZeroSeconds()
    {
        const RuleConfig standard = rule(2700, 180);
        FatigueEngine engine = engineAt(40, 600);
        engine.advance(FatigueMode::working, 0, standard);
        QCOMPARE(engine.state().continuousWork, 600.0);
        QCOMPARE(engine.state().percent, 40.0);
        engine.advance(FatigueMode::idle, 0, standard);
        QCOMPARE(engine.state().continuousWork, 0.0);

        engine = engineAt(40, 600);
        engine.advance(FatigueMode::resting, 0, standard);
        QCOMPARE(engine.state().continuousWork, 0.0);
        QCOMPARE(engine.state().percent, 40.0);
    }

    void finishingABreak_data()
    {
        QTest::addColumn<double>("before");
        QTest::addColumn<bool>("skipped");
        QTest::addColumn<double>("after");
        QTest::newRow("skipped at 90") << 90.0 << true << 70.0;
        QTest::newRow("skipped at 60") << 60.0 << true << 50.0;
        QTest::newRow("skipped at 10 never leaves less than 50") << 10.0 << true << 50.0;
        QTest::newRow("completed at 100") << 100.0 << false << 0.0;
        QTest::newRow("completed at 10") << 10.0 << false << 0.0;
    }

    void finishingABreak()
    {
        QFETCH(double, before);
        QFETCH(bool, skipped);
        QFETCH(double, after);
        FatigueEngine engine = engineAt(before, 1234);
        engine.finishBreak(skipped);
        QVERIFY(engine.state() == (FatigueState{after, 0, FatigueMode::idle}));
    }

    void activeOnlyWhileIdleTimeIsBelowTheThreshold_data()
    {
        QTest::addColumn<double>("idleSeconds");
        QTest::addColumn<bool>("active");
        QTest::newRow("just typed") << 0.0 << true;
        QTest::newRow("29.999 s") << 29.999 << true;
        QTest::newRow("exactly 30 s is away") << 30.0 << false;
        QTest::newRow("ten minutes") << 600.0 << false;
    }

    void activeOnlyWhileIdleTimeIsBelowTheThreshold()
    {
        QFETCH(double, idleSeconds);
        QFETCH(bool, active);
        FakeIdleSource source;
        source.idleSeconds = idleSeconds;
        ActivityMonitor monitor(source);
        QCOMPARE(monitor.idleThreshold(), 30.0);
        QCOMPARE(monitor.idleTime(), idleSeconds);
        QCOMPARE(monitor.isActive(), active);
    }

    void monitorAsksTheSourceAfreshEveryTime()
    {
        FakeIdleSource source;
        ActivityMonitor monitor(source);
        source.idleSeconds = 45;
        QVERIFY(!monitor.isActive());
        source.idleSeconds = 2;
        QVERIFY(monitor.isActive());
        QCOMPARE(source.queries, 2);
    }
};

QTEST_GUILESS_MAIN(FatigueTest)
#include "tst_fatigue.moc"
