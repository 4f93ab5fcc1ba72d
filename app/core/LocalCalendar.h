// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <memory>

// Local calendar arithmetic in one place: day keys, the hour of the day and calendar-day steps, all in
// the time zone the object was made with (the system's zone unless a test gives another). The calendar
// is Gregorian and day keys use ASCII digits whatever the locale, so keys always sort in date order.
// Copies share their zone: when the system's zone changes (a laptop that travels), setTimeZone on any copy
// moves them all, and the day's roll and the hours follow the new local time.
class LocalCalendar
{
public:
    LocalCalendar();
    explicit LocalCalendar(QTimeZone zone);

    // "yyyy-MM-dd" of the local date of the instant.
    QString dayKey(const QDateTime& instant) const;
    // The local hour of the instant, 0 to 23.
    int hour(const QDateTime& instant) const;
    // The instant the given number of calendar days away at the same local time of day, or an invalid
    // QDateTime when it cannot be computed. A day across a daylight-saving change is 23 or 25 hours long.
    QDateTime addDays(const QDateTime& instant, int days) const;

    // The start of the next local day.
    QDateTime nextMidnight(const QDateTime& instant) const;
    // "14:30": the local time of day of the instant.
    QString timeOfDay(const QDateTime& instant) const;

    const QTimeZone& timeZone() const { return *m_zone; }
    void setTimeZone(const QTimeZone& zone);

private:
    std::shared_ptr<QTimeZone> m_zone;
};
