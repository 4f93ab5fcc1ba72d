// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtScheduler.h"

#include <QPointer>
#include <QTimer>

QtScheduler::QtScheduler(QObject* parent)
    : QObject(parent)
{
}

void QtScheduler::post(Task task)
{
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

TaskHandle QtScheduler::runAfter(std::chrono::milliseconds delay, Task task)
{
    return startTimer(delay, true, std::move(task));
}

TaskHandle QtScheduler::repeatEvery(std::chrono::milliseconds interval, Task task)
{
    return startTimer(interval, false, std::move(task));
}

TaskHandle QtScheduler::startTimer(std::chrono::milliseconds interval, bool singleShot, Task task)
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(singleShot);
    // The flag makes cancellation final even if a timeout was already on its way.
    auto cancelled = std::make_shared<bool>(false);
    connect(timer, &QTimer::timeout, this, [timer, singleShot, cancelled, task = std::move(task)] {
        if (*cancelled) {
            return;
        }
        if (singleShot) {
            timer->deleteLater();
        }
        task();
    });
    timer->start(interval);

    QPointer<QTimer> guard(timer);
    return TaskHandle([guard, cancelled] {
        *cancelled = true;
        if (guard) {
            guard->stop();
            guard->deleteLater();
        }
    });
}
