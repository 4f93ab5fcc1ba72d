// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnTranslation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

bool OwnTranslation::install(const QString& program)
{
    const QStringList folders = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("tavrin/translations"), QStandardPaths::LocateDirectory);
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale(), program, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}
