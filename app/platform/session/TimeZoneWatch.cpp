// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeZoneWatch.h"

#include "SystemLog.h"

#include <QFileInfo>

TimeZoneWatch::TimeZoneWatch(LocalCalendar calendar, SystemLog& log, QString localtime, QObject* parent)
    : QObject(parent)
    , m_calendar(std::move(calendar))
    , m_log(log)
    , m_localtime(std::move(localtime))
{
    m_watcher.addPath(QFileInfo(m_localtime).absolutePath());
    m_watcher.addPath(m_localtime);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &TimeZoneWatch::check);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &TimeZoneWatch::check);
}

std::optional<QTimeZone> TimeZoneWatch::zoneOf(const QString& localtime)
{
    const QString target = QFileInfo(localtime).symLinkTarget();
    const qsizetype at = target.indexOf(QStringLiteral("zoneinfo/"));
    if (at < 0) {
        return std::nullopt;
    }
    QTimeZone zone(target.mid(at + 9).toUtf8());
    return zone.isValid() ? std::optional(zone) : std::nullopt;
}

void TimeZoneWatch::check()
{
    // A link replaced by a rename is a new file: watch it again.
    if (!m_watcher.files().contains(m_localtime) && QFileInfo::exists(m_localtime)) {
        m_watcher.addPath(m_localtime);
    }
    const auto zone = zoneOf(m_localtime);
    if (!zone || *zone == m_calendar.timeZone()) {
        return;
    }
    m_calendar.setTimeZone(*zone);
    m_log.log(kZoneChanged, QString::fromUtf8(zone->id()));
    emit zoneChanged();
}
