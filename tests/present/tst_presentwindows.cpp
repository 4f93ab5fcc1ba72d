#include "BreakOverlayContentView.h"
#include "BreakOverlayPresenter.h"
#include "DummyBackends.h"
#include "OverlayTextLabel.h"
#include "PillButton.h"
#include "ProgressLineView.h"
#include "QtBannerWindowLayer.h"
#include "QtOverlayWindowLayer.h"
#include "QtScheduler.h"
#include "ReminderBannerPresenter.h"
#include "ThemeAppearance.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString xprop(WId window, const QString& property)
{
    return run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), property});
}

void click(const QPoint& global)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(global.x()),
                                    QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// Collects the regions painted on the watched widgets.
class PaintRecorder final : public QObject
{
public:
    QHash<QObject*, QRegion> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted[watched] += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// Clicks until the click has had its effect: on a loaded machine the window manager may still be placing
// a window that was just shown, and the first click can land beside it.
bool clickUntil(const std::function<QPoint()>& where, const std::function<bool()>& done)
{
    for (int attempt = 0; attempt < 5 && !done(); ++attempt) {
        click(where());
        if (QTest::qWaitFor(done, 1000)) {
            break;
        }
    }
    return done();
}

QImage grab(QWidget* window, const QString& name)
{
    QScreen* screen = window->screen();
    const QRect area = window->geometry().translated(-screen->geometry().topLeft());
    const QImage image = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    const QString folder = QStringLiteral(TAVRIN_SCREENSHOT_DIR) + QStringLiteral("/present");
    QDir().mkpath(folder);
    image.save(folder + u'/' + name + QStringLiteral(".png"));
    return image;
}

BreakOptions options(bool allowSkip, std::optional<QString> background = std::nullopt,
                     const QString& message = QStringLiteral("你已经持续盯着屏幕 45 分钟啦"), double duration = 300)
{
    return {message, duration, allowSkip, false, std::move(background)};
}

} // namespace

// Under Xvfb with openbox and two monitors of 960×1080 side by side (tests/e2e/session.sh --monitors 2).
class PresentWindowsTest : public QObject
{
    Q_OBJECT

private:
    QtScheduler m_scheduler;
    DummySoundPlayer m_sound;
    QtOverlayWindowLayer m_overlayWindows;
    BreakOverlayPresenter m_overlay{m_overlayWindows, m_scheduler, m_sound};
    QList<BreakResult> m_results;
    QTemporaryDir m_dir;

    void startBreak(const BreakOptions& breakOptions)
    {
        m_overlay.show(breakOptions, [this](BreakResult result) { m_results.append(result); });
        QTRY_COMPARE(m_overlayWindows.windowCount(), QGuiApplication::screens().size());
        for (BreakOverlayContentView* window : m_overlayWindows.windows()) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTRY_COMPARE(window->windowOpacity(), 1.0);
        }
    }

    BreakOverlayContentView* windowOn(int screenIndex)
    {
        for (BreakOverlayContentView* window : m_overlayWindows.windows()) {
            if (window->windowHandle()->screen() == QGuiApplication::screens().value(screenIndex)) {
                return window;
            }
        }
        return nullptr;
    }

    void endBreak()
    {
        if (m_overlay.isRunning()) {
            PillButton* skip = windowOn(0)->skipButton();
            QVERIFY(clickUntil([skip] { return skip->mapToGlobal(skip->rect().center()); },
                               [this] { return !m_overlay.isRunning(); }));
        }
        m_results.clear();
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        ThemeAppearance(nullptr).apply(ThemeMode::light);
    }

    void oneWindowPerDisplayAboveEverythingOnEveryWorkspace()
    {
        startBreak(options(true));
        for (int index = 0; index < 2; ++index) {
            BreakOverlayContentView* window = windowOn(index);
            QVERIFY(window);
            QCOMPARE(window->geometry(), QGuiApplication::screens()[index]->geometry());
            const QString states = xprop(window->winId(), QStringLiteral("_NET_WM_STATE"));
            QVERIFY2(states.contains(QStringLiteral("_NET_WM_STATE_ABOVE")), qPrintable(states));
            QVERIFY(states.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
            QCOMPARE(xprop(window->winId(), QStringLiteral("_NET_WM_DESKTOP")),
                     QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));
        }
        // Every display shows the same countdown, tip and progress at every tick.
        for (int tick = 0; tick < 2; ++tick) {
            const QString before = windowOn(0)->countdownLabel()->text();
            QTRY_VERIFY(windowOn(0)->countdownLabel()->text() != before);
            QCOMPARE(windowOn(1)->countdownLabel()->text(), windowOn(0)->countdownLabel()->text());
            QCOMPARE(windowOn(1)->tipLabel()->text(), windowOn(0)->tipLabel()->text());
            QCOMPARE(windowOn(1)->progressLine()->progress(), windowOn(0)->progressLine()->progress());
        }
        grab(windowOn(0), QStringLiteral("overlay-default-left"));
        grab(windowOn(1), QStringLiteral("overlay-default-right"));
    }

    void aTickRepaintsOnlyTheCountdownTipAndProgress()
    {
        BreakOverlayContentView* window = windowOn(0);
        QCoreApplication::processEvents();
        PaintRecorder recorder;
        window->installEventFilter(&recorder);
        window->messageLabel()->installEventFilter(&recorder);
        const QString before = window->countdownLabel()->text();
        QTRY_VERIFY(window->countdownLabel()->text() != before);
        QTest::qWait(50);
        window->removeEventFilter(&recorder);
        window->messageLabel()->removeEventFilter(&recorder);

        QVERIFY2(!recorder.painted.contains(window->messageLabel()), "the message does not change");
        const QRegion background = recorder.painted.value(window);
        const QRect message(window->messageLabel()->mapTo(window, QPoint()), window->messageLabel()->size());
        QVERIFY(!background.intersects(message));
        // The countdown's box (with its shadow) and the progress line, not the screen.
        QVERIFY2(background.boundingRect().height() < window->height() / 3,
                 qPrintable(QStringLiteral("%1").arg(background.boundingRect().height())));
    }

    void displaysComingAndGoingKeepTheCountdown()
    {
        QVERIFY(m_overlay.isRunning());
        run(QStringLiteral("xrandr"), {QStringLiteral("--delmonitor"), QStringLiteral("right")});
        QTRY_COMPARE(m_overlayWindows.windowCount(), 1);
        const QString during = windowOn(0)->countdownLabel()->text();
        QTRY_VERIFY(windowOn(0)->countdownLabel()->text() != during);
        QVERIFY(m_overlay.isRunning());

        run(QStringLiteral("xrandr"), {QStringLiteral("--setmonitor"), QStringLiteral("right"),
                                       QStringLiteral("960/254x1080/286+960+0"), QStringLiteral("none")});
        QTRY_COMPARE(m_overlayWindows.windowCount(), 2);
        QTRY_VERIFY(windowOn(1));
        QCOMPARE(windowOn(1)->countdownLabel()->text(), windowOn(0)->countdownLabel()->text());
        QCOMPARE(windowOn(1)->geometry(), QGuiApplication::screens()[1]->geometry());
        QVERIFY(m_results.isEmpty());
    }

    void aSkipOnTheSecondDisplayClosesAll()
    {
        QVERIFY(m_overlay.isRunning());
        PillButton* skip = windowOn(1)->skipButton();
        QTRY_VERIFY(skip->isVisible());
        QVERIFY(clickUntil([skip] { return skip->mapToGlobal(skip->rect().center()); },
                           [this] { return !m_results.isEmpty(); }));
        QCOMPARE(m_results, QList<BreakResult>{BreakResult::skipped});
        QCOMPARE(m_overlayWindows.windowCount(), 0);
        QCOMPARE(m_sound.plays, 0);
        m_results.clear();
    }

    void customBackgroundWithoutSkip()
    {
        QImage picture(1600, 900, QImage::Format_RGB32);
        QPainter painter(&picture);
        QLinearGradient sky(0, 0, 0, 900);
        sky.setColorAt(0, QColor(255, 170, 90));
        sky.setColorAt(1, QColor(60, 110, 200));
        painter.fillRect(picture.rect(), sky);
        painter.setBrush(QColor(40, 80, 50));
        painter.drawEllipse(QPointF(800, 1500), 1400, 800);
        painter.end();
        const QString path = m_dir.filePath(QStringLiteral("sunset.jpg"));
        QVERIFY(picture.save(path));

        // Without a skip button the break runs to its end: keep it short.
        startBreak(options(false, path, QStringLiteral("你已经持续盯着屏幕 45 分钟啦"), 3));
        QVERIFY(!windowOn(0)->skipButton());
        const QImage shot = grab(windowOn(0), QStringLiteral("overlay-custom-noskip"));
        // The picture shows through the veil: warm at the top, unlike the green gradient.
        const QColor top = shot.pixelColor(shot.width() / 2, 5);
        QVERIFY2(top.red() > top.green() && top.red() > 60, qPrintable(top.name()));
        QTRY_COMPARE_WITH_TIMEOUT(m_results, QList<BreakResult>{BreakResult::completed}, 6000);
        QCOMPARE(m_overlayWindows.windowCount(), 0);
        m_results.clear();
    }

    void badBackgroundsFallBackToTheGradient_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << "missing.png" << QByteArray();
        QTest::newRow("not an image") << "notes.png" << QByteArray("just some text, not a picture");
        QTest::newRow("truncated") << "cut.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }

    void badBackgroundsFallBackToTheGradient()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath(file);
        if (!content.isEmpty()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        startBreak(options(true, path, QStringLiteral("很长的休息提示").repeated(30)));
        const QImage shot = grab(windowOn(0), QStringLiteral("overlay-fallback-") + file.section(u'.', 0, 0));
        const QColor top = shot.pixelColor(shot.width() / 2, 5);
        // 0.10, 0.22, 0.21 at 0.97 over black.
        QVERIFY2(qAbs(top.red() - 25) < 8 && qAbs(top.green() - 54) < 8 && qAbs(top.blue() - 52) < 8,
                 qPrintable(top.name()));
        // A very long message takes two lines and leaves the countdown on screen.
        BreakOverlayContentView* window = windowOn(0);
        QCOMPARE(window->messageLabel()->lines().size(), 2);
        const QRect countdown(window->countdownLabel()->mapTo(window, QPoint()), window->countdownLabel()->size());
        QVERIFY(window->rect().contains(countdown));
        endBreak();
    }

    void theBannerSitsTopRightAndNeverTakesFocus()
    {
        QWidget focused;
        focused.setWindowTitle(QStringLiteral("someone else's window"));
        focused.resize(300, 200);
        focused.move(100, 300);
        focused.show();
        focused.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&focused));
        const QString activeBefore =
            run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});

        QtBannerWindowLayer window;
        ReminderBannerPresenter banner(window, m_scheduler);
        int actions = 0;
        int dismissals = 0;
        banner.show(
            {QStringLiteral("该休息一下啦"), std::nullopt, QStringLiteral("立即休息")}, 10, [&] { ++actions; },
            [&] { ++dismissals; });
        ReminderBannerView* view = window.view();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(view->width(), 340);
        QCOMPARE(view->geometry().right() + 1, area.right() + 1 - 16);
        QCOMPARE(view->geometry().top(), area.top() + 16);
        QVERIFY(!view->subtitleLabel());
        QTest::qWait(200);
        grab(view, QStringLiteral("banner-action"));
        QVERIFY(
            xprop(view->winId(), QStringLiteral("WM_HINTS")).contains(QStringLiteral("input or input focus: False")));
        QVERIFY(xprop(view->winId(), QStringLiteral("_NET_WM_STATE")).contains(QStringLiteral("_NET_WM_STATE_ABOVE")));

        // Clicking its action runs it without taking the focus from the window the user works in.
        QVERIFY(clickUntil([view] { return view->actionButton()->mapToGlobal(view->actionButton()->rect().center()); },
                           [&] { return actions > 0; }));
        QCOMPARE(actions, 1);
        QCOMPARE(dismissals, 0);
        QCOMPARE(run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")}),
                 activeBefore);
        QVERIFY(!window.isShown());

        // The notice: a subtitle, no action; the close button dismisses it.
        banner.show({QStringLiteral("即将进入全屏休息"), QStringLiteral("10 秒后开始，放松一下颈椎"), std::nullopt}, 9,
                    nullptr, [&] { ++dismissals; });
        view = window.view();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY(!view->actionButton());
        QVERIFY(view->subtitleLabel());
        QTest::qWait(200);
        grab(view, QStringLiteral("banner-notice"));
        QVERIFY(clickUntil([view] { return view->closeButton()->mapToGlobal(view->closeButton()->rect().center()); },
                           [&] { return dismissals > 0; }));
        QCOMPARE(dismissals, 1);

        // An empty subtitle shows one line: the card is as short as one without a subtitle.
        banner.show({QStringLiteral("该休息一下啦"), QString(), std::nullopt}, 10, nullptr, nullptr);
        QVERIFY(!window.view()->subtitleLabel());
        banner.dismiss();
    }
};

QTEST_MAIN(PresentWindowsTest)
#include "tst_presentwindows.moc"
