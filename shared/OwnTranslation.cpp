// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTranslator>

namespace OwnTranslation {

bool systemIsChinese(const Environment& environment)
{
    QByteArray locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(variable);
        if (!locale.isEmpty()) {
            break;
        }
    }
    QByteArray language = locale;
    if (!locale.isEmpty() && locale != "C" && locale != "POSIX") {
        for (const QByteArray& entry : environment("LANGUAGE").split(':')) {
            if (!entry.isEmpty()) {
                language = entry;
                break;
            }
        }
    }
    return language == "zh" || language.startsWith("zh_") || language.startsWith("zh.") || language.startsWith("zh@");
}

bool isChinese(const QString& choice, const Environment& environment)
{
    if (choice == u"zh_CN") {
        return true;
    }
    return choice != u"en" && systemIsChinese(environment);
}

bool install(const QString& program, bool chinese)
{
    if (chinese) {
        return true;
    }
    // Beside the program (the build tree, or /usr/bin next to /usr/share), then the data folders.
    QStringList folders{
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tavrin/translations"))};
    folders += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("tavrin/translations"),
                                         QStandardPaths::LocateDirectory);
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(program + QStringLiteral("_en"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace OwnTranslation
