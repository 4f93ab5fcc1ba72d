// SPDX-License-Identifier: GPL-3.0-or-later
// How long the break overlay takes to be on screen: from show() until every display's window is exposed
// and has painted once. Run inside tests/e2e/session.sh --monitors 2 (bench/overlay_latency.sh does).

#include "BreakOverlayContentView.h"
#include "BreakOverlayPresenter.h"
#include "DummyBackends.h"
#include "QtOverlayWindowLayer.h"
#include "QtScheduler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QWindow>

#include <algorithm>

namespace {

// Counts first paints of overlay windows.
class PaintWatcher final : public QObject
{
public:
    QSet<QObject*> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted.insert(watched);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;
    QtScheduler scheduler;
    DummySoundPlayer sound;
    QtOverlayWindowLayer windows;
    BreakOverlayPresenter overlay(windows, scheduler, sound);
    PaintWatcher watcher;
    QObject::connect(&windows, &QtOverlayWindowLayer::windowAdded, &watcher,
                     [&watcher](BreakOverlayContentView* window) { window->installEventFilter(&watcher); });
    QTextStream out(stdout);
    const int displays = static_cast<int>(QGuiApplication::screens().size());

    QList<double> latencies;
    for (int run = 0; run < runs; ++run) {
        watcher.painted.clear();
        bool done = false;
        QElapsedTimer timer;
        timer.start();
        overlay.show({QStringLiteral("你已经持续盯着屏幕 45 分钟啦"), 1, true, false, std::nullopt, 5, false, {}},
                     [&done](BreakResult) { done = true; });
        auto onScreen = [&] {
            const auto shown = windows.windows();
            return shown.size() == displays && std::all_of(shown.begin(), shown.end(), [&](auto* window) {
                       return window->windowHandle()->isExposed() && watcher.painted.contains(window);
                   });
        };
        while (!onScreen() && timer.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        latencies.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        while (!done) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        // Let the closed windows go before the next run.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(latencies.begin(), latencies.end());
    out << "overlay on screen on " << displays << " displays, " << runs << " runs: median "
        << QString::number(latencies[latencies.size() / 2], 'f', 1) << " ms, min "
        << QString::number(latencies.first(), 'f', 1) << " ms, max " << QString::number(latencies.last(), 'f', 1)
        << " ms" << Qt::endl;
    return 0;
}
