#include "WindowHints.h"
#include "X11TaskbarPresence.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

// What the X server holds for the window, as xprop prints it.
QString xprop(const QWidget& widget, const char* property)
{
    QProcess process;
    process.start(QStringLiteral("xprop"),
                  {QStringLiteral("-id"), QString::number(widget.winId()), QString::fromLatin1(property)});
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool hasState(const QWidget& widget, const char* state)
{
    return xprop(widget, "_NET_WM_STATE").contains(QLatin1StringView(state));
}

std::unique_ptr<QWidget> makeWindow(Qt::WindowFlags flags = Qt::Window)
{
    auto widget = std::make_unique<QWidget>(nullptr, flags);
    widget->resize(200, 120);
    return widget;
}

void showAndWait(QWidget& widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

} // namespace

// Runs inside tests/e2e/session.sh: Xvfb with openbox, which honours the EWMH states read back here.
class WindowHintsTest : public QObject
{
    Q_OBJECT

private slots:
    void hintsGivenBeforeMappingReachTheWindowManager()
    {
        auto overlay = makeWindow(Qt::FramelessWindowHint);
        WindowHints::applyTo(overlay.get(), {WindowHints::Layer::above, true, true, true});
        showAndWait(*overlay);

        QTRY_VERIFY(hasState(*overlay, "_NET_WM_STATE_ABOVE"));
        QVERIFY(hasState(*overlay, "_NET_WM_STATE_SKIP_TASKBAR"));
        QVERIFY(hasState(*overlay, "_NET_WM_STATE_SKIP_PAGER"));
        QCOMPARE(xprop(*overlay, "_NET_WM_DESKTOP"), QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));
        QVERIFY2(xprop(*overlay, "WM_HINTS").contains(QStringLiteral("accepts input or input focus: False")),
                 "never focused");

        // The window manager drops the states when a window is withdrawn; they come back at the next map.
        overlay->hide();
        QTRY_VERIFY(!overlay->windowHandle()->isExposed());
        showAndWait(*overlay);
        QTRY_VERIFY(hasState(*overlay, "_NET_WM_STATE_SKIP_TASKBAR"));
        QVERIFY(hasState(*overlay, "_NET_WM_STATE_ABOVE"));
        QCOMPARE(xprop(*overlay, "_NET_WM_DESKTOP"), QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));
    }

    void hintsGivenToAMappedWindowApplyLive()
    {
        auto widget = makeWindow(Qt::FramelessWindowHint);
        showAndWait(*widget);
        QVERIFY(!hasState(*widget, "_NET_WM_STATE_SKIP_TASKBAR"));

        WindowHints::apply(widget->windowHandle(), {WindowHints::Layer::below, true, true, false});
        QTRY_VERIFY(hasState(*widget, "_NET_WM_STATE_SKIP_TASKBAR"));
        QTRY_VERIFY(hasState(*widget, "_NET_WM_STATE_BELOW"));
        QTRY_COMPARE(xprop(*widget, "_NET_WM_DESKTOP"), QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));

        WindowHints::apply(widget->windowHandle(), {WindowHints::Layer::above, true, false, false});
        QTRY_VERIFY(hasState(*widget, "_NET_WM_STATE_ABOVE"));
        QVERIFY(!hasState(*widget, "_NET_WM_STATE_BELOW"));
        QTRY_VERIFY(!hasState(*widget, "_NET_WM_STATE_SKIP_TASKBAR"));
    }

    void taskbarPresenceFollowsThePolicyForOrdinaryWindows()
    {
        X11TaskbarPresence presence;
        auto existing = makeWindow();
        showAndWait(*existing);
        auto special = makeWindow(Qt::FramelessWindowHint);
        WindowHints::applyTo(special.get(), {WindowHints::Layer::above, false, false, false});
        showAndWait(*special);

        presence.setRegular(false);
        QTRY_VERIFY(hasState(*existing, "_NET_WM_STATE_SKIP_TASKBAR"));
        QVERIFY(hasState(*existing, "_NET_WM_STATE_SKIP_PAGER"));
        QVERIFY2(!hasState(*special, "_NET_WM_STATE_SKIP_TASKBAR"), "windows with their own hints keep them");

        // A window shown later gets the policy before it is mapped.
        auto later = makeWindow();
        showAndWait(*later);
        QTRY_VERIFY(hasState(*later, "_NET_WM_STATE_SKIP_TASKBAR"));

        presence.setRegular(true);
        QTRY_VERIFY(!hasState(*existing, "_NET_WM_STATE_SKIP_TASKBAR"));
        QTRY_VERIFY(!hasState(*later, "_NET_WM_STATE_SKIP_PAGER"));
        auto afterwards = makeWindow();
        showAndWait(*afterwards);
        QTest::qWait(100);
        QVERIFY(!hasState(*afterwards, "_NET_WM_STATE_SKIP_TASKBAR"));
    }
};

QTEST_MAIN(WindowHintsTest)
#include "tst_windowhints.moc"
