// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppStateFixture.h"
#include "BreakOverlayContentView.h"
#include "BreakOverlayPresenter.h"
#include "DesktopDriver.h"
#include "DummyBackends.h"
#include "GuideView.h"
#include "HistoryChart.h"
#include "HistoryWindow.h"
#include "MicroPauseCard.h"
#include "NumberField.h"
#include "OverlayTextLabel.h"
#include "Patience.h"
#include "PillButton.h"
#include "ProgressLineView.h"
#include "QtBannerWindowLayer.h"
#include "QtMicroPauseCards.h"
#include "QtOverlayWindowLayer.h"
#include "QtScheduler.h"
#include "ReminderBannerPresenter.h"
#include "SettingsWindow.h"
#include "TestPictures.h"
#include "ThemeAppearance.h"
#include "ThemeColors.h"
#include "WindowHints.h"
#include "X11TaskbarPresence.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace DesktopDriver;

namespace {

bool hasState(const QWidget* window, const char* state)
{
    return xprop(window->winId(), QStringLiteral("_NET_WM_STATE")).contains(QLatin1StringView(state));
}

QString desktop(const QWidget* window)
{
    return xprop(window->winId(), QStringLiteral("_NET_WM_DESKTOP"));
}

// Clicks until the click has had its effect: on a loaded machine the window manager may still be placing
// a window that was just shown, and the first click can land beside it.
bool clickUntil(QWidget* target, const std::function<bool()>& done)
{
    for (int attempt = 0; attempt < 5 && !done(); ++attempt) {
        // Where Qt placed the window, not where the X server last reported it: that may lag behind.
        click(target->window()->geometry().topLeft() + target->mapTo(target->window(), target->rect().center()));
        if (QTest::qWaitFor(done, 5000)) {
            break;
        }
    }
    return done();
}

std::unique_ptr<QWidget> shownWindow(Qt::WindowFlags flags, const std::optional<WindowHints::Set>& hints = {})
{
    auto widget = std::make_unique<QWidget>(nullptr, flags);
    widget->resize(200, 120);
    if (hints) {
        WindowHints::applyTo(widget.get(), *hints);
    }
    widget->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(widget.get());
    return widget;
}

// A video or a presentation: a focused full-screen window, all red, on the first monitor.
std::unique_ptr<QWidget> focusedFullScreenWindow()
{
    auto window = std::make_unique<QWidget>();
    QPalette red;
    red.setColor(QPalette::Window, Qt::red);
    window->setPalette(red);
    window->setAutoFillBackground(true);
    window->setGeometry(QGuiApplication::screens().first()->geometry());
    window->showFullScreen();
    window->activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window.get());
    return window;
}

int redPixels(const QRect& area)
{
    return TestPictures::countNear(grab(area), Qt::red);
}

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

} // namespace

// Tavrin's windows as the window manager sees them: Xvfb with openbox and two monitors of 960×1080.
class DesktopTest : public QObject
{
    Q_OBJECT

private:
    QtScheduler m_scheduler;
    DummySoundPlayer m_sound;
    QtOverlayWindowLayer m_overlayWindows;
    BreakOverlayPresenter m_overlay{m_overlayWindows, m_scheduler, m_sound};
    QList<BreakResult> m_results;

    BreakOverlayContentView* windowOn(int screen)
    {
        for (BreakOverlayContentView* window : m_overlayWindows.windows()) {
            if (window->windowHandle()->screen() == QGuiApplication::screens().value(screen)) {
                return window;
            }
        }
        return nullptr;
    }

private slots:
    // Ninety days of planted history, the period chosen with the mouse, in both themes; the pictures are
    // kept for a person to look at (screenshots/history-light.png, history-dark.png).
    void theHistoryWindowInBothThemes()
    {
        AppStateFixture app;
        QString rows;
        for (int day = 1; day < 90; ++day) {
            if (day % 9 != 4) { // a day off now and then
                rows += QStringLiteral("('%1', 10, %2, %3),")
                            .arg(QDate(2026, 3, 2).addDays(-day).toString(Qt::ISODate))
                            .arg(1800 + (day * 2477) % 19000)
                            .arg(30 + (day * 37) % 70);
            }
        }
        rows.chop(1);
        QVERIFY(DatabaseRows(app.databasePath()).exec(QStringLiteral("INSERT INTO usage_hourly VALUES ") + rows));
        ThemeAppearance appearance(nullptr);
        HistoryWindow window(app.state(),
                             {*app.database, appearance, app.clock, LocalCalendar(QTimeZone::utc()), app.defaults});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(clickUntil(window.periodButton(90), [&] { return window.chart()->days().size() == 90; }));
        QCOMPARE(window.chart()->topHours(), 6);
        QDir().mkpath(QStringLiteral(QT_TESTCASE_BUILDDIR "/screenshots"));
        for (const ThemeMode mode : {ThemeMode::light, ThemeMode::dark}) {
            appearance.apply(mode);
            // The window takes the new palette once the event loop has turned, and repaints.
            QTRY_COMPARE(grab(window.geometry()).pixelColor(8, window.height() / 2).lightness() < 80,
                         mode == ThemeMode::dark);
            const QImage picture = grab(window.geometry());
            QVERIFY(picture.save(QStringLiteral(QT_TESTCASE_BUILDDIR "/screenshots/history-%1.png")
                                     .arg(mode == ThemeMode::dark ? QStringLiteral("dark") : QStringLiteral("light"))));
            // The bars keep the accent colour.
            const QRect chart(window.chart()->mapTo(&window, QPoint(0, 0)), window.chart()->size());
            const QColor card = picture.pixelColor(chart.topLeft() + QPoint(2, 2));
            const QColor accent = ThemeColors::accent(window.palette());
            const auto mix = [](int bar, int under) { return qRound(bar * 0.72 + under * 0.28); };
            const QColor bar(mix(accent.red(), card.red()), mix(accent.green(), card.green()),
                             mix(accent.blue(), card.blue()));
            QVERIFY(TestPictures::countNear(picture.copy(chart), bar, 12) > 2000);
        }
        appearance.apply(ThemeMode::light);
    }

    // The theme changed while the settings are open reaches the text of their fields at once.
    void theSettingsFieldsFollowAThemeChangedWhileOpen()
    {
        AppStateFixture app;
        ThemeAppearance appearance(nullptr);
        SettingsWindow window(app.state(), {appearance, app.clock, app.log, app.dir.filePath(QStringLiteral("bg"))});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const ThemeMode mode : {ThemeMode::dark, ThemeMode::light}) {
            appearance.apply(mode);
            const QColor text = QApplication::palette().color(QPalette::Text);
            for (QLineEdit* field : {window.breakMessageField(), static_cast<QLineEdit*>(window.workMinutesField())}) {
                QTRY_VERIFY(TestPictures::countNear(field->grab().toImage(), text, 40) > 10);
            }
        }
    }

    void initTestCase()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        ThemeAppearance(nullptr).apply(ThemeMode::light);
    }

    void hintsReachTheWindowManagerBeforeMappingAndAgainAfterEachShow()
    {
        auto overlay =
            shownWindow(Qt::FramelessWindowHint, WindowHints::Set{WindowHints::Layer::above, true, true, true});
        for (int show = 0; show < 2; ++show) {
            QTRY_VERIFY(hasState(overlay.get(), "_NET_WM_STATE_SKIP_TASKBAR"));
            QVERIFY(hasState(overlay.get(), "_NET_WM_STATE_ABOVE") &&
                    hasState(overlay.get(), "_NET_WM_STATE_SKIP_PAGER"));
            QCOMPARE(desktop(overlay.get()), QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));
            QVERIFY(xprop(overlay->winId(), QStringLiteral("WM_HINTS"))
                        .contains(QStringLiteral("accepts input or input focus: False")));
            // The window manager drops the states when a window is withdrawn; they are back on the window
            // before it is mapped again, so no task bar entry flashes up.
            overlay->hide();
            QTRY_VERIFY_WITH_TIMEOUT(!hasState(overlay.get(), "_NET_WM_STATE_SKIP_TASKBAR"), 20000);
            overlay->show();
            QVERIFY(hasState(overlay.get(), "_NET_WM_STATE_SKIP_TASKBAR"));
            QVERIFY(QTest::qWaitForWindowExposed(overlay.get()));
        }

        // The task bar policy reaches ordinary windows, shown and mapped, but not windows with hints of their own.
        X11TaskbarPresence presence;
        auto ordinary = shownWindow(Qt::Window);
        presence.setRegular(false);
        QTRY_VERIFY(hasState(ordinary.get(), "_NET_WM_STATE_SKIP_TASKBAR"));
        auto later = shownWindow(Qt::Window);
        QTRY_VERIFY(hasState(later.get(), "_NET_WM_STATE_SKIP_TASKBAR"));
        presence.setRegular(true);
        QTRY_VERIFY(!hasState(ordinary.get(), "_NET_WM_STATE_SKIP_TASKBAR"));
        QVERIFY(hasState(overlay.get(), "_NET_WM_STATE_SKIP_TASKBAR"));
    }

    void theOverlayCoversEveryDisplayAndFollowsThemAsTheyComeAndGo()
    {
        auto presentation = focusedFullScreenWindow();
        QVERIFY(presentation->isActiveWindow());
        m_overlay.show({QStringLiteral("你已经持续盯着屏幕 45 分钟啦"), 300, true, false, std::nullopt, 5, false, {}},
                       [this](BreakResult result) { m_results.append(result); });
        QTRY_COMPARE(m_overlayWindows.windowCount(), 2);
        for (int index = 0; index < 2; ++index) {
            // Qt learns a window's screen from where the window manager put it, which may lag under load.
            QTRY_VERIFY(windowOn(index));
            BreakOverlayContentView* window = windowOn(index);
            QVERIFY(QTest::qWaitForWindowExposed(window, 15000));
            QCOMPARE(window->geometry(), QGuiApplication::screens()[index]->geometry());
            QTRY_VERIFY(hasState(window, "_NET_WM_STATE_ABOVE") && hasState(window, "_NET_WM_STATE_FULLSCREEN"));
            QCOMPARE(desktop(window), QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));
        }
        QTRY_COMPARE(windowOn(0)->windowOpacity(), 1.0);
        QTRY_COMPARE(redPixels(QGuiApplication::screens().first()->geometry()), 0);

        // A tick repaints the countdown, the tip and the progress line, not the screen and not the message.
        BreakOverlayContentView* window = windowOn(0);
        PaintRecorder recorder;
        window->installEventFilter(&recorder);
        window->messageLabel()->installEventFilter(&recorder);
        const QString before = window->countdownLabel()->text();
        QTRY_VERIFY(window->countdownLabel()->text() != before);
        QTest::qWait(50);
        window->removeEventFilter(&recorder);
        window->messageLabel()->removeEventFilter(&recorder);
        QVERIFY(!recorder.painted.contains(window->messageLabel()));
        QVERIFY(recorder.painted.value(window).boundingRect().height() < window->height() / 3);
        QCOMPARE(windowOn(1)->countdownLabel()->text(), window->countdownLabel()->text());

        // Its button starts the guided moves on every display, in step, and the figure moves.
        QVERIFY(clickUntil(window->guideButton(), [this] { return windowOn(1)->guideView()->isVisible(); }));
        QVERIFY(!window->tipLabel()->isVisible() && window->guideButton()->text() == QStringLiteral("停止跟练"));
        const QImage figure = window->guideView()->grab().toImage();
        QCOMPARE(windowOn(1)->guideView()->grab().toImage(), figure);
        QTRY_VERIFY(window->guideView()->grab().toImage() != figure);

        run(QStringLiteral("xrandr"), {QStringLiteral("--delmonitor"), QStringLiteral("right")});
        QTRY_COMPARE(m_overlayWindows.windowCount(), 1);
        run(QStringLiteral("xrandr"), {QStringLiteral("--setmonitor"), QStringLiteral("right"),
                                       QStringLiteral("960/254x1080/286+960+0"), QStringLiteral("none")});
        QTRY_VERIFY(windowOn(1));
        QCOMPARE(windowOn(1)->countdownLabel()->text(), windowOn(0)->countdownLabel()->text());
        QVERIFY(m_results.isEmpty());

        // The skip button on the second display ends the break everywhere.
        QVERIFY(clickUntil(windowOn(1)->skipButton(), [this] { return !m_results.isEmpty(); }));
        QCOMPARE(m_results, QList<BreakResult>{BreakResult::skipped});
        QCOMPARE(m_overlayWindows.windowCount(), 0);
    }

    // A person still typing when the break comes does not skip it; one without a mouse reaches the buttons.
    void noKeyEndsABreakInItsFirstSecondsTabReachesTheButtonsAfter()
    {
        m_results.clear();
        m_overlay.show({QStringLiteral("m"), 300, true, false, std::nullopt, 5, false, {}},
                       [this](BreakResult result) { m_results.append(result); });
        // Whichever display's window has the focus.
        QTRY_VERIFY(dynamic_cast<BreakOverlayContentView*>(QApplication::activeWindow()));
        const QPointer<BreakOverlayContentView> active =
            dynamic_cast<BreakOverlayContentView*>(QApplication::activeWindow());
        QWindow* window = active->windowHandle();
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Enter}) {
            QTest::keyClick(window, key);
        }
        QCOMPARE(m_overlayWindows.windowCount(), 2);
        QTRY_VERIFY(active->skipButton()->focusPolicy() == Qt::TabFocus);
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Space);
        QTRY_COMPARE(m_results, QList<BreakResult>{BreakResult::postponed});
    }

    // Seen above a focused full-screen window, which keeps the focus.
    // Typing into a focused window while the micro-pause's card comes up at the top of both monitors: the
    // window keeps the focus and every character, and the card's skip answers a click all the same.
    void theMicroPauseCardTakesNeitherTheFocusNorAKey()
    {
        QLineEdit editor;
        editor.setGeometry(200, 400, 400, 40);
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        const quint64 activeBefore = activeWindow();
        key(QStringLiteral("h e l l o"));
        QtMicroPauseCards cards;
        int skipped = 0;
        cards.show(0, [&skipped] { ++skipped; });
        QCOMPARE(cards.cards().size(), 2);
        for (const auto& card : cards.cards()) {
            QVERIFY(QTest::qWaitForWindowExposed(card));
            const QRect area = card->screen()->availableGeometry();
            QCOMPARE(card->geometry().center().x(), area.center().x());
            QCOMPARE(card->y(), area.y() + MicroPauseCard::kMargin);
        }
        key(QStringLiteral("w o r l d"));
        QTRY_COMPARE(editor.text(), QStringLiteral("helloworld"));
        QCOMPARE(activeWindow(), activeBefore);
        cards.setProgress(0.6);
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? ThemeAppearance::darkPalette() : ThemeAppearance::lightPalette());
            QTRY_VERIFY(cards.cards().first()->palette().color(QPalette::Window) ==
                        QApplication::palette().color(QPalette::Window));
            cards.cards().last()->repaint();
            grab(cards.cards().last()->geometry()).save(dark ? "micro-pause-dark.png" : "micro-pause-light.png");
        }
        QApplication::setPalette(ThemeAppearance::lightPalette());
        const MicroPauseCard* right = cards.cards().last();
        click(right->geometry().topLeft() + right->skipButton()->geometry().center());
        QTRY_COMPARE(skipped, 1);
        QCOMPARE(activeWindow(), activeBefore);
    }

    void theBannerSitsTopRightAboveEverythingAndNeverTakesTheFocus()
    {
        auto presentation = focusedFullScreenWindow();
        const quint64 activeBefore = activeWindow();
        QCOMPARE(activeBefore, quint64(presentation->winId()));

        QtBannerWindowLayer window;
        ReminderBannerPresenter banner(window, m_scheduler);
        int actions = 0;
        // The break message as the user typed it: not markup, in two lines.
        banner.show({BannerNotice::Kind::breakDue, 0, QStringLiteral("<b>起来</b>走走").repeated(20)}, 10,
                    {[&] { ++actions; }, nullptr, nullptr});
        ReminderBannerView* view = window.view();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(view->geometry().topRight(), area.topRight() + QPoint(-16, 16));
        QLabel* subtitle = view->subtitleLabel();
        QVERIFY(subtitle->text().startsWith(QStringLiteral("<b>")) && subtitle->text().count(u'\n') == 1);
        QVERIFY(subtitle->height() >= 2 * subtitle->fontMetrics().lineSpacing());
        QTRY_COMPARE(redPixels(view->geometry()), 0);
        // No window manager places the banner: one click as soon as it is seen takes the action.
        click(view->geometry().topLeft() + view->actionButton()->mapTo(view, view->actionButton()->rect().center()));
        QTRY_COMPARE(actions, 1);
        QCOMPARE(activeWindow(), activeBefore);
        QVERIFY(!window.isShown());
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
