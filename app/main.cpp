// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: builds the real objects and hands them to each other.

#include "Accessibility.h"
#include "ActivityMonitor.h"
#include "AppFonts.h"
#include "AppState.h"
#include "BackgroundImport.h"
#include "BreakOverlayPresenter.h"
#include "CallActivityMonitor.h"
#include "CanberraSoundPlayer.h"
#include "CommandLine.h"
#include "ControlAdaptor.h"
#include "DBusWidgetReloader.h"
#include "DataPaths.h"
#include "DesktopIntegrations.h"
#include "FullScreenWindowMonitor.h"
#include "IdleSourceFactory.h"
#include "OwnTranslation.h"
#include "PlatformPlugin.h"
#include "PlatformSystemEvents.h"
#include "PortalColorScheme.h"
#include "QtBannerWindowLayer.h"
#include "QtMicroPauseCards.h"
#include "QtOverlayWindowLayer.h"
#include "QtScheduler.h"
#include "QtTranslations.h"
#include "ReminderBannerPresenter.h"
#include "SettingsUserDefaults.h"
#include "SingleInstance.h"
#include "SyslogSystemLog.h"
#include "SystemClock.h"
#include "TavrinApp.h"
#include "TavrinFont.h"
#include "ThemeAppearance.h"
#include "TimeZoneWatch.h"
#include "UsageDatabase.h"
#include "WidgetSharedStore.h"
#include "WidgetSnapshotPublisher.h"
#include "X11TaskbarPresence.h"
#include "XdgAutostartLoginItem.h"

#include <QApplication>
#include <QDBusConnection>
#include <QStandardPaths>
#include <QTextStream>

#include <malloc.h>

namespace {

// Whether the texts are Chinese, by the language stored in the settings (a change applies at the next start).
// A first look of its own: the settings proper are read once their messages are in that language.
bool chineseTexts()
{
    SettingsUserDefaults defaults;
    const auto settings = AppSettings::fromJson(defaults.data(SettingsStore::kKey).value_or(QByteArray()));
    return OwnTranslation::isChinese(rawValue(settings ? settings->language : LanguageChoice::system));
}

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? DataPaths::applicationFolder() : runtime;
}

} // namespace

int main(int argc, char* argv[])
{
    // With options of its own Tavrin is a command that ends at once: no window system, no second instance.
    // Qt's own options (-platform, -display, -style…) start it as they start any Qt program.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    arguments = CommandLine::withoutQtOptions(arguments);
    if (arguments.size() > 1) {
        QCoreApplication app(argc, argv);
        const bool chinese = chineseTexts();
        QtTranslations::install(chinese);
        OwnTranslation::install(QStringLiteral("tavrin"), chinese);
        return CommandLine::run(arguments);
    }
    PlatformPlugin::choose();
    QApplication app(argc, argv);
    Accessibility::install();
    QApplication::setOrganizationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    SyslogSystemLog log;
    // Before anything can be logged: the log reads its messages in the person's language.
    const bool chinese = chineseTexts();
    if (!QtTranslations::install(chinese)) {
        log.log(QString::fromUtf8(
                    QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 找不到 Qt 的中文翻译，Qt 自带的文字将显示为英文")),
                QString());
    }
    if (!OwnTranslation::install(QStringLiteral("tavrin"), chinese)) {
        log.log(QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 找不到英文翻译，文字将显示为中文")),
                QString());
    }
    SingleInstance instance(QDBusConnection::sessionBus(), runtimeFolder(), log);
    if (!instance.claim()) {
        if (const auto& problem = instance.problem()) {
            // Said on standard error too (the log does both): the person who started it learns why.
            log.log(QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 无法使用运行锁，未启动：")), *problem);
            return 1;
        }
        // The running Tavrin opens its dashboard instead.
        return 0;
    }

    if (PlatformPlugin::isNativeWayland()) {
        log.log(
            QString::fromUtf8(QT_TRANSLATE_NOOP(
                "SystemLog", "Tavrin: 没有 XWayland，以 Wayland 窗口运行：休息画面和横幅只能在合成器允许的位置显示")),
            QString());
    }
    SettingsUserDefaults defaults;
    if (AppFonts::install()) {
        // Controls that set no font of their own (menus, tooltips, dialogs) draw from it too.
        QApplication::setFont(TavrinFont::make(13));
    } else {
        log.log(QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 无法加载内置字体，改用系统字体")), QString());
    }
    SystemClock clock;
    QtScheduler scheduler;
    LocalCalendar calendar;
    // The calendar's copies share its zone: the watch moves them all when the system's zone changes, unless TZ
    // in the environment has fixed it.
    std::optional<TimeZoneWatch> zoneWatch;
    if (!qEnvironmentVariableIsSet("TZ")) {
        zoneWatch.emplace(calendar, log);
    }
    PlatformSystemEvents events(log);
    if (zoneWatch) {
        QObject::connect(&*zoneWatch, &TimeZoneWatch::zoneChanged, &events, &SystemEvents::clockChanged);
    }

    const std::unique_ptr<IdleSource> idleSource = IdleSourceFactory::create(log);
    ActivityMonitor activity(*idleSource);
    const QString databasePath = UsageDatabase::defaultPath();
    UsageDatabase database(databasePath, log, clock, calendar);

    CanberraSoundPlayer sound;
    // Qt's Wayland plugin cannot set a window's opacity and would say so at every step of the fade-in.
    PortalColorScheme colorScheme;
    QtOverlayWindowLayer overlayWindows(!QGuiApplication::platformName().startsWith(u"wayland"),
                                        [&colorScheme] { return colorScheme.animationsEnabled(); });
    BreakOverlayPresenter overlay(overlayWindows, scheduler, sound, &defaults);
    QtBannerWindowLayer bannerWindow;
    ReminderBannerPresenter banner(bannerWindow, scheduler);
    QtMicroPauseCards microPauseCards([&colorScheme] { return colorScheme.animationsEnabled(); });

    DBusWidgetReloader reloader;
    WidgetSnapshotPublisher publisher(reloader, log, clock, WidgetSharedStore::snapshotPath());

    X11TaskbarPresence taskbar;
    ThemeAppearance appearance(&colorScheme);
    XdgAutostartLoginItem loginItem;

    CallActivityMonitor calls;
    FullScreenWindowMonitor fullScreen;

    SettingsStore settings(defaults, &log);
    const auto followLanguage = [&publisher](const AppSettings& chosen) {
        publisher.setLanguage(chosen.language == LanguageChoice::system ? std::nullopt
                                                                        : std::optional(rawValue(chosen.language)));
    };
    followLanguage(settings.settings());
    QObject::connect(&settings, &SettingsStore::settingsChanged, &app, followLanguage);
    DesktopIntegrations integrations(settings, events, scheduler,
                                     {taskbar, appearance, loginItem, calls, fullScreen, log});
    UsageRecorder recorder(database, defaults, log);
    AppState state({settings, recorder, activity, overlay, banner, microPauseCards, publisher, scheduler, clock, log,
                    events, calls, fullScreen, calendar});
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Tavrin_TavrinApp.bundle/logo.png")));
    TavrinApp shell(state, {appearance, clock, log, calendar, BackgroundImport::defaultFolder(), defaults, database});

    // Tell whoever started Tavrin from a terminal where it keeps its data and what it sees.
    QTextStream out(stdout);
    out << "Tavrin " << QStringLiteral(TAVRIN_VERSION) << '\n';
    out << "settings:        " << defaults.fileName() << '\n';
    out << "database:        " << databasePath << '\n';
    out << "widget snapshot: " << WidgetSharedStore::snapshotPath() << '\n';
    out << "idle source:     " << idleSource->name() << Qt::endl;

    // tavrin --status, --pause, … and status bars reach this instance through org.tavrin.Tavrin1.
    ControlAdaptor control(&instance, state,
                           {[&shell](TavrinWindow which) {
                                switch (which) {
                                case TavrinWindow::dashboard:
                                    shell.openDashboard();
                                    break;
                                case TavrinWindow::settings:
                                    shell.openSettings();
                                    break;
                                case TavrinWindow::history:
                                    shell.openHistory();
                                    break;
                                }
                            },
                            [] { QCoreApplication::quit(); }},
                           scheduler, clock);
    instance.exportAdaptors();

    QObject::connect(&instance, &SingleInstance::reopenRequested, &app, [&out, &shell] {
        out << "reopen requested" << Qt::endl;
        shell.reopen();
    });
    // A closed window leaves its memory in the allocator's free lists; hand it back, since Tavrin spends
    // most of its life in the tray.
    QObject::connect(&shell, &TavrinApp::windowDestroyed, &app, [] { malloc_trim(0); });
    shell.start();
    QObject::connect(&events, &SystemEvents::willSleep, &app, [&out] { out << "going to sleep" << Qt::endl; });
    QObject::connect(&events, &SystemEvents::willTerminate, &app, [&out] { out << "terminating" << Qt::endl; });
    return QApplication::exec();
}
