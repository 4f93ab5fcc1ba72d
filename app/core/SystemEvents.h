// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The operating system's lifecycle events, in one place. Handlers run synchronously: when willSleep's
// slots return, the platform lets the machine sleep; when willTerminate's slots return, the process ends.
class SystemEvents : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // The first turn of the event loop after the application object exists.
    void launchFinished();
    // The process is about to end: quit, a termination signal, or the session logging out.
    void willTerminate();
    // The machine is about to sleep.
    void willSleep();
    // Somebody set the wall clock or the time zone: instants planned on the wall clock are due at other times.
    void clockChanged();
};
