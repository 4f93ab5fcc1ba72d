// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalCalendar.h"

LocalCalendar::LocalCalendar()
    : LocalCalendar(QTimeZone::systemTimeZone())
{
}

LocalCalendar::LocalCalendar(QTimeZone zone)
    : m_zone(std::make_shared<QTimeZone>(zone.isValid() ? std::move(zone) : QTimeZone::utc()))
{
}

void LocalCalendar::setTimeZone(const QTimeZone& zone)
{
    if (zone.isValid()) {
        *m_zone = zone;
    }
}

QString LocalCalendar::dayKey(const QDateTime& instant) const
{
    // QDate's fields are proleptic Gregorian; format the digits ourselves so no locale can change them.
    const QDate date = instant.toTimeZone(*m_zone).date();
    return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

int LocalCalendar::hour(const QDateTime& instant) const
{
    return instant.toTimeZone(*m_zone).time().hour();
}

QDateTime LocalCalendar::addDays(const QDateTime& instant, int days) const
{
    if (!instant.isValid()) {
        return {};
    }
    // QDateTime in a zone keeps the local time of day when days are added.
    return instant.toTimeZone(*m_zone).addDays(days);
}

QDateTime LocalCalendar::nextMidnight(const QDateTime& instant) const
{
    // Where a daylight-saving change skips midnight, the day starts at its first valid time.
    return instant.toTimeZone(*m_zone).date().addDays(1).startOfDay(*m_zone);
}

QString LocalCalendar::timeOfDay(const QDateTime& instant) const
{
    const QTime time = instant.toTimeZone(*m_zone).time();
    return QString::asprintf("%02d:%02d", time.hour(), time.minute());
}
