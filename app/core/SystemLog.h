// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where failures go. A line is a fixed message (it starts with "Tavrin: ") followed directly by the
// detail: a path, SQLite's message, an error description. The detail is data and never interpreted.
class SystemLog
{
public:
    virtual ~SystemLog() = default;
    virtual void log(const QString& message, const QString& detail) = 0;
};
