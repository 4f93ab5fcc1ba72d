// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts (the file dialog, the context menu of a text field, the buttons of a message box) in
// Simplified Chinese like the rest of Tavrin, from the Qt translations installed with Qt.
namespace QtTranslations {

// Loads qtbase_zh_CN into the application, once. False when the file is not installed: Qt's texts then
// stay English.
bool install();

} // namespace QtTranslations
