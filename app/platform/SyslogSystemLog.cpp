// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyslogSystemLog.h"

#include <QCoreApplication>

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
    // Messages are marked for the catalogue where they are written and read in the person's language here.
    const QByteArray source = message.toUtf8();
    const QByteArray line = (QCoreApplication::translate("SystemLog", source.constData()) + detail).toUtf8();
    // The line goes in as data: a '%' in a path or an SQLite message is printed, never interpreted.
    syslog(LOG_WARNING, "%s", line.constData());
    std::fprintf(stderr, "%s\n", line.constData());
}
