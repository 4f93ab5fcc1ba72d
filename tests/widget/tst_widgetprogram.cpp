#include "WidgetSharedStore.h"
#include "WidgetTheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString xdotool(const QStringList& arguments)
{
    return run(QStringLiteral("xdotool"), arguments);
}

void sendReload(const QString& kind)
{
    QDBusMessage signal =
        QDBusMessage::createSignal(QStringLiteral("/org/tavrin/WidgetCenter"),
                                   QStringLiteral("org.tavrin.WidgetCenter"), QStringLiteral("ReloadTimelines"));
    signal << kind;
    QDBusConnection::sessionBus().send(signal);
}

void writeSnapshot(WidgetSnapshot::Mode mode, double percent)
{
    QString error;
    const WidgetSnapshot snapshot{percent, mode, 1200, 5000, 2700, 180, QDateTime::currentDateTimeUtc()};
    QVERIFY2(WidgetSharedStore::save(snapshot, &error), qPrintable(error));
}

int countNear(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += qAbs(pixel.red() - color.red()) <= 6 && qAbs(pixel.green() - color.green()) <= 6 &&
                     qAbs(pixel.blue() - color.blue()) <= 6;
        }
    }
    return count;
}

} // namespace

// The real tavrin-widget in a private session, following a snapshot file and reload signals.
class WidgetProgramTest : public QObject
{
    Q_OBJECT

private:
    QProcess m_widget;
    QString m_window;

    void start(const QStringList& arguments = {})
    {
        m_widget.setProcessChannelMode(QProcess::ForwardedChannels);
        m_widget.start(QStringLiteral(TAVRIN_WIDGET_PROGRAM), arguments);
        QVERIFY(m_widget.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!(m_window = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                       QStringLiteral("--class"), QStringLiteral("TavrinWidget")}))
                                      .isEmpty(),
                                 10000);
        m_window = m_window.section(u'\n', 0, 0);
    }

    void stop()
    {
        m_widget.terminate();
        QVERIFY(m_widget.waitForFinished(5000));
    }

    QImage grab(const char* name)
    {
        QCoreApplication::processEvents();
        const QImage image = QGuiApplication::primaryScreen()->grabWindow(m_window.toULongLong()).toImage();
        const QString folder = QStringLiteral(TAVRIN_SCREENSHOT_DIR) + QStringLiteral("/widget-program");
        QDir().mkpath(folder);
        image.save(folder + u'/' + QLatin1StringView(name) + QStringLiteral(".png"));
        return image;
    }

    bool shows(const QColor& color) { return countNear(grab("latest"), color) > 20; }

    QRect geometry()
    {
        const QString text = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_window});
        QHash<QString, int> values;
        for (const QString& line : text.split(u'\n')) {
            values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
        }
        return {values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT"))};
    }

private slots:
    void followsTheFileAndTheReloadSignal()
    {
        writeSnapshot(WidgetSnapshot::Mode::working, 68);
        start();
        QTRY_VERIFY(shows(WidgetTheme::statusOrange()));
        grab("working");

        // The application writes a new state and asks for a reload.
        writeSnapshot(WidgetSnapshot::Mode::idle, 12);
        sendReload(QStringLiteral("TavrinStatusWidget"));
        QTRY_VERIFY(shows(WidgetTheme::statusTeal()));
        grab("idle");

        // A reload for another kind is not ours: the file is not read.
        writeSnapshot(WidgetSnapshot::Mode::resting, 40);
        sendReload(QStringLiteral("SomebodyElsesWidget"));
        QTest::qWait(300);
        QVERIFY(shows(WidgetTheme::statusTeal()));
        sendReload(QStringLiteral("TavrinStatusWidget"));
        QTRY_VERIFY(shows(WidgetTheme::breakGreen()));

        // Bad files give the empty state and never end the program.
        for (const QByteArray& bad : {QByteArray(), QByteArray("{\"mode\":\"working\""), QByteArray("[]"),
                                      QByteArray("{\"fatiguePercent\":\"x\"}")}) {
            QFile file(WidgetSharedStore::snapshotPath());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bad);
            file.close();
            sendReload(QStringLiteral("TavrinStatusWidget"));
            QTRY_VERIFY(!shows(WidgetTheme::breakGreen()));
            QVERIFY(m_widget.state() == QProcess::Running);
        }
        grab("empty");
        QVERIFY(QFile::remove(WidgetSharedStore::snapshotPath()));
        sendReload(QStringLiteral("TavrinStatusWidget"));
        QTest::qWait(200);
        QVERIFY(m_widget.state() == QProcess::Running);

        // The file appears again.
        writeSnapshot(WidgetSnapshot::Mode::working, 100);
        sendReload(QStringLiteral("TavrinStatusWidget"));
        QTRY_VERIFY(shows(WidgetTheme::red()));
        grab("full");
        stop();
    }

    void sitsOnTheDesktopLayerOnEveryWorkspace()
    {
        start();
        const QString states =
            run(QStringLiteral("xprop"), {QStringLiteral("-id"), m_window, QStringLiteral("_NET_WM_STATE"),
                                          QStringLiteral("_NET_WM_DESKTOP"), QStringLiteral("WM_NAME")});
        QVERIFY2(states.contains(QStringLiteral("_NET_WM_STATE_BELOW")), qPrintable(states));
        QVERIFY(states.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
        QVERIFY(states.contains(QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295")));
        QVERIFY(states.contains(QStringLiteral("当前工作状态")));
        stop();
    }

    void sizeAndPositionAreRemembered()
    {
        writeSnapshot(WidgetSnapshot::Mode::working, 68);
        start();
        QCOMPARE(geometry().size(), QSize(344, 160));

        // Right-click menu: the first two items that take focus are the sizes; pick the large one.
        const QRect before = geometry();
        xdotool(
            {QStringLiteral("mousemove"), QString::number(before.center().x()), QString::number(before.center().y())});
        xdotool({QStringLiteral("click"), QStringLiteral("3")});
        QTest::qWait(400);
        xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")});
        QTRY_COMPARE(geometry().size(), QSize(344, 354));
        grab("large");

        // Drag it by its background.
        const QRect large = geometry();
        const QPoint grabPoint(large.left() + 200, large.bottom() - 30);
        xdotool({QStringLiteral("mousemove"), QString::number(grabPoint.x()), QString::number(grabPoint.y())});
        xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        for (int step = 1; step <= 10; ++step) {
            xdotool({QStringLiteral("mousemove"), QString::number(grabPoint.x() - 30 * step),
                     QString::number(grabPoint.y() + 20 * step)});
        }
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        QTRY_VERIFY(geometry().topLeft() != large.topLeft());
        QTest::qWait(300);
        const QRect moved = geometry();
        stop();

        start();
        QTRY_COMPARE(geometry().size(), QSize(344, 354));
        QTRY_COMPARE(geometry().topLeft(), moved.topLeft());
        stop();
    }

    void previewShowsTheSampleBeforeTheAppEverRan()
    {
        QFile::remove(WidgetSharedStore::snapshotPath());
        start({QStringLiteral("--preview")});
        QTRY_VERIFY(shows(WidgetTheme::statusOrange()));
        grab("preview");
        stop();
    }
};

QTEST_MAIN(WidgetProgramTest)
#include "tst_widgetprogram.moc"
