// SPDX-License-Identifier: GPL-3.0-or-later
// tavrin-widget: the desktop widget. It reads the snapshot that tavrin writes and never talks to it
// otherwise; tavrin's ReloadTimelines signal tells it when to read again.

#include "Accessibility.h"
#include "OwnTranslation.h"
#include "PlatformPlugin.h"
#include "PrivateFiles.h"
#include "QtScheduler.h"
#include "StatusWidgetWindow.h"
#include "SystemClock.h"
#include "TimelineHost.h"
#include "WidgetFonts.h"
#include "WidgetSharedStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(main)
};

} // namespace

int main(int argc, char* argv[])
{
    PlatformPlugin::choose();
    QApplication app(argc, argv);
    Accessibility::install();
    QApplication::setOrganizationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationName(QStringLiteral("TavrinWidget"));
    // In the language chosen in Tavrin, which the snapshot carries, else the desktop's.
    const auto snapshot = WidgetSharedStore::load();
    OwnTranslation::install(QStringLiteral("tavrin-widget"),
                            OwnTranslation::isChinese(snapshot ? snapshot->language.value_or(QString()) : QString()));
    QApplication::setApplicationDisplayName(WidgetConfiguration::displayName());
    QApplication::setStyle(QStringLiteral("Fusion"));
    WidgetFonts::install();

    QCommandLineParser parser;
    parser.setApplicationDescription(WidgetConfiguration::description());
    parser.addHelpOption();
    const QCommandLineOption preview(QStringLiteral("preview"),
                                     Texts::tr("显示小组件库中的预览（尚无数据时显示示例）。"));
    parser.addOption(preview);
    parser.process(app);

    // Where QSettings("Tavrin", "TavrinWidget") keeps the size and place, looked at before QSettings opens it: in
    // a FIFO it would wait for good. Anything but a regular file is left alone, and the place is kept for the run.
    const QString place = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                          QStringLiteral("/Tavrin/TavrinWidget.conf");
    const QTemporaryDir scratch;
    const bool usable = PrivateFiles::isRegularOrAbsent(place);
    if (!usable) {
        std::fprintf(stderr, "tavrin-widget: %s\n",
                     qPrintable(Texts::tr("%1 不是普通文件，大小和位置只在本次运行中保留").arg(place)));
    }
    QSettings settings(usable ? place : scratch.filePath(QStringLiteral("TavrinWidget.conf")), QSettings::IniFormat);
    PrivateFiles::ensureDirectory(QFileInfo(settings.fileName()).absolutePath());

    SystemClock clock;
    QtScheduler scheduler;
    TimelineHost host(
        scheduler, clock, [] { return WidgetSharedStore::load(); }, parser.isSet(preview));
    StatusWidgetWindow window(settings, scheduler);
    QObject::connect(&host, &TimelineHost::currentChanged, &window, &StatusWidgetWindow::showEntry);
    QDBusConnection::sessionBus().connect(QString(), QStringLiteral("/org/tavrin/WidgetCenter"),
                                          QStringLiteral("org.tavrin.WidgetCenter"), QStringLiteral("ReloadTimelines"),
                                          &host, SLOT(onReloadTimelines(QString)));
    host.start();
    window.show();
    return QApplication::exec();
}
