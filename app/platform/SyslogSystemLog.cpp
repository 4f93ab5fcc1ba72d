// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyslogSystemLog.h"

#include <cstdio>
#include <syslog.h>

SyslogSystemLog::SyslogSystemLog()
{
    openlog("tavrin", LOG_PID, LOG_USER);
}

SyslogSystemLog::~SyslogSystemLog()
{
    closelog();
}

void SyslogSystemLog::log(const QString& message, const QString& detail)
{
    const QByteArray line = (message + detail).toUtf8();
    // The line goes in as data: a '%' in a path or an SQLite message is printed, never interpreted.
    syslog(LOG_WARNING, "%s", line.constData());
    std::fprintf(stderr, "%s\n", line.constData());
}
