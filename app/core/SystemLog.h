// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where failures go. A line is a fixed message (it starts with "Tavrin: ") followed directly by the
// detail: a path, SQLite's message, an error description. The detail is data and never interpreted.
// Messages are written in the source language and marked with QT_TRANSLATE_NOOP("SystemLog", …); the log
// that shows them translates them.
class SystemLog
{
public:
    virtual ~SystemLog() = default;
    virtual void log(const QString& message, const QString& detail) = 0;
};
