// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemLog.h"

#include <QStringList>

// Keeps every logged line for the test to read.
class RecordingSystemLog final : public SystemLog
{
public:
    void log(const QString& message, const QString& detail) override { lines.append(message + detail); }

    // Lines that start with the given message.
    qsizetype count(const QString& message) const
    {
        qsizetype n = 0;
        for (const QString& line : lines) {
            n += line.startsWith(message) ? 1 : 0;
        }
        return n;
    }

    QStringList lines;
};
