// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Tavrin's texts are written in Chinese, in tr(): a Chinese desktop needs no translation. For any other, the
// English translation of a program's texts (tavrin_en.qm, tavrin-widget_en.qm) is loaded from
// share/tavrin/translations beside the program or in the data folders.
namespace OwnTranslation {

// Reads an environment variable.
using Environment = std::function<QByteArray(const char*)>;

// Whether the desktop's language is Chinese, read as gettext reads it: LANGUAGE (its first entry, unless the
// locale is exactly C or POSIX), then LC_ALL, LC_MESSAGES and LANG. Any zh locale is Chinese.
bool systemIsChinese(const Environment& environment = qgetenv);
// Whether the texts are shown in Chinese for a stored choice: "zh_CN", "en", or the system's for anything else.
bool isChinese(const QString& choice, const Environment& environment = qgetenv);

// Once per program, after the application object exists: the English translation unless the texts are shown in
// Chinese. True when the texts are in the language asked for.
bool install(const QString& program, bool chinese);

} // namespace OwnTranslation
