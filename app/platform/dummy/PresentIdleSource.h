// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IdleSource.h"

// The idle source when none works: the user always counts as present, so breaks still come on time.
class PresentIdleSource final : public IdleSource
{
public:
    double secondsSinceLastInput() override { return 0; }
    QString name() const override { return QStringLiteral("none"); }
};
