#include "SystemClock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTimeUtc();
}
