#pragma once

#include "logic/core/commandline/CommandLine.h"

#include <QList>

// The table of Orva's commands ("orva report entries ...", "orva import FILE"): one entry
// per command, each made by its own subsystem.
const QList<Command>& OrvaCommands();

// Whether the program's arguments ask for a command (or the help or the version) instead of
// the windows.
bool IsCommandLine(int argc, char** argv);

// Runs the command without a window and without a display: the offscreen platform is chosen
// here, whatever the environment says. Returns the exit status.
int RunCommands(int argc, char** argv);
