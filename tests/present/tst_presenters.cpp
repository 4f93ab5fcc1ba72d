#include "BreakOverlayPresenter.h"
#include "DummyBackends.h"
#include "FakeClock.h"
#include "FakeWindowLayers.h"
#include "ManualScheduler.h"
#include "OverlayTips.h"
#include "ReminderBannerPresenter.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

BreakOptions options(double duration, bool playSound = true)
{
    return {QStringLiteral("你已经持续盯着屏幕 45 分钟啦"), duration, true, playSound, std::nullopt};
}

} // namespace

class PresentersTest : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    std::unique_ptr<ManualScheduler> m_scheduler;
    FakeOverlayWindows m_windows;
    DummySoundPlayer m_sound;
    std::unique_ptr<BreakOverlayPresenter> m_overlay;
    QList<BreakResult> m_results;

    void startBreak(double duration, bool playSound = true)
    {
        m_overlay->show(options(duration, playSound), [this](BreakResult result) { m_results.append(result); });
    }

private slots:
    void init()
    {
        m_scheduler = std::make_unique<ManualScheduler>(m_clock);
        m_windows = FakeOverlayWindows();
        m_sound = DummySoundPlayer();
        m_overlay = std::make_unique<BreakOverlayPresenter>(m_windows, *m_scheduler, m_sound);
        m_results.clear();
    }

    void countdownText_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("300") << 300.0 << "5:00";
        QTest::newRow("59.2 rounds up") << 59.2 << "1:00";
        QTest::newRow("59") << 59.0 << "0:59";
        QTest::newRow("0") << 0.0 << "0:00";
        QTest::newRow("negative") << -3.5 << "0:00";
        QTest::newRow("no hours") << 3725.0 << "62:05";
    }

    void countdownText()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(BreakOverlayPresenter::format(seconds), text);
    }

    void aBreakCountsDownOncePerSecond()
    {
        startBreak(300);
        QCOMPARE(m_windows.opens, 1);
        QVERIFY(m_windows.shown == (OverlayContent{QStringLiteral("5:00"), OverlayTips::kTips[0], 0.0}));
        QVERIFY(m_overlay->hasWindows());
        m_scheduler->advance(1s);
        QCOMPARE(m_windows.shown.countdown, QStringLiteral("4:59"));
        QCOMPARE(m_windows.shown.tip, OverlayTips::kTips[0]);
        QCOMPARE(m_windows.shown.progress, 1.0 / 300);
    }

    void tipsChangeEveryTenSecondsOnTheRoundSeconds_data()
    {
        QTest::addColumn<double>("duration");
        QTest::addColumn<QList<int>>("indexAfterSeconds"); // index after 5, 10, 20, 140, 150 seconds
        QTest::newRow("300 s") << 300.0 << QList<int>{0, 1, 2, 14, 0};
        QTest::newRow("295 s: the first tip only 5 s") << 295.0 << QList<int>{1, 1, 2, 14, 0};
    }

    void tipsChangeEveryTenSecondsOnTheRoundSeconds()
    {
        QFETCH(double, duration);
        QFETCH(QList<int>, indexAfterSeconds);
        startBreak(duration);
        QList<int> seen;
        int elapsed = 0;
        for (const int at : {5, 10, 20, 140, 150}) {
            m_scheduler->advance(std::chrono::seconds(at - elapsed));
            elapsed = at;
            seen.append(m_overlay->tipIndex());
        }
        QCOMPARE(seen, indexAfterSeconds);
        QCOMPARE(m_windows.shown.tip, OverlayTips::kTips[static_cast<std::size_t>(seen.last())]);
    }

    void aCompletedBreakEndsOnceWithTheSound()
    {
        startBreak(3);
        m_scheduler->advance(2s);
        QVERIFY(m_results.isEmpty());
        m_scheduler->advance(1s);
        QCOMPARE(m_results, QList<BreakResult>{BreakResult::completed});
        QCOMPARE(m_windows.shown.countdown, QStringLiteral("0:00"));
        QCOMPARE(m_windows.shown.progress, 1.0);
        QCOMPARE(m_sound.plays, 1);
        QCOMPARE(m_windows.closes, 1);
        QVERIFY(!m_overlay->hasWindows());
        QVERIFY(!m_overlay->isRunning());
        m_scheduler->advance(1min);
        QCOMPARE(m_results.size(), 1);
        QCOMPARE(m_scheduler->pendingCount(), 0);
    }

    void aBreakWithoutLengthCompletesOnTheFirstTick()
    {
        startBreak(0);
        QCOMPARE(m_windows.shown.countdown, QStringLiteral("0:00"));
        QCOMPARE(m_windows.shown.progress, 0.0);
        m_scheduler->advance(999ms);
        QVERIFY(m_results.isEmpty());
        m_scheduler->advance(1ms);
        QCOMPARE(m_results, QList<BreakResult>{BreakResult::completed});
    }

    void aSkipFromAnyDisplayEndsTheBreakOnceAndSilently()
    {
        startBreak(180);
        m_scheduler->advance(30s);
        const auto skipOnSecondDisplay = m_windows.skip;
        skipOnSecondDisplay();
        skipOnSecondDisplay(); // a second click before the windows are gone
        m_scheduler->runDue();
        QCOMPARE(m_results, QList<BreakResult>{BreakResult::skipped});
        QCOMPARE(m_sound.plays, 0);
        QCOMPARE(m_windows.windows, 0);
        m_scheduler->advance(5min);
        QCOMPARE(m_results.size(), 1);
    }

    void noSoundWhenSwitchedOff()
    {
        startBreak(1, false);
        m_scheduler->advance(1s);
        QCOMPARE(m_results, QList<BreakResult>{BreakResult::completed});
        QCOMPARE(m_sound.plays, 0);
    }

    void aSecondBreakIsRefusedAndLeavesTheFirstAlone_data()
    {
        QTest::addColumn<int>("displays");
        QTest::newRow("two displays") << 2;
        QTest::newRow("no display at all") << 0;
    }

    void aSecondBreakIsRefusedAndLeavesTheFirstAlone()
    {
        QFETCH(int, displays);
        m_windows.displays = displays;
        startBreak(10);
        m_scheduler->advance(3s);
        QList<BreakResult> second;
        m_overlay->show(options(60), [&](BreakResult result) { second.append(result); });
        m_scheduler->runDue();
        QCOMPARE(second, QList<BreakResult>{BreakResult::skipped});
        QCOMPARE(m_windows.opens, 1);
        QCOMPARE(m_windows.shown.countdown, QStringLiteral("0:07"));
        // The first caller is not left waiting: its break runs to the end.
        m_scheduler->advance(7s);
        QCOMPARE(m_results, QList<BreakResult>{BreakResult::completed});
        // And the next break can start.
        startBreak(1);
        QCOMPARE(m_windows.opens, 2);
    }

    void theBannerEndsWithItsActionOrItsDismissal()
    {
        FakeBannerWindow window;
        ReminderBannerPresenter banner(window, *m_scheduler);
        int actions = 0;
        int dismissals = 0;
        const BannerContent content{QStringLiteral("该休息一下啦"), std::nullopt, QStringLiteral("立即休息")};
        auto showBanner = [&] {
            banner.show(
                content, 10, [&] { ++actions; }, [&] { ++dismissals; });
        };

        // The action: the caller's action, no dismissal callback.
        showBanner();
        QVERIFY(window.shown);
        window.action();
        QCOMPARE(actions, 1);
        QCOMPARE(dismissals, 0);
        QVERIFY(!window.shown);
        m_scheduler->advance(20s);
        QCOMPARE(dismissals, 0);

        // The close button.
        showBanner();
        window.close();
        QCOMPARE(dismissals, 1);
        m_scheduler->advance(20s);
        QCOMPARE(dismissals, 1);

        // The timeout, exactly at its duration.
        showBanner();
        m_scheduler->advance(9999ms);
        QVERIFY(window.shown);
        m_scheduler->advance(1ms);
        QVERIFY(!window.shown);
        QCOMPARE(dismissals, 2);

        // Replaced by a newer banner: the first hears once, its timeout no longer fires.
        showBanner();
        m_scheduler->advance(5s);
        int secondDismissals = 0;
        banner.show({QStringLiteral("即将进入全屏休息"), QStringLiteral("10 秒后开始，放松一下颈椎"), std::nullopt}, 9,
                    nullptr, [&] { ++secondDismissals; });
        QCOMPARE(dismissals, 3);
        m_scheduler->advance(6s); // past the first banner's end
        QVERIFY(window.shown);
        QCOMPARE(secondDismissals, 0);
        m_scheduler->advance(3s);
        QCOMPARE(secondDismissals, 1);
        QCOMPARE(dismissals, 3);

        // Dismissing with nothing shown does nothing.
        banner.dismiss();
        QCOMPARE(dismissals + secondDismissals + actions, 5);
    }
};

QTEST_GUILESS_MAIN(PresentersTest)
#include "tst_presenters.moc"
