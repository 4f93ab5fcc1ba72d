// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts (the file dialog, the context menu of a text field, the buttons of a message box) in the
// language of the rest of Tavrin: Qt's source is English, so only Chinese needs the Qt translations installed
// with Qt.
namespace QtTranslations {

// Loads qtbase_zh_CN into the application, once, for Chinese texts. False when it is needed and not installed:
// Qt's texts then stay English.
bool install(bool chinese);

} // namespace QtTranslations
