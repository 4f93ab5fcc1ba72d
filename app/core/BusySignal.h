// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Something that keeps the user busy, so that a due break waits: a call (a microphone recording, a camera
// open) or a full-screen window in front. The platform watches for it, event by event; while disabled it
// watches nothing and is never busy.
class BusySignal : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setEnabled(bool enabled) = 0;
    virtual bool isBusy() const = 0;
    // What this session lets it see: a full-screen native Wayland window, for one, cannot be seen.
    enum class Coverage
    {
        everything,
        x11WindowsOnly,
        nothing,
    };
    virtual Coverage coverage() const { return Coverage::everything; }

signals:
    void busyChanged();
};
