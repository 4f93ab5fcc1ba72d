// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// tavrin with options: commands that end at once and never start the application. Without options
// main() starts Tavrin (or, through the single instance, opens the running one's dashboard).
namespace CommandLine {

// Runs the command the arguments ask for and returns the exit status: 0 done, 1 failed, 2 a usage error.
// Needs a QCoreApplication.
int run(const QStringList& arguments);

} // namespace CommandLine
