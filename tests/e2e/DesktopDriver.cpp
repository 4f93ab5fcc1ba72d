// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopDriver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>

namespace DesktopDriver {

namespace {

// Waiting for another process, not for our own event loop: a short pause between polls is what a
// person's eye would do too.
void pause(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

} // namespace

std::optional<QString> run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<quint64> windows(const QString& title)
{
    QList<quint64> result;
    const auto output =
        run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), u'^' + QRegularExpression::escape(title) + u'$'});
    for (const QString& line : output.value_or(QString()).split(u'\n', Qt::SkipEmptyParts)) {
        result.append(line.toULongLong());
    }
    return result;
}

QList<quint64> trayIcons(const QString& windowClass)
{
    QList<quint64> result;
    const auto output = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--class"),
                                                        u'^' + QRegularExpression::escape(windowClass) + u'$'});
    for (const QString& line : output.value_or(QString()).split(u'\n', Qt::SkipEmptyParts)) {
        const auto info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), line});
        if (!info || !info->contains(QLatin1String("Map State: IsViewable"))) {
            continue;
        }
        // Tooltips are small windows of the class too, but children of the root: their relative position is
        // their absolute one. An icon sits inside the tray.
        static const QRegularExpression position(QStringLiteral("Absolute upper-left X: +(-?\\d+).*Absolute upper-left "
                                                                "Y: +(-?\\d+).*Relative upper-left X: +(-?\\d+).*"
                                                                "Relative upper-left Y: +(-?\\d+)"),
                                                 QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = position.match(*info);
        if (!match.hasMatch() || (match.captured(1) == match.captured(3) && match.captured(2) == match.captured(4))) {
            continue;
        }
        const QRect rect = geometry(line.toULongLong());
        if (rect.width() > 1 && rect.width() <= 64 && rect.height() > 1 && rect.height() <= 64) {
            result.append(line.toULongLong());
        }
    }
    return result;
}

QRect geometry(quint64 window)
{
    // xwininfo rather than xdotool: xdotool adds the window manager's frame offset a second time.
    const auto output = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    QRect rect;
    for (const QString& raw : output.value_or(QString()).split(u'\n', Qt::SkipEmptyParts)) {
        const QString line = raw.trimmed();
        const int value = line.section(u':', 1).trimmed().toInt();
        if (line.startsWith(QLatin1String("Absolute upper-left X:"))) {
            rect.moveLeft(value);
        } else if (line.startsWith(QLatin1String("Absolute upper-left Y:"))) {
            rect.moveTop(value);
        } else if (line.startsWith(QLatin1String("Width:"))) {
            rect.setWidth(value);
        } else if (line.startsWith(QLatin1String("Height:"))) {
            rect.setHeight(value);
        }
    }
    return rect;
}

QString xprop(quint64 window, const QString& property)
{
    return run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), property})
        .value_or(QString())
        .trimmed();
}

quint64 activeWindow()
{
    const QString line = run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")})
                             .value_or(QString());
    return line.section(u'#', 1).trimmed().toULongLong(nullptr, 16);
}

std::optional<quint64> waitForWindow(const QString& title, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const QList<quint64> found = windows(title);
        if (!found.isEmpty()) {
            return found.first();
        }
        pause(100);
    }
    return std::nullopt;
}

void click(const QPoint& rootPosition)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(rootPosition.x()),
                                    QString::number(rootPosition.y()), QStringLiteral("click"), QStringLiteral("1")});
    pause(150);
}

void key(const QString& keys)
{
    run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys.split(u' '));
    pause(150);
}

void activate(quint64 window)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
    pause(150);
}

bool closeWindow(quint64 window)
{
    QElapsedTimer clock;
    clock.start();
    for (int attempt = 0; clock.elapsed() < 30000; ++attempt) {
        // A key sent while the window manager is still mapping or focusing the window is lost: ask again
        // every few seconds.
        if (attempt % 30 == 0) {
            activate(window);
            key(QStringLiteral("alt+F4"));
        }
        const auto info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
        if (!info || !info->contains(QLatin1String("IsViewable"))) {
            return true;
        }
        pause(100);
    }
    return false;
}

void nudgePointer()
{
    static int step = 0;
    const QString delta = QString::number(++step % 2 == 0 ? 3 : -3);
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove_relative"), QStringLiteral("--"), delta, delta});
}

QImage grab(const QRect& area)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect rect = area.isNull() ? screen->virtualGeometry() : area;
    return screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height()).toImage();
}

} // namespace DesktopDriver
