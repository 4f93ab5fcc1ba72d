#include "LocalCalendar.h"

#include <QLocale>
#include <QTest>

namespace {

QDateTime utc(const char* iso)
{
    return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate);
}

const QTimeZone kBerlin(QByteArrayLiteral("Europe/Berlin"));

} // namespace

class LocalCalendarTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(kBerlin.isValid(), "the tz database (package tzdata) is needed"); }

    void dayKeysAreTheLocalDateInAsciiDigits_data()
    {
        QTest::addColumn<QDateTime>("instant");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("hour");
        QTest::newRow("utc") << utc("2025-03-01T08:30:00Z") << "UTC"
                             << "2025-03-01" << 8;
        QTest::newRow("ahead of utc crosses midnight") << utc("2025-03-01T23:30:00Z") << "Asia/Shanghai"
                                                       << "2025-03-02" << 7;
        QTest::newRow("behind utc") << utc("2025-03-01T02:00:00Z") << "America/New_York"
                                    << "2025-02-28" << 21;
        QTest::newRow("summer time in Berlin") << utc("2026-06-30T22:15:00Z") << "Europe/Berlin"
                                               << "2026-07-01" << 0;
        QTest::newRow("early year") << utc("0999-01-05T12:00:00Z") << "UTC"
                                    << "0999-01-05" << 12;
    }

    void dayKeysAreTheLocalDateInAsciiDigits()
    {
        QFETCH(QDateTime, instant);
        QFETCH(QString, zone);
        QFETCH(QString, key);
        QFETCH(int, hour);
        const LocalCalendar calendar{QTimeZone(zone.toLatin1())};
        QCOMPARE(calendar.dayKey(instant), key);
        QCOMPARE(calendar.hour(instant), hour);
    }

    void dayKeysIgnoreTheLocale()
    {
        // Arabic locales print Eastern Arabic digits by default; keys must not.
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QString key = LocalCalendar(QTimeZone::utc()).dayKey(utc("2025-11-09T10:00:00Z"));
        QLocale::setDefault(previous);
        QCOMPARE(key, QStringLiteral("2025-11-09"));
    }

    void dayKeysSortInDateOrder()
    {
        const LocalCalendar calendar(QTimeZone::utc());
        QVERIFY(calendar.dayKey(utc("2025-09-30T00:00:00Z")) < calendar.dayKey(utc("2025-10-01T00:00:00Z")));
        QVERIFY(calendar.dayKey(utc("2025-12-31T00:00:00Z")) < calendar.dayKey(utc("2026-01-01T00:00:00Z")));
    }

    void calendarDaysAcrossDaylightSavingKeepTheLocalTime()
    {
        const LocalCalendar calendar(kBerlin);
        // 2026-03-29: clocks go from 02:00 to 03:00. Noon the day before to noon that day is 23 hours.
        const QDateTime saturdayNoon = utc("2026-03-28T11:00:00Z");
        const QDateTime sundayNoon = calendar.addDays(saturdayNoon, 1);
        QCOMPARE(sundayNoon.toUTC(), utc("2026-03-29T10:00:00Z"));
        QCOMPARE(saturdayNoon.secsTo(sundayNoon), 23 * 3600);
        QCOMPARE(calendar.hour(sundayNoon), 12);

        // Ninety days back from a summer morning lands on the same local hour in winter time.
        const QDateTime summer = utc("2026-06-26T22:30:00Z"); // 00:30 on 27 June in Berlin
        const QDateTime back = calendar.addDays(summer, -90);
        QCOMPARE(calendar.dayKey(back), QStringLiteral("2026-03-29"));
        QCOMPARE(calendar.hour(back), 0);
        QCOMPARE(calendar.dayKey(summer.addSecs(-90LL * 86400)), QStringLiteral("2026-03-28"));

        QVERIFY(!calendar.addDays(QDateTime(), 1).isValid());
    }

    void anInvalidZoneFallsBackToUtc()
    {
        const LocalCalendar calendar{QTimeZone(QByteArrayLiteral("Not/AZone"))};
        QCOMPARE(calendar.hour(utc("2025-03-01T08:30:00Z")), 8);
    }
};

QTEST_GUILESS_MAIN(LocalCalendarTest)
#include "tst_localcalendar.moc"
