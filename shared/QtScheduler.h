// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Scheduler.h"

#include <QObject>

// The application's scheduler: queued calls and QTimers on the thread that owns it (the main thread).
// Destroying it stops every task it still holds.
class QtScheduler final : public QObject, public Scheduler
{
    Q_OBJECT

public:
    explicit QtScheduler(QObject* parent = nullptr);

    using Scheduler::post;
    using Scheduler::repeatEvery;
    using Scheduler::runAfter;

    void post(Task task) override;
    TaskHandle runAfter(std::chrono::milliseconds delay, Task task) override;
    TaskHandle repeatEvery(std::chrono::milliseconds interval, Task task) override;

private:
    TaskHandle startTimer(std::chrono::milliseconds interval, bool singleShot, Task task);
};
