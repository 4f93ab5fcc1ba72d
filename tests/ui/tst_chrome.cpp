#include "DummyBackends.h"
#include "ThemeColors.h"
#include "UnifiedWindowChrome.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

void drag(const QPoint& from, const QPoint& by)
{
    auto xdotool = [](const QStringList& arguments) { QProcess::execute(QStringLiteral("xdotool"), arguments); };
    xdotool({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y())});
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    // The window is this process's: let it see the press before the pointer moves on.
    QTest::qWait(150);
    for (int step = 1; step <= 8; ++step) {
        xdotool({QStringLiteral("mousemove"), QString::number(from.x() + by.x() * step / 8),
                 QString::number(from.y() + by.y() * step / 8)});
        QTest::qWait(20);
    }
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

} // namespace

// Under Xvfb with openbox.
class ChromeTest : public QObject
{
    Q_OBJECT

private slots:
    void backgroundsFollowTheAppearance()
    {
        QCOMPARE(ThemeColors::pageBackground(false), QColor(Qt::white));
        QCOMPARE(ThemeColors::cardBackground(false), QColor(Qt::white));
        auto level = [](const QColor& color) { return std::round(double(color.redF()) * 100) / 100; };
        QCOMPARE(level(ThemeColors::cardBackground(true)), 0.17);
        QCOMPARE(level(ThemeColors::pageBackground(true)), 0.12);
        QCOMPARE(level(ThemeColors::chipBackground(false)), 0.96);
        QCOMPARE(level(ThemeColors::chipBackground(true)), 0.24);
        QCOMPARE(level(ThemeColors::fieldBackground(false)), 0.98);
        QCOMPARE(level(ThemeColors::fieldBackground(true)), 0.22);
        QCOMPARE(ThemeColors::fieldBackground(true).alphaF(), 1.0f);
    }

    void thePageColourFollowsAnAppearanceChange()
    {
        DummyAppearance appearance;
        QWidget window;
        UnifiedWindowChrome::apply(&window, appearance);
        window.show();
        QCOMPARE(window.palette().color(QPalette::Window), ThemeColors::pageBackground(false));
        appearance.mode = ThemeMode::dark;
        QPalette darkPalette = QApplication::palette();
        darkPalette.setColor(QPalette::Window, QColor(40, 40, 40));
        QApplication::setPalette(darkPalette); // what the appearance does when it switches
        QCoreApplication::processEvents();
        QTRY_COMPARE(window.palette().color(QPalette::Window), ThemeColors::pageBackground(true));
    }

    void draggingTheBackgroundMovesTheWindowButNotAControl()
    {
        DummyAppearance appearance;
        QWidget window;
        window.resize(400, 300);
        window.move(200, 200);
        auto* layout = new QVBoxLayout(&window);
        auto* button = new QPushButton(QStringLiteral("按钮"));
        layout->addWidget(button);
        layout->addStretch(1);
        UnifiedWindowChrome::apply(&window, appearance);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200);

        const QPoint before = window.frameGeometry().topLeft();
        drag(button->mapToGlobal(button->rect().center()), QPoint(80, 60));
        QTest::qWait(300);
        QCOMPARE(window.frameGeometry().topLeft(), before);

        drag(window.mapToGlobal(QPoint(window.width() / 2, window.height() - 40)), QPoint(80, 60));
        QTRY_VERIFY(window.frameGeometry().topLeft() != before);
    }
};

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
