// SPDX-License-Identifier: GPL-3.0-or-later
#include "BreakOverlayPresenter.h"
#include "DummyBackends.h"
#include "FakeClock.h"
#include "FakeWindowLayers.h"
#include "GuideView.h"
#include "ManualScheduler.h"
#include "MemoryUserDefaults.h"
#include "OverlayBackground.h"
#include "OverlayTips.h"
#include "ReminderBannerPresenter.h"
#include "TestFiles.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

// What the break's windows show as it counts down, and how the banner ends, over window-less layers in
// virtual time. (How breaks end and are recorded is the break scheduling's test.)
class PresentersTest : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    ManualScheduler m_scheduler{m_clock};
    FakeOverlayWindows m_windows;
    DummySoundPlayer m_sound;
    BreakOverlayPresenter m_overlay{m_windows, m_scheduler, m_sound};

private slots:
    void theCountdownAndTheTipsFollowTheRoundSeconds_data()
    {
        QTest::addColumn<double>("duration");
        QTest::addColumn<QStringList>("shown"); // countdown/tip after 0, 5, 10, 20, 140 and 150 seconds
        QTest::newRow("300 s") << 300.0 << QStringList{"5:00/0", "4:55/0", "4:50/1", "4:40/2", "2:40/14", "2:30/0"};
        QTest::newRow("295 s: the first tip only 5 s")
            << 295.0 << QStringList{"4:55/0", "4:50/1", "4:45/1", "4:35/2", "2:35/14", "2:25/0"};
        QTest::newRow("59.2 s rounds up") << 59.2 << QStringList{"1:00/0", "0:55/0", "0:50/1", "0:40/2"};
    }

    void theCountdownAndTheTipsFollowTheRoundSeconds()
    {
        QFETCH(double, duration);
        QFETCH(QStringList, shown);
        m_overlay.show({QStringLiteral("m"), duration, true, false, std::nullopt, std::nullopt, false, {}},
                       [](BreakResult) {});
        int elapsed = 0;
        for (const int at : {0, 5, 10, 20, 140, 150}) {
            m_scheduler.advance(std::chrono::seconds(at - elapsed));
            elapsed = at;
            if (m_overlay.isRunning()) {
                std::size_t tip = 0;
                while (tip < OverlayTips::kTips.size() && OverlayTips::tip(tip) != m_windows.shown.tip) {
                    ++tip;
                }
                QCOMPARE(m_windows.shown.countdown + u'/' + QString::number(tip), shown.takeFirst());
                QCOMPARE(m_windows.shown.keysReady, at > 0); // no key reaches the buttons at first
            }
        }
        m_scheduler.advance(10min);
        QVERIFY(!m_overlay.isRunning());
    }

    void aCountdownOfAnyLengthHasAText()
    {
        QCOMPARE(BreakOverlayPresenter::format(9.2e18), QStringLiteral("16666666666666:40"));
        QCOMPARE(BreakOverlayPresenter::format(qQNaN()), QStringLiteral("0:00"));
    }

    void aSecondBreakIsRefusedEvenWithoutAnyDisplay()
    {
        m_windows.displays = 0; // a break on no display at all has no windows, but it runs
        const int opens = m_windows.opens;
        QList<BreakResult> first;
        QList<BreakResult> second;
        m_overlay.show({QStringLiteral("m"), 10, true, true, std::nullopt, std::nullopt, false, {}},
                       [&](BreakResult r) { first << r; });
        m_scheduler.advance(3s);
        m_overlay.show({}, [&](BreakResult result) { second << result; });
        m_scheduler.runDue();
        QCOMPARE(second, QList<BreakResult>{BreakResult::skipped});
        m_scheduler.advance(7s);
        QCOMPARE(first, QList<BreakResult>{BreakResult::completed});
        QCOMPARE(m_windows.opens, opens + 1);
    }

    void aBackgroundThatCannotBeShownGivesTheGradient_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not an image") << QByteArray("just some text");
        QTest::newRow("truncated") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }

    void aBackgroundThatCannotBeShownGivesTheGradient()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("background.png"));
        QVERIFY(content.isEmpty() || TestFiles::write(path, content));
        QVERIFY(!OverlayBackground::load(path, QSize(1920, 1080)).hasImage());

        QImage picture(3840, 2160, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(path));
        QVERIFY2(OverlayBackground::load(path, QSize(1920, 1080)).image().height() == 1080,
                 "decoded at the size that covers the display");
    }

    void aBannerEndsWithItsActionOrOnceWithoutIt()
    {
        FakeBannerWindow window;
        ReminderBannerPresenter banner(window, m_scheduler);
        int actions = 0;
        int laters = 0;
        int dismissals = 0;
        auto showBanner = [&] {
            banner.show({BannerNotice::Kind::breakDue, 0, QStringLiteral("t")}, 10,
                        {[&] { ++actions; }, [&] { ++laters; }, [&] { ++dismissals; }});
        };
        showBanner();
        window.action();
        showBanner();
        window.secondaryAction();
        m_scheduler.advance(20s);
        QCOMPARE(actions, 1);
        QCOMPARE(laters, 1);
        QCOMPARE(dismissals, 0);

        showBanner(); // the timeout, exactly at its duration
        m_scheduler.advance(9999ms);
        QVERIFY(window.shown);
        m_scheduler.advance(1ms);
        QVERIFY(!window.shown);
        QCOMPARE(dismissals, 1);

        // Replaced by a newer banner: the first hears once, and its timeout no longer fires.
        showBanner();
        m_scheduler.advance(5s);
        banner.show({BannerNotice::Kind::breakComing, 10, {}}, 9, {nullptr, nullptr, [&] { dismissals += 10; }});
        QCOMPARE(dismissals, 2);
        m_scheduler.advance(6s);
        QVERIFY(window.shown);
        window.close();
        m_scheduler.advance(10s);
        QCOMPARE(dismissals, 12);
    }

    // The guided moves: started with the break or from its button for what is left of it, counted in the
    // break's seconds, taken in turn from break to break and across a restart; with every move left out or
    // too little of the break left, the tips stay and no button is offered.
    void theGuidedMovesRunInTurnFromBreakToBreak()
    {
        MemoryUserDefaults defaults;
        std::optional<BreakOverlayPresenter> overlay;
        overlay.emplace(m_windows, m_scheduler, m_sound, &defaults);
        BreakOptions options{QStringLiteral("m"), 180, true, false, std::nullopt, std::nullopt, true, {}};
        const auto firstMove = [this] { return m_windows.shown.guide ? m_windows.shown.guide->steps[0].move : -1; };
        overlay->show(options, [](BreakResult) {});
        QVERIFY(m_windows.shown.guide && !m_windows.shown.guideOffered);
        m_scheduler.advance(7s);
        QCOMPARE(m_windows.shown.guideSeconds, 7.0);
        QCOMPARE(firstMove(), 0);
        m_windows.skip();
        overlay->show(options, [](BreakResult) {});
        QCOMPARE(firstMove(), 6); // after the six moves of the first
        m_windows.skip();
        overlay.emplace(m_windows, m_scheduler, m_sound, &defaults); // Tavrin starts again
        options.guide = false;
        overlay->show(options, [](BreakResult) {});
        QVERIFY(!m_windows.shown.guide && m_windows.shown.guideOffered);
        m_scheduler.advance(100s);
        m_windows.guide();
        QCOMPARE(firstMove(), 3); // 6 + 6 moves, round the nine
        QCOMPARE(m_windows.shown.guide->length(), 80.0);
        QCOMPARE(m_windows.shown.guideSeconds, 0.0);
        m_windows.skip();

        options.excludedMoves = GuidedMoves::ids();
        options.guide = true;
        overlay->show(options, [](BreakResult) {});
        QVERIFY(!m_windows.shown.guide && !m_windows.shown.guideOffered);
    }

    // The figure leans the way the move says: a bend to the person's left (the viewer's right) moves the
    // head right; a nod seen from the side moves it forward and down.
    void theFigureTakesThePose()
    {
        const auto head = [](const GuidedMoves::Pose& pose, bool side) {
            QImage picture(220, 250, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            GuideView::paintFigure(painter, picture.rect(), pose, side);
            painter.end();
            // The centre of what is drawn in the upper third, where only the head and neck are.
            QPointF sum;
            int count = 0;
            for (int y = 0; y < picture.height() / 3; ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if (qAlpha(picture.pixel(x, y)) > 100) {
                        sum += QPointF(x, y);
                        ++count;
                    }
                }
            }
            return count > 0 ? sum / count : QPointF();
        };
        const QPointF upright = head({}, false);
        QVERIFY(upright.x() > 100 && upright.x() < 120);
        QVERIFY(head({.tilt = -28}, false).x() > upright.x() + 10);
        QVERIFY(head({.tilt = 28}, false).x() < upright.x() - 10);
        const QPointF sideUpright = head({}, true);
        const QPointF nodded = head({.nod = 1}, true);
        QVERIFY(nodded.x() > sideUpright.x() && nodded.y() > sideUpright.y());
        QVERIFY(head({.tuck = 1}, true).x() < sideUpright.x() - 5);
    }
};

QTEST_GUILESS_MAIN(PresentersTest)
#include "tst_presenters.moc"
