// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Asks the desktop widget of a kind to read its snapshot again.
class WidgetReloader
{
public:
    virtual ~WidgetReloader() = default;
    virtual void reloadTimelines(const QString& kind) = 0;
};
