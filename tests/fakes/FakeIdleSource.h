// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

#include <functional>

// An idle source whose answer the test sets.
class FakeIdleSource final : public IdleSource
{
public:
    double secondsSinceLastInput() override { return growing ? growing() : idleSeconds; }
    QString name() const override { return QStringLiteral("fake"); }

    double idleSeconds = 0;
    // When set, the idle time read from it instead (one that grows with a clock).
    std::function<double()> growing;
};
