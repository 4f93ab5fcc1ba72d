// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemLog.h"

// Writes each line to syslog(3) under the ident "tavrin" and the same line to stderr.
class SyslogSystemLog final : public SystemLog
{
public:
    SyslogSystemLog();
    ~SyslogSystemLog() override;
    SyslogSystemLog(const SyslogSystemLog&) = delete;
    SyslogSystemLog& operator=(const SyslogSystemLog&) = delete;

    void log(const QString& message, const QString& detail) override;
};
