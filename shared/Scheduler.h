// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TaskHandle.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <concepts>
#include <functional>

// Runs work on the main thread: now (queued), after a delay, or repeatedly. The application uses
// QtScheduler; tests use a scheduler with virtual time, so a 45-minute work period runs in milliseconds.
class Scheduler
{
public:
    using Task = std::function<void()>;

    virtual ~Scheduler() = default;

    // Queues the task to run on the main thread after the current event has been handled.
    virtual void post(Task task) = 0;
    // Runs the task once, after the delay. The handle cancels it.
    virtual TaskHandle runAfter(std::chrono::milliseconds delay, Task task) = 0;
    // Runs the task every interval, the first time one interval from now, until cancelled.
    virtual TaskHandle repeatEvery(std::chrono::milliseconds interval, Task task) = 0;

    // The same for work of an object: it does not run once the object is gone.
    template <std::derived_from<QObject> Object>
    void post(Object* context, Task task)
    {
        post(guarded(context, std::move(task)));
    }
    template <std::derived_from<QObject> Object>
    TaskHandle runAfter(std::chrono::milliseconds delay, Object* context, Task task)
    {
        return runAfter(delay, guarded(context, std::move(task)));
    }
    template <std::derived_from<QObject> Object>
    TaskHandle repeatEvery(std::chrono::milliseconds interval, Object* context, Task task)
    {
        return repeatEvery(interval, guarded(context, std::move(task)));
    }

private:
    static Task guarded(QObject* context, Task task)
    {
        return [context = QPointer<QObject>(context), task = std::move(task)] {
            if (context) {
                task();
            }
        };
    }
};
