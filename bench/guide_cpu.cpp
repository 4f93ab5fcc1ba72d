// SPDX-License-Identifier: GPL-3.0-or-later
// What a break costs the processor with and without the guided moves: the real overlay on every display
// (run inside tests/e2e/session.sh --monitors 2; bench/guide_cpu.sh does), and the process's CPU time over
// a stretch of the break after its fade-in, as a share of one core. The moves animate at up to 30 frames
// a second; the countdown alone repaints once a second.

#include "BreakOverlayPresenter.h"
#include "DummyBackends.h"
#include "QtOverlayWindowLayer.h"
#include "QtScheduler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop, and only it, for the time.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Share of one core over the measured stretch of one break, in percent.
double breakCost(BreakOverlayPresenter& overlay, bool guide, int seconds)
{
    bool done = false;
    overlay.show(
        {QStringLiteral("你已经持续盯着屏幕 45 分钟啦"), double(seconds + 5), true, false, std::nullopt, 5, guide, {}},
        [&done](BreakResult) { done = true; });
    runFor(3000); // the fade-in and the first frames
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    runFor(seconds * 1000 - 3000);
    const double used = cpuSeconds() - before;
    const double elapsed = double(wall.elapsed()) / 1000;
    while (!done) {
        runFor(100);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return used / elapsed * 100;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 3;
    QtScheduler scheduler;
    DummySoundPlayer sound;
    QtOverlayWindowLayer windows;
    BreakOverlayPresenter overlay(windows, scheduler, sound);
    QTextStream out(stdout);
    const auto median = [](QList<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    QList<double> plain;
    QList<double> guided;
    for (int run = 0; run < runs; ++run) {
        plain.append(breakCost(overlay, false, 20));
        guided.append(breakCost(overlay, true, 20));
    }
    out << "break on " << QGuiApplication::screens().size() << " displays, CPU of one core, median of " << runs
        << ": countdown only " << QString::number(median(plain), 'f', 1) << " %, with the guided moves "
        << QString::number(median(guided), 'f', 1) << " %" << Qt::endl;
    return 0;
}
