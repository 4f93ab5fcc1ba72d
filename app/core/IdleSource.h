// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Seconds since the user's last keyboard or pointer input in this session (motion, buttons, wheel, keys,
// modifiers). The platform layer provides one per kind of session. A source that stops working answers 0
// (the user counts as present) and reports the failure itself, once.
//
// A source that can also tell instead of being asked arms one notice at a time: the process then sleeps
// until the moment matters instead of asking every second.
class IdleSource
{
public:
    enum class Notice
    {
        // The idle time reaches the seconds given: the person has stopped for that long.
        idleReaches,
        // The idle time is below the seconds given: input came. At once if it already is.
        inputBelow,
    };

    virtual ~IdleSource() = default;
    virtual double secondsSinceLastInput() = 0;
    // A short name for diagnostics, such as "XScreenSaver".
    virtual QString name() const = 0;

    // Arms a one-shot notice, in place of the one armed before. It comes on the main thread's event loop,
    // never from inside this call. False where the source can only be asked: nothing is armed then.
    virtual bool notify(Notice notice, double seconds, std::function<void()> then)
    {
        static_cast<void>(notice);
        static_cast<void>(seconds);
        static_cast<void>(then);
        return false;
    }
};
