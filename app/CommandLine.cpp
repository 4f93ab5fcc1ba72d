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
#include <QRegularExpression>
#include <QTextStream>

#include <functional>
#include <optional>
#include <vector>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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

// What a command has to work with: its option's value, where to write, and whether --json was given.
struct Invocation
{
    QString value;
    bool json = false;
    QTextStream& out;
    QTextStream& err;

    int usageError(const QString& text) const
    {
        err << "tavrin: " << text << '\n' << Texts::tr("用法见 tavrin --help") << Qt::endl;
        return 2;
    }
    int failed(const QString& message) const
    {
        err << QStringLiteral("tavrin: ") << message << Qt::endl;
        return 1;
    }
};

// Calls the running Tavrin; without one, or when the call fails, says why.
std::optional<QDBusMessage> ask(const Invocation& invocation, const QString& method, const QVariantList& arguments = {})
{
    if (!isRunning()) {
        invocation.failed(Texts::tr("Tavrin 没有在运行"));
        return std::nullopt;
    }
    QDBusMessage reply = call(method, arguments);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        invocation.failed(reply.errorMessage());
        return std::nullopt;
    }
    return reply;
}

// A command that only asks the running Tavrin to do something.
auto asking(const QString& method, const QVariantList& arguments = {})
{
    return [method, arguments](const Invocation& invocation) { return ask(invocation, method, arguments) ? 0 : 1; };
}

int exportHistory(const Invocation& invocation)
{
    const QString& folder = invocation.value;
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
                                    {QStringLiteral("breaks.csv"), UsageDatabase::kBreakColumns, {}},
                                    {QStringLiteral("micro_pauses.csv"), UsageDatabase::kMicroPauseColumns, {}}},
                                   &error);
    }
    if (!written) {
        invocation.err << Texts::tr("tavrin: 导出失败：") << error << Qt::endl;
        return 1;
    }
    invocation.out << Texts::tr("已导出 usage.csv、breaks.csv 和 micro_pauses.csv 到 %1").arg(folder) << Qt::endl;
    return 0;
}

int pauseReminders(const Invocation& invocation)
{
    // Digits only, as a person writes minutes: no sign, no blanks, no more digits than the longest pause has.
    static const QRegularExpression kMinutes(QStringLiteral("^[0-9]{1,4}$"));
    bool number = kMinutes.match(invocation.value).hasMatch();
    const uint minutes = number ? invocation.value.toUInt(&number) : 0;
    if (invocation.value == u"tomorrow") {
        return asking(QStringLiteral("PauseUntilTomorrow"))(invocation);
    }
    if (!number || minutes < 1 || minutes > ControlAdaptor::kLongestPauseMinutes) {
        return invocation.usageError(
            Texts::tr("--pause 需要 1 到 %1 之间的分钟数，或 tomorrow").arg(ControlAdaptor::kLongestPauseMinutes));
    }
    return asking(QStringLiteral("Pause"), {QVariant::fromValue(minutes)})(invocation);
}

int setMeeting(const Invocation& invocation)
{
    const QString& choice = invocation.value;
    if (choice != u"on" && choice != u"off" && choice != u"toggle") {
        return invocation.usageError(Texts::tr("--meeting 需要 on、off 或 toggle"));
    }
    bool on = choice == u"on";
    if (choice == u"toggle") {
        const auto current = ask(invocation, QStringLiteral("Status"));
        if (!current) {
            return 1;
        }
        on = !qdbus_cast<QVariantMap>(current->arguments().value(0)).value(QStringLiteral("meeting")).toBool();
    }
    return asking(QStringLiteral("SetMeeting"), {on})(invocation);
}

int printStatus(const Invocation& invocation)
{
    const auto reply = ask(invocation, QStringLiteral("Status"));
    if (!reply) {
        return 1;
    }
    const QVariantMap current = qdbus_cast<QVariantMap>(reply->arguments().value(0));
    invocation.out << (invocation.json ? StatusReport::json(current) : StatusReport::line(current)) << Qt::endl;
    return 0;
}

int watchStatus(const Invocation& invocation)
{
    // A watch listens before it asks, so that no change between the answer and the first signal is lost,
    // and it ends with Tavrin: a status bar restarts it (waybar: restart-interval).
    StatusWatch printer(invocation.out);
    QDBusServiceWatcher gone;
    QDBusConnection bus = QDBusConnection::sessionBus();
    gone.setConnection(bus);
    gone.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    gone.addWatchedService(SingleInstance::kServiceName);
    QObject::connect(&gone, &QDBusServiceWatcher::serviceUnregistered, [] { QCoreApplication::exit(1); });
    bus.connect(SingleInstance::kServiceName, SingleInstance::kObjectPath, ControlAdaptor::kInterface,
                QStringLiteral("StatusChanged"), &printer, SLOT(print(QVariantMap)));
    const auto reply = ask(invocation, QStringLiteral("Status"));
    if (!reply) {
        return 1;
    }
    printer.print(qdbus_cast<QVariantMap>(reply->arguments().value(0)));
    return QCoreApplication::exec();
}

// One command of the command line: its option, and what it does.
struct Command
{
    QCommandLineOption option;
    std::function<int(const Invocation&)> run;
};

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
    parser.setApplicationDescription(Texts::tr("Tavrin：守护颈椎健康的休息提醒。不带选项时启动 Tavrin，"
                                               "已在运行时打开它的仪表盘；带选项时控制正在运行的 Tavrin。"));
    const auto opening = [](TavrinWindow window) {
        return asking(QStringLiteral("OpenWindow"), {WindowNames::name(window)});
    };
    // In the order of tavrin --help.
    const auto option = [](const QString& name, const QString& description, const QString& valueName = {}) {
        return QCommandLineOption(name, description, valueName);
    };
    const std::vector<Command> commands{
        {option(QStringLiteral("break-now"), Texts::tr("立即休息")), asking(QStringLiteral("BreakNow"))},
        {option(QStringLiteral("micro-pause"), Texts::tr("立即微休息（需在设置中开启微休息）")),
         asking(QStringLiteral("MicroPause"))},
        {option(QStringLiteral("pause"),
                Texts::tr("暂停提醒 MINUTES 分钟（1 到 %1），或 tomorrow：直到明天")
                    .arg(ControlAdaptor::kLongestPauseMinutes),
                QStringLiteral("MINUTES|tomorrow")),
         pauseReminders},
        {option(QStringLiteral("resume"), Texts::tr("恢复提醒")), asking(QStringLiteral("Resume"))},
        {option(QStringLiteral("meeting"), Texts::tr("打开、关闭或切换会议/观影模式"), QStringLiteral("on|off|toggle")),
         setMeeting},
        {option(WindowNames::name(TavrinWindow::dashboard), Texts::tr("打开仪表盘")), opening(TavrinWindow::dashboard)},
        {option(WindowNames::name(TavrinWindow::settings), Texts::tr("打开设置")), opening(TavrinWindow::settings)},
        {option(WindowNames::name(TavrinWindow::history), Texts::tr("打开使用历史")), opening(TavrinWindow::history)},
        {option(QStringLiteral("quit"), Texts::tr("保存今日数据后退出 Tavrin")), asking(QStringLiteral("Quit"))},
        {option(QStringLiteral("status"), Texts::tr("显示当前状态")), printStatus},
        {option(QStringLiteral("watch"), Texts::tr("先显示一行 JSON 状态，之后每次变化再显示一行（给 waybar 用）")),
         watchStatus},
        {option(QStringLiteral("export"),
                Texts::tr("把全部使用记录和休息记录导出为 FOLDER 中的 usage.csv 和 breaks.csv（无需 Tavrin 在运行）"),
                QStringLiteral("FOLDER")),
         exportHistory},
        {QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, Texts::tr("显示版本")),
         [](const Invocation& invocation) {
             invocation.out << "tavrin " << QStringLiteral(TAVRIN_VERSION) << Qt::endl;
             return 0;
         }},
        {QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, Texts::tr("显示这段帮助")),
         [&parser](const Invocation& invocation) {
             invocation.out << parser.helpText();
             return 0;
         }},
    };
    for (const Command& command : commands) {
        parser.addOption(command.option);
    }
    const QCommandLineOption json(QStringLiteral("json"), Texts::tr("与 --status 一起：以一行 JSON 显示"));
    parser.addOption(json);

    const bool parsed = parser.parse(arguments);
    Invocation invocation{{}, parsed && parser.isSet(json), out, err};
    if (!parsed) {
        return invocation.usageError(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return invocation.usageError(Texts::tr("多余的参数：%1").arg(parser.positionalArguments().join(u' ')));
    }
    std::vector<const Command*> chosen;
    for (const Command& command : commands) {
        if (parser.isSet(command.option)) {
            chosen.push_back(&command);
        }
    }
    if (chosen.size() != 1) {
        return invocation.usageError(chosen.empty() ? Texts::tr("没有要执行的命令")
                                                    : Texts::tr("一次只能执行一个命令"));
    }
    const Command& command = *chosen.front();
    const QString name = command.option.names().constLast();
    if (invocation.json && name != u"status" && name != u"watch") {
        return invocation.usageError(Texts::tr("--json 只能与 --status 或 --watch 一起使用"));
    }
    invocation.value = command.option.valueName().isEmpty() ? QString() : parser.value(command.option);
    return command.run(invocation);
}

} // namespace CommandLine

#include "CommandLine.moc"
