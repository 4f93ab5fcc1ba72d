// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockTime.h"

#include <QCoreApplication>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ClockTime)
};

} // namespace

namespace ClockTime {

QString relative(const QDateTime& at, const QDateTime& now)
{
    const QString time = at.time().toString(QStringLiteral("HH:mm"));
    const qint64 days = now.date().daysTo(at.date());
    if (days == 0) {
        return time;
    }
    if (days == 1) {
        return at.time() == QTime(0, 0) ? Texts::tr("明天") : Texts::tr("明天 %1").arg(time);
    }
    return Texts::tr("%1月%2日 %3").arg(at.date().month()).arg(at.date().day()).arg(time);
}

} // namespace ClockTime
