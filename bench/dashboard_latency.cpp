// SPDX-License-Identifier: GPL-3.0-or-later
// How long the dashboard takes to open: from the request (building the window) until it is exposed and its
// chart has painted once, over a day with usage. Run inside tests/e2e/session.sh (bench/dashboard_latency.sh
// does).

#include "AppStateFixture.h"
#include "DashboardWindow.h"
#include "UsageChart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QWindow>

#include <algorithm>

namespace {

// Sees the first paint of the chart or of anything inside it.
class PaintWatcher final : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;
    AppStateFixture fixture;
    fixture.work(std::chrono::hours(3));
    QList<double> latencies;
    for (int run = 0; run < runs; ++run) {
        PaintWatcher watcher;
        QElapsedTimer timer;
        timer.start();
        auto* window =
            new DashboardWindow(fixture.state(), fixture.appearance, fixture.clock, LocalCalendar(QTimeZone::utc()));
        QWidget* chart = window->chart();
        chart->installEventFilter(&watcher);
        for (QWidget* inside : chart->findChildren<QWidget*>()) {
            inside->installEventFilter(&watcher);
        }
        window->show();
        while (!(window->windowHandle()->isExposed() && watcher.painted) && timer.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        latencies.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        delete window;
        QCoreApplication::processEvents();
    }
    std::sort(latencies.begin(), latencies.end());
    QTextStream(stdout) << "dashboard open to its chart's first frame, " << runs << " runs: median "
                        << QString::number(latencies[latencies.size() / 2], 'f', 1) << " ms, min "
                        << QString::number(latencies.first(), 'f', 1) << " ms, max "
                        << QString::number(latencies.last(), 'f', 1) << " ms" << Qt::endl;
    return 0;
}
