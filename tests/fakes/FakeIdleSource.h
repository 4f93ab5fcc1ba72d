// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

// An idle source whose answer the test sets; counts how often it was asked.
class FakeIdleSource final : public IdleSource
{
public:
    double secondsSinceLastInput() override
    {
        ++queries;
        return idleSeconds;
    }
    QString name() const override { return QStringLiteral("fake"); }

    double idleSeconds = 0;
    int queries = 0;
};
