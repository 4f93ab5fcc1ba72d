// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Seconds since the user's last keyboard or pointer input in this session (motion, buttons, wheel, keys,
// modifiers). The platform layer provides one per kind of session. A source that stops working answers 0
// (the user counts as present) and reports the failure itself, once.
class IdleSource
{
public:
    virtual ~IdleSource() = default;
    virtual double secondsSinceLastInput() = 0;
    // A short name for diagnostics, such as "XScreenSaver".
    virtual QString name() const = 0;
};
