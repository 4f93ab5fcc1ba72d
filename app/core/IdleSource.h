#pragma once

// Seconds since the user's last keyboard or pointer input in this session (motion, buttons, wheel, keys,
// modifiers). The platform layer provides one per kind of session.
class IdleSource
{
public:
    virtual ~IdleSource() = default;
    virtual double secondsSinceLastInput() = 0;
};
