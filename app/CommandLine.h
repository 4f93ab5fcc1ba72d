// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// tavrin with options of its own: commands that end at once and never start the application. Without options
// main() starts Tavrin (or, through the single instance, opens the running one's dashboard).
namespace CommandLine {

// Runs the command the arguments ask for and returns the exit status: 0 done, 1 failed, 2 a usage error.
// Needs a QCoreApplication.
int run(const QStringList& arguments);
// The arguments without the options every Qt program takes (-platform xcb, -display :1, -style Fusion,
// -session ID and the like, with one dash or two): what is left makes tavrin a command.
QStringList withoutQtOptions(const QStringList& arguments);

} // namespace CommandLine
