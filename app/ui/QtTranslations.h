// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts (the file dialog, the context menu of a text field, the buttons of a message box) in
// Simplified Chinese like the rest of Tavrin, from the Qt translations installed with Qt.
namespace QtTranslations {

// Loads qtbase_zh_CN into the application, once. False when the file is not installed: Qt's texts then
// stay English.
bool install();

// Tavrin's own texts are written in Chinese, in tr(). A translation of them for the person's languages
// (tavrin_en.qm, …) is loaded from the data folders' tavrin/translations, once, when one is installed.
// Without one (as with every Tavrin today) the texts stay as written.
void installTavrin();

} // namespace QtTranslations
