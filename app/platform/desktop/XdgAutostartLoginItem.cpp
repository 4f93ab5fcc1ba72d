// SPDX-License-Identifier: GPL-3.0-or-later
#include "XdgAutostartLoginItem.h"

#include "PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {

const QString kEntryName = QStringLiteral("tavrin.desktop");

// The key=value lines of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString& path)
{
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return values;
    }
    bool inMainGroup = false;
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line)) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1StringView("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inMainGroup && equals > 0 && !line.startsWith(u'#')) {
            values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return values;
}

// The program of an Exec line: its first word, unquoted.
QString execProgram(const QString& exec)
{
    if (exec.startsWith(u'"')) {
        QString program;
        for (qsizetype i = 1; i < exec.size(); ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size()) {
                program += exec[++i];
            } else if (exec[i] == u'"') {
                break;
            } else {
                program += exec[i];
            }
        }
        return program;
    }
    return exec.section(u' ', 0, 0);
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem()
    : XdgAutostartLoginItem(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                QStringLiteral("/autostart"),
                            QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation),
                            QCoreApplication::applicationFilePath())
{
}

XdgAutostartLoginItem::XdgAutostartLoginItem(QString autostartFolder, QStringList applicationFolders,
                                             QString runningProgram)
    : m_autostartFolder(std::move(autostartFolder))
    , m_applicationFolders(std::move(applicationFolders))
    , m_runningProgram(std::move(runningProgram))
{
}

QString XdgAutostartLoginItem::entryPath() const
{
    return m_autostartFolder + u'/' + kEntryName;
}

QString XdgAutostartLoginItem::installedProgram() const
{
    const QString running = QFileInfo(m_runningProgram).canonicalFilePath();
    if (running.isEmpty()) {
        return {};
    }
    for (const QString& folder : m_applicationFolders) {
        const QString entry = folder + u'/' + kEntryName;
        if (!QFileInfo::exists(entry)) {
            continue;
        }
        const QString program = execProgram(desktopEntry(entry).value(QStringLiteral("Exec")));
        const QString resolved = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
        if (!resolved.isEmpty() && QFileInfo(resolved).canonicalFilePath() == running) {
            return running;
        }
    }
    return {};
}

bool XdgAutostartLoginItem::isInstalled() const
{
    return !installedProgram().isEmpty();
}

bool XdgAutostartLoginItem::isEnabled() const
{
    if (!QFileInfo::exists(entryPath())) {
        return false;
    }
    return desktopEntry(entryPath()).value(QStringLiteral("Hidden")) != QLatin1StringView("true");
}

bool XdgAutostartLoginItem::registerItem(QString* error)
{
    const QString program = installedProgram();
    if (program.isEmpty()) {
        *error = QStringLiteral("Tavrin is not installed");
        return false;
    }
    if (!PrivateFiles::ensureDirectory(m_autostartFolder)) {
        *error = QStringLiteral("cannot create ") + m_autostartFolder;
        return false;
    }
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QTextStream out(&file);
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=Tavrin\n"
        << "Comment=Reminds you to rest your neck and shoulders\n"
        << "Comment[zh_CN]=" << QStringLiteral("颈肩休息提醒") << '\n'
        << "Exec=" << execArgument(program) << '\n'
        << "Icon=tavrin\n"
        << "Terminal=false\n"
        << "X-GNOME-Autostart-enabled=true\n";
    out.flush();
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool XdgAutostartLoginItem::unregisterItem(QString* error)
{
    QFile file(entryPath());
    if (file.exists() && !file.remove()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString XdgAutostartLoginItem::execArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes =
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    QString quoted;
    if (needsQuotes) {
        quoted += u'"';
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
                quoted += u'\\';
            }
            quoted += c;
        }
        quoted += u'"';
    } else {
        quoted = argument;
    }
    // Exec is a string value: its backslashes are escaped once more.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    // A literal percent sign is written %% in Exec.
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted;
}
