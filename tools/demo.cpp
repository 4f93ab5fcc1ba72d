// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real tavrin and tavrin-widget in a private desktop (see tests/e2e/session.sh), shows each window
// the way a user would reach it, and saves a picture of each for a person to look at: make demo.
//
// Usage: tavrin_demo TAVRIN TAVRIN_WIDGET OUTPUT_FOLDER

#include "AppSettings.h"
#include "DesktopDriver.h"
#include "LocalCalendar.h"
#include "OwnTranslation.h"
#include "SettingsStore.h"
#include "SettingsUserDefaults.h"
#include "TavrinWindows.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>

#include <sqlite3.h>

using namespace DesktopDriver;
using namespace TavrinWindows;

namespace {

// A window's title as the session's language shows it: the English demo (LANGUAGE=en) finds its windows by the
// English titles of the catalogues.
QString shown(const QString& title)
{
    static const QHash<QString, QString> english{
        {kSettings, QStringLiteral("Tavrin settings")},
        {kHistory, QStringLiteral("Usage history")},
        {kPanel, QStringLiteral("Tavrin status")},
        {kBanner, QStringLiteral("Time for a break")},
        {kWaitingForPause, QStringLiteral("Break at next pause")},
        {kWidget, QStringLiteral("Work status")},
    };
    return OwnTranslation::systemIsChinese() ? title : english.value(title, title);
}

QString g_output;
int g_failures = 0;

void note(const QString& text)
{
    fprintf(stderr, "demo: %s\n", qPrintable(text));
}

// A picture of nearly one colour is a window that has not drawn yet (or a drawing fault).
bool looksBlank(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size() <= 16;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QImage grabWhenDrawn(quint64 window)
{
    QImage picture;
    for (int attempt = 0; attempt < 50 && (picture.isNull() || looksBlank(picture)); ++attempt) {
        wait(100);
        picture = grab(geometry(window));
    }
    return picture;
}

void shoot(const QString& name, const QImage& picture)
{
    QDir().mkpath(g_output);
    if (looksBlank(picture) || !picture.save(g_output + u'/' + name + QStringLiteral(".png"))) {
        note(name + QStringLiteral(": no picture"));
        ++g_failures;
        return;
    }
    note(QStringLiteral("%1/%2.png").arg(g_output, name));
}

// A morning's usage and yesterday's total, so that the chart and the trend have something to show.
void seedUsage()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tavrin";
    QDir().mkpath(folder);
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(folder + "/data.db").constData(), &db) != SQLITE_OK) {
        note(QStringLiteral("cannot seed the database"));
        return;
    }
    sqlite3_exec(db,
                 "CREATE TABLE IF NOT EXISTS usage_hourly (day TEXT NOT NULL, hour INTEGER NOT NULL, active_seconds "
                 "INTEGER NOT NULL DEFAULT 0, fatigue_peak REAL NOT NULL DEFAULT 0, PRIMARY KEY (day, hour))",
                 nullptr, nullptr, nullptr);
    const LocalCalendar calendar;
    const QDateTime now = QDateTime::currentDateTime();
    const QString today = calendar.dayKey(now);
    const QString yesterday = calendar.dayKey(calendar.addDays(now, -1));
    const int hour = calendar.hour(now);
    const double peaks[] = {38, 64, 91, 47, 72, 55, 83, 36};
    for (int i = 0; i < 8 && hour - 1 - i >= 0; ++i) {
        const QString sql = QStringLiteral("INSERT INTO usage_hourly VALUES('%1', %2, %3, %4)")
                                .arg(today)
                                .arg(hour - 1 - i)
                                .arg(2400 + 300 * (i % 3))
                                .arg(peaks[i]);
        sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, QStringLiteral("INSERT INTO usage_hourly VALUES('%1', 10, 9000, 80)").arg(yesterday).toUtf8(),
                 nullptr, nullptr, nullptr);
    // The weeks before, for the history: working days of a few hours, quieter weekends, breaks taken,
    // skipped and put off.
    sqlite3_exec(db,
                 "CREATE TABLE IF NOT EXISTS break_events (id INTEGER PRIMARY KEY AUTOINCREMENT, started_at TEXT NOT "
                 "NULL, ended_at TEXT, duration_s INTEGER, skipped INTEGER NOT NULL DEFAULT 0, trigger TEXT, "
                 "postponed INTEGER NOT NULL DEFAULT 0)",
                 nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int back = 2; back < 90; ++back) {
        const QDateTime day = calendar.addDays(now, -back);
        const bool weekend = day.date().dayOfWeek() >= 6;
        const int hours = weekend ? back % 3 : 4 + (back * 7) % 5;
        for (int h = 0; h < hours; ++h) {
            const QString sql = QStringLiteral("INSERT INTO usage_hourly VALUES('%1', %2, %3, %4)")
                                    .arg(calendar.dayKey(day))
                                    .arg(9 + h)
                                    .arg(1500 + (back * 131 + h * 577) % 2100)
                                    .arg(35 + (back * 13 + h * 29) % 64);
            sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
            const QDateTime started = day.date().startOfDay().addSecs(3600 * (9 + h) + 2700).toUTC();
            const int kind = (back + h) % 7; // mostly completed
            const QString breakSql =
                QStringLiteral("INSERT INTO break_events(started_at, ended_at, duration_s, skipped, trigger, postponed)"
                               " VALUES('%1', '%2', 300, %3, 'work_reached', %4)")
                    .arg(started.toString(Qt::ISODate), started.addSecs(300).toString(Qt::ISODate))
                    .arg(kind >= 5 ? 1 : 0)
                    .arg(kind == 6 ? 1 : 0);
            sqlite3_exec(db, breakSql.toUtf8().constData(), nullptr, nullptr, nullptr);
        }
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void storeSettings(const std::function<void(AppSettings&)>& change)
{
    AppSettings settings;
    settings.rule.restSeconds = 20;
    change(settings);
    SettingsUserDefaults().setData(SettingsStore::kKey, settings.toJson());
}

// Picks an entry of the dashboard's "更多" menu by the keys that reach it.
void moreMenu(quint64 dashboard, const QString& keys)
{
    click(quickAction(dashboard, QuickAction::more));
    wait(400);
    key(keys);
    // Away from the buttons, so that no tooltip covers the picture.
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("5"), QStringLiteral("1000")});
    wait(800);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        note(QStringLiteral("usage: tavrin_demo TAVRIN TAVRIN_WIDGET OUTPUT_FOLDER"));
        return 2;
    }
    const QString tavrinProgram = QString::fromLocal8Bit(argv[1]);
    const QString widgetProgram = QString::fromLocal8Bit(argv[2]);
    g_output = QString::fromLocal8Bit(argv[3]);

    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] { nudgePointer(); });
    user.start(700);

    seedUsage();
    storeSettings([](AppSettings&) {});
    QProcess tavrin;
    tavrin.setProcessChannelMode(QProcess::ForwardedChannels);
    tavrin.start(tavrinProgram);

    const auto dashboard = waitForWindow(kDashboard, 15000);
    if (!dashboard) {
        note(QStringLiteral("the dashboard did not open"));
        return 1;
    }
    wait(4000);
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("5"), QStringLiteral("1000")});
    shoot(QStringLiteral("dashboard-light"), grabWhenDrawn(*dashboard));

    const QString displayMode = QStringLiteral("Down Down Down Down Return"); // past 暂停提醒, 使用历史, 关于
    moreMenu(*dashboard, displayMode);
    shoot(QStringLiteral("dashboard-dark"), grabWhenDrawn(*dashboard));
    moreMenu(*dashboard, displayMode);
    // The history of the last month, in both themes.
    moreMenu(*dashboard, QStringLiteral("Down Down Return"));
    if (const auto history = waitForWindow(shown(kHistory), 5000)) {
        activate(*history);
        const QRect frame = geometry(*history);
        click(QPoint(frame.right() - 197, frame.top() + 40)); // 近 90 天, left of 导出 CSV…
        wait(600);
        shoot(QStringLiteral("history-light"), grabWhenDrawn(*history));
        closeWindow(*history);
        moreMenu(*dashboard, displayMode);
        moreMenu(*dashboard, QStringLiteral("Down Down Return"));
        if (const auto dark = waitForWindow(shown(kHistory), 5000)) {
            const QRect place = geometry(*dark);
            click(QPoint(place.right() - 197, place.top() + 40));
            wait(600);
            shoot(QStringLiteral("history-dark"), grabWhenDrawn(*dark));
            closeWindow(*dark);
        }
        moreMenu(*dashboard, displayMode);
    } else {
        note(QStringLiteral("no history window"));
        ++g_failures;
    }
    // Reminders paused for half an hour: the dashboard and the panel say until when.
    moreMenu(*dashboard, QStringLiteral("Down Right Return"));
    shoot(QStringLiteral("dashboard-paused"), grabWhenDrawn(*dashboard));

    const QList<quint64> icons = trayIcons(kClass);
    if (!icons.isEmpty()) {
        click(geometry(icons.first()).center());
        if (const auto panel = waitForWindow(shown(kPanel), 5000)) {
            shoot(QStringLiteral("panel"), grabWhenDrawn(*panel));
            moreMenu(*dashboard, QStringLiteral("Down Return")); // 恢复提醒
        }
    } else {
        note(QStringLiteral("no tray icon"));
        ++g_failures;
    }

    activate(*dashboard);
    click(quickAction(*dashboard, QuickAction::settings));
    if (const auto settings = waitForWindow(shown(kSettings), 5000)) {
        shoot(QStringLiteral("settings"), grabWhenDrawn(*settings));
        // Further down: 推迟时长 at the end of the notification section, and 免打扰.
        const QRect area = geometry(*settings);
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(area.center().x()), QString::number(area.center().y())});
        for (int step = 0; step < 14; ++step) {
            run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("5")});
        }
        wait(600);
        shoot(QStringLiteral("settings-quiet"), grabWhenDrawn(*settings));
        closeWindow(*settings);
    }

    activate(*dashboard);
    click(quickAction(*dashboard, QuickAction::rest));
    if (waitForWindow(kOverlay, 5000)) {
        wait(2500); // the fade-in and a tip
        shoot(QStringLiteral("overlay"), grab());
        for (int second = 0; second < 30 && !windows(kOverlay).isEmpty(); ++second) {
            wait(1000);
        }
    }

    // The widget beside the running app.
    QProcess widget;
    widget.start(widgetProgram);
    if (const auto window = waitForWindow(shown(kWidget), 10000)) {
        shoot(QStringLiteral("widget"), grabWhenDrawn(*window));
        // Reminders paused from the shell: the widget says so.
        QProcess::execute(tavrinProgram, {QStringLiteral("--pause"), QStringLiteral("30")});
        wait(25000); // the widget is asked to reload at most every 20 s
        shoot(QStringLiteral("widget-paused"), grabWhenDrawn(*window));
        QProcess::execute(tavrinProgram, {QStringLiteral("--resume")});
    }
    widget.terminate();
    widget.waitForFinished(5000);

    // A break that comes by itself offers to put it off, beside the skip button.
    tavrin.terminate();
    tavrin.waitForFinished(10000);
    storeSettings([](AppSettings& settings) {
        settings.notifyBeforeOverlay = false;
        settings.rule.workSeconds = 8;
    });
    tavrin.start(tavrinProgram);
    if (waitForWindow(kOverlay, 30000)) {
        wait(2500);
        shoot(QStringLiteral("overlay-postpone"), grab());
    } else {
        note(QStringLiteral("no automatic break"));
        ++g_failures;
    }

    // The guided moves: the side bend at two moments, to one side and to the other.
    tavrin.terminate();
    tavrin.waitForFinished(10000);
    storeSettings([](AppSettings& settings) {
        settings.notifyBeforeOverlay = false;
        settings.rule.workSeconds = 8;
        settings.guideDuringBreak = true;
        settings.excludedMoves = {QStringLiteral("chin-tuck")};
    });
    tavrin.start(tavrinProgram);
    if (waitForWindow(kOverlay, 30000)) {
        wait(5500);
        shoot(QStringLiteral("overlay-guide-left"), grab());
        wait(10000);
        shoot(QStringLiteral("overlay-guide-right"), grab());
    } else {
        note(QStringLiteral("no break with the guide"));
        ++g_failures;
    }

    // The banner style: a short work period, then the reminder in the corner.
    tavrin.terminate();
    tavrin.waitForFinished(10000);
    storeSettings([](AppSettings& settings) {
        settings.reminderStyle = ReminderStyle::banner;
        settings.rule.workSeconds = 8;
    });
    tavrin.start(tavrinProgram);
    if (const auto banner = waitForWindow(shown(kBanner), 30000)) {
        wait(800);
        shoot(QStringLiteral("banner"), grab(geometry(*banner).adjusted(-16, -16, 16, 16)));
    } else {
        note(QStringLiteral("no banner"));
        ++g_failures;
    }

    // Started at a pause: after the notice, while the person types, the banner says the break waits.
    tavrin.terminate();
    tavrin.waitForFinished(10000);
    storeSettings([](AppSettings& settings) {
        settings.startBreakAtPause = true;
        settings.rule.workSeconds = 8;
    });
    tavrin.start(tavrinProgram);
    std::optional<quint64> waiting;
    for (int turn = 0; turn < 200 && !waiting; ++turn) {
        nudgePointer();
        wait(200);
        if (const QList<quint64> found = windows(shown(kWaitingForPause)); !found.isEmpty()) {
            waiting = found.first();
        }
    }
    if (waiting) {
        shoot(QStringLiteral("banner-at-pause"), grab(geometry(*waiting).adjusted(-16, -16, 16, 16)));
    } else {
        note(QStringLiteral("no wait for a pause"));
        ++g_failures;
    }
    tavrin.terminate();
    tavrin.waitForFinished(10000);
    return g_failures == 0 ? 0 : 1;
}
