// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "ControlAdaptor.h"
#include "CsvExport.h"
#include "SingleInstance.h"
#include "StatusReport.h"
#include "SyslogSystemLog.h"
#include "SystemClock.h"
#include "UsageDatabase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QTextStream>

namespace {

constexpr int kCallTimeoutMs = 5000;

// Prints the running Tavrin's status once, then again on every StatusChanged, until Tavrin goes away.
class StatusWatch final : public QObject
{
    Q_OBJECT

public:
    explicit StatusWatch(QTextStream& out)
        : m_out(out)
    {
    }

public slots:
    void print(const QVariantMap& status) { m_out << StatusReport::json(status) << Qt::endl; }

private:
    QTextStream& m_out;
};

QDBusMessage call(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(SingleInstance::kServiceName, SingleInstance::kObjectPath,
                                                          ControlAdaptor::kInterface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
}

bool isRunning()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(SingleInstance::kServiceName).value();
}

int exportTo(const QString& folder, QTextStream& out, QTextStream& err)
{
    const QString database = UsageDatabase::defaultPath();
    QString error;
    bool written = false;
    if (QFile::exists(database)) {
        SyslogSystemLog log;
        SystemClock clock;
        // Read-only: an export never migrates, prunes or otherwise writes the file.
        UsageDatabase store(database, log, clock, LocalCalendar(), UsageDatabase::Access::readOnly);
        written = store.exportCsv(folder, &error);
    } else {
        // Nothing recorded yet: the files with their header rows.
        written = CsvExport::write(folder,
                                   {{QStringLiteral("usage.csv"), UsageDatabase::kUsageColumns, {}},
                                    {QStringLiteral("breaks.csv"), UsageDatabase::kBreakColumns, {}}},
                                   &error);
    }
    if (!written) {
        err << QStringLiteral("tavrin: 导出失败：") << error << Qt::endl;
        return 1;
    }
    out << QStringLiteral("已导出 usage.csv 和 breaks.csv 到 ") << folder << Qt::endl;
    return 0;
}

} // namespace

namespace CommandLine {

QStringList withoutQtOptions(const QStringList& arguments)
{
    // QGuiApplication's and QApplication's own options, and the X11 ones; those in the first list take a value.
    static const QStringList withValue{QStringLiteral("platform"),
                                       QStringLiteral("platformpluginpath"),
                                       QStringLiteral("platformtheme"),
                                       QStringLiteral("plugin"),
                                       QStringLiteral("qwindowgeometry"),
                                       QStringLiteral("qwindowicon"),
                                       QStringLiteral("qwindowtitle"),
                                       QStringLiteral("display"),
                                       QStringLiteral("geometry"),
                                       QStringLiteral("style"),
                                       QStringLiteral("stylesheet"),
                                       QStringLiteral("session"),
                                       QStringLiteral("name"),
                                       QStringLiteral("title"),
                                       QStringLiteral("visual"),
                                       QStringLiteral("qmljsdebugger"),
                                       QStringLiteral("fn"),
                                       QStringLiteral("font"),
                                       QStringLiteral("bg"),
                                       QStringLiteral("fg"),
                                       QStringLiteral("btn"),
                                       QStringLiteral("im"),
                                       QStringLiteral("inputstyle")};
    static const QStringList flags{QStringLiteral("reverse"),
                                   QStringLiteral("widgetcount"),
                                   QStringLiteral("nograb"),
                                   QStringLiteral("dograb"),
                                   QStringLiteral("sync"),
                                   QStringLiteral("testability"),
                                   QStringLiteral("qwindowsoftwarebackingstore")};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString name = argument;
        if (i > 0 && name.startsWith(u'-')) {
            name.remove(0, name.startsWith(QStringLiteral("--")) ? 2 : 1);
            const QString key = name.section(u'=', 0, 0);
            if (flags.contains(key) || (withValue.contains(key) && name.contains(u'='))) {
                continue;
            }
            if (withValue.contains(key) && i + 1 < arguments.size()) {
                ++i;
                continue;
            }
        }
        kept.append(argument);
    }
    return kept;
}

int run(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tavrin：守护颈椎健康的休息提醒。不带选项时启动 Tavrin，"
                                                    "已在运行时打开它的仪表盘；带选项时控制正在运行的 Tavrin。"));
    const QCommandLineOption breakNow(QStringLiteral("break-now"), QStringLiteral("立即休息"));
    const QCommandLineOption pause(QStringLiteral("pause"),
                                   QStringLiteral("暂停提醒 MINUTES 分钟（1 到 %1），或 tomorrow：直到明天")
                                       .arg(ControlAdaptor::kLongestPauseMinutes),
                                   QStringLiteral("MINUTES|tomorrow"));
    const QCommandLineOption resume(QStringLiteral("resume"), QStringLiteral("恢复提醒"));
    const QCommandLineOption meeting(QStringLiteral("meeting"), QStringLiteral("打开、关闭或切换会议/观影模式"),
                                     QStringLiteral("on|off|toggle"));
    const QCommandLineOption dashboard(WindowNames::name(TavrinWindow::dashboard), QStringLiteral("打开仪表盘"));
    const QCommandLineOption settings(WindowNames::name(TavrinWindow::settings), QStringLiteral("打开设置"));
    const QCommandLineOption history(WindowNames::name(TavrinWindow::history), QStringLiteral("打开使用历史"));
    const QCommandLineOption quit(QStringLiteral("quit"), QStringLiteral("保存今日数据后退出 Tavrin"));
    const QCommandLineOption status(QStringLiteral("status"), QStringLiteral("显示当前状态"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("与 --status 一起：以一行 JSON 显示"));
    const QCommandLineOption watch(QStringLiteral("watch"),
                                   QStringLiteral("先显示一行 JSON 状态，之后每次变化再显示一行（给 waybar 用）"));
    const QCommandLineOption exportCsv(
        QStringLiteral("export"),
        QStringLiteral("把全部使用记录和休息记录导出为 FOLDER 中的 usage.csv 和 breaks.csv（无需 Tavrin 在运行）"),
        QStringLiteral("FOLDER"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("显示版本"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("显示这段帮助"));
    const QList<QCommandLineOption> commands{breakNow, pause,  resume, meeting,   dashboard, settings, history,
                                             quit,     status, watch,  exportCsv, version,   help};
    parser.addOptions(commands);
    parser.addOption(json);

    int chosen = 0;
    const bool parsed = parser.parse(arguments);
    for (const QCommandLineOption& option : commands) {
        chosen += parsed && parser.isSet(option) ? 1 : 0;
    }
    const auto usageError = [&](const QString& text) {
        err << "tavrin: " << text << '\n' << QStringLiteral("用法见 tavrin --help") << Qt::endl;
        return 2;
    };
    if (!parsed) {
        return usageError(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(QStringLiteral("多余的参数：") + parser.positionalArguments().join(u' '));
    }
    if (chosen != 1) {
        return usageError(chosen == 0 ? QStringLiteral("没有要执行的命令") : QStringLiteral("一次只能执行一个命令"));
    }
    if (parser.isSet(json) && !parser.isSet(status) && !parser.isSet(watch)) {
        return usageError(QStringLiteral("--json 只能与 --status 或 --watch 一起使用"));
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out << "tavrin " << QStringLiteral(TAVRIN_VERSION) << Qt::endl;
        return 0;
    }
    if (parser.isSet(exportCsv)) {
        return exportTo(parser.value(exportCsv), out, err);
    }

    // Everything else is asked of the running Tavrin.
    QString method;
    QVariantList callArguments;
    if (parser.isSet(pause)) {
        const QString value = parser.value(pause);
        bool number = false;
        const uint minutes = value.toUInt(&number);
        if (value == u"tomorrow") {
            method = QStringLiteral("PauseUntilTomorrow");
        } else if (number && minutes >= 1 && minutes <= ControlAdaptor::kLongestPauseMinutes) {
            method = QStringLiteral("Pause");
            callArguments = {QVariant::fromValue(minutes)};
        } else {
            return usageError(QStringLiteral("--pause 需要 1 到 %1 之间的分钟数，或 tomorrow")
                                  .arg(ControlAdaptor::kLongestPauseMinutes));
        }
    } else if (parser.isSet(meeting)) {
        const QString value = parser.value(meeting);
        if (value != u"on" && value != u"off" && value != u"toggle") {
            return usageError(QStringLiteral("--meeting 需要 on、off 或 toggle"));
        }
        method = QStringLiteral("SetMeeting");
    }
    if (!isRunning()) {
        err << QStringLiteral("tavrin: Tavrin 没有在运行") << Qt::endl;
        return 1;
    }
    if (parser.isSet(meeting)) {
        bool on = parser.value(meeting) == u"on";
        if (parser.value(meeting) == u"toggle") {
            const QDBusReply<QVariantMap> current = call(QStringLiteral("Status"));
            if (!current.isValid()) {
                err << QStringLiteral("tavrin: ") << current.error().message() << Qt::endl;
                return 1;
            }
            on = !current.value().value(QStringLiteral("meeting")).toBool();
        }
        callArguments = {on};
    } else if (parser.isSet(breakNow)) {
        method = QStringLiteral("BreakNow");
    } else if (parser.isSet(resume)) {
        method = QStringLiteral("Resume");
    } else if (parser.isSet(quit)) {
        method = QStringLiteral("Quit");
    } else if (parser.isSet(dashboard) || parser.isSet(settings) || parser.isSet(history)) {
        method = QStringLiteral("OpenWindow");
        callArguments = {WindowNames::name(parser.isSet(dashboard)  ? TavrinWindow::dashboard
                                           : parser.isSet(settings) ? TavrinWindow::settings
                                                                    : TavrinWindow::history)};
    } else if (parser.isSet(status) || parser.isSet(watch)) {
        method = QStringLiteral("Status");
    }

    // A watch listens before it asks, so that no change between the answer and the first signal is lost,
    // and it ends with Tavrin: a status bar restarts it (waybar: restart-interval).
    StatusWatch printer(out);
    QDBusServiceWatcher gone;
    if (parser.isSet(watch)) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        gone.setConnection(bus);
        gone.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        gone.addWatchedService(SingleInstance::kServiceName);
        QObject::connect(&gone, &QDBusServiceWatcher::serviceUnregistered, [] { QCoreApplication::exit(1); });
        bus.connect(SingleInstance::kServiceName, SingleInstance::kObjectPath, ControlAdaptor::kInterface,
                    QStringLiteral("StatusChanged"), &printer, SLOT(print(QVariantMap)));
    }
    const QDBusMessage reply = call(method, callArguments);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        err << QStringLiteral("tavrin: ") << reply.errorMessage() << Qt::endl;
        return 1;
    }
    if (parser.isSet(status)) {
        const QVariantMap current = qdbus_cast<QVariantMap>(reply.arguments().value(0));
        if (parser.isSet(json)) {
            out << StatusReport::json(current) << Qt::endl;
        } else {
            out << StatusReport::line(current) << Qt::endl;
        }
        return 0;
    }
    if (parser.isSet(watch)) {
        printer.print(qdbus_cast<QVariantMap>(reply.arguments().value(0)));
        return QCoreApplication::exec();
    }
    return 0;
}

} // namespace CommandLine

#include "CommandLine.moc"
