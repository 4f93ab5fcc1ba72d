#include "CommandLine.h"

#include "CsvExport.h"
#include "SyslogSystemLog.h"
#include "SystemClock.h"
#include "UsageDatabase.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

namespace CommandLine {

int run(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tavrin：守护颈椎健康的休息提醒。不带选项时启动 Tavrin，"
                                                    "已在运行时打开它的仪表盘。"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("显示这段帮助"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("显示版本"));
    const QCommandLineOption exportCsv(
        QStringLiteral("export"),
        QStringLiteral("把全部使用记录和休息记录导出为 FOLDER 中的 usage.csv 和 breaks.csv（无需 Tavrin 在运行）"),
        QStringLiteral("FOLDER"));
    parser.addOptions({help, version, exportCsv});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        err << "tavrin: "
            << (parser.errorText().isEmpty() ? QStringLiteral("多余的参数：") + parser.positionalArguments().join(u' ')
                                             : parser.errorText())
            << "\n"
            << QStringLiteral("用法见 tavrin --help") << Qt::endl;
        return 2;
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
        const QString folder = parser.value(exportCsv);
        const QString database = UsageDatabase::defaultPath();
        QString error;
        bool written = false;
        if (QFile::exists(database)) {
            SyslogSystemLog log;
            SystemClock clock;
            UsageDatabase store(database, log, clock);
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
    err << QStringLiteral("tavrin: 没有要执行的命令，用法见 tavrin --help") << Qt::endl;
    return 2;
}

} // namespace CommandLine
