// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Tavrin's texts are written in Chinese, in tr(). A translation of a program's texts for the person's
// languages (tavrin_en.qm, tavrin-widget_en.qm, …) is loaded from the data folders' tavrin/translations when
// one is installed; without one (as with every Tavrin today) the texts stay as written.
namespace OwnTranslation {

// Once per program, after the application object exists. True when a translation was loaded.
bool install(const QString& program);

} // namespace OwnTranslation
