#include "FakeClock.h"
#include "ManualScheduler.h"
#include "QtScheduler.h"

#include <QTest>

using namespace std::chrono_literals;

class SchedulingTest : public QObject
{
    Q_OBJECT

private slots:
    void dueTasksRunInTimeOrderWithTheClockAtTheirDueTime()
    {
        FakeClock clock;
        const QDateTime start = clock.now();
        ManualScheduler scheduler(clock);
        QStringList order;
        QList<qint64> at;
        auto record = [&](const QString& name) {
            return [&, name] {
                order << name;
                at << start.msecsTo(clock.now());
            };
        };
        scheduler.runAfter(3s, record(QStringLiteral("c")));
        scheduler.runAfter(1s, record(QStringLiteral("a")));
        scheduler.runAfter(2s, record(QStringLiteral("b1")));
        scheduler.runAfter(2s, record(QStringLiteral("b2")));
        scheduler.post(record(QStringLiteral("now")));

        QVERIFY(order.isEmpty());
        scheduler.advance(2500ms);
        QCOMPARE(order, QStringList({"now", "a", "b1", "b2"}));
        QCOMPARE(at, QList<qint64>({0, 1000, 2000, 2000}));
        QCOMPARE(start.msecsTo(clock.now()), 2500);
        scheduler.advance(10s);
        QCOMPARE(order.last(), QStringLiteral("c"));
        QCOMPARE(scheduler.pendingCount(), 0);
    }

    void tasksMayScheduleTasksWithinTheSameAdvance()
    {
        FakeClock clock;
        ManualScheduler scheduler(clock);
        int chain = 0;
        std::function<void()> step = [&] {
            if (++chain < 5) {
                scheduler.runAfter(1s, step);
            }
        };
        scheduler.runAfter(1s, step);
        scheduler.advance(3s);
        QCOMPARE(chain, 3);
        scheduler.advance(10s);
        QCOMPARE(chain, 5);
    }

    void repeatingTaskRunsOncePerIntervalAcrossLongAdvances()
    {
        FakeClock clock;
        ManualScheduler scheduler(clock);
        int ticks = 0;
        TaskHandle timer = scheduler.repeatEvery(1s, [&] { ++ticks; });
        scheduler.advance(45min);
        QCOMPARE(ticks, 2700);
        timer.cancel();
        scheduler.advance(1min);
        QCOMPARE(ticks, 2700);
    }

    void cancelledTasksNeverRun()
    {
        FakeClock clock;
        ManualScheduler scheduler(clock);
        bool ran = false;
        TaskHandle late = scheduler.runAfter(2s, [&] { ran = true; });
        // Cancelled by a task that runs earlier in the same advance, while it is already due.
        scheduler.runAfter(1s, [&] { late.cancel(); });
        scheduler.advance(5s);
        QVERIFY(!ran);

        int repeats = 0;
        TaskHandle self;
        self = scheduler.repeatEvery(1s, [&] {
            if (++repeats == 3) {
                self.cancel();
            }
        });
        scheduler.advance(10s);
        QCOMPARE(repeats, 3);
        QVERIFY(self.isCancelled());
        self.cancel(); // twice is harmless
    }

    void qtSchedulerRunsPostedTasksInOrderOnTheEventLoop()
    {
        QtScheduler scheduler;
        QStringList order;
        scheduler.post([&] { order << QStringLiteral("first"); });
        scheduler.post([&] { order << QStringLiteral("second"); });
        QVERIFY(order.isEmpty());
        QTRY_COMPARE(order, QStringList({"first", "second"}));
    }

    void qtSchedulerCancelsTimersAndStopsWhenDestroyed()
    {
        int once = 0;
        int cancelledOnce = 0;
        int repeats = 0;
        {
            QtScheduler scheduler;
            scheduler.runAfter(0ms, [&] { ++once; });
            TaskHandle cancelled = scheduler.runAfter(0ms, [&] { ++cancelledOnce; });
            cancelled.cancel();
            TaskHandle repeating;
            repeating = scheduler.repeatEvery(1ms, [&] {
                if (++repeats == 3) {
                    repeating.cancel();
                }
            });
            QTRY_COMPARE(repeats, 3);
            QCOMPARE(once, 1);
            scheduler.runAfter(0ms, [&] { ++once; });
        }
        // The scheduler is gone: its last timer must not fire.
        QCoreApplication::processEvents();
        QCOMPARE(once, 1);
        QCOMPARE(cancelledOnce, 0);
        QCOMPARE(repeats, 3);
    }
};

QTEST_GUILESS_MAIN(SchedulingTest)
#include "tst_scheduling.moc"
