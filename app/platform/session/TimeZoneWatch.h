// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LocalCalendar.h"

#include <QFileSystemWatcher>
#include <QObject>

#include <optional>

class SystemLog;

// Follows the system's time zone while Tavrin runs, the way the desktop's clock does: the link
// /etc/localtime, which timedatectl and the desktop's date settings replace, is watched (with its folder, since
// a replaced link is a new file), and a change moves the calendar, whose copies share their zone. Event-driven:
// nothing is polled.
class TimeZoneWatch final : public QObject
{
    Q_OBJECT

public:
    static inline const QString kZoneChanged =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 系统时区已改为："));

    TimeZoneWatch(LocalCalendar calendar, SystemLog& log, QString localtime = QStringLiteral("/etc/localtime"),
                  QObject* parent = nullptr);

    // The zone a localtime link names: the part of its target after "zoneinfo/". Nothing for a plain file or a
    // name no zone has.
    static std::optional<QTimeZone> zoneOf(const QString& localtime);

signals:
    // The calendar has moved to another zone.
    void zoneChanged();

private:
    void check();

    LocalCalendar m_calendar;
    SystemLog& m_log;
    QString m_localtime;
    QFileSystemWatcher m_watcher;
};
