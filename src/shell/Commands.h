#pragma once

#include "logic/core/commandline/CommandLine.h"

#include <QList>

// The table of Orva's commands ("orva report entries ...", "orva import FILE"): one entry
// per command, each made by its own subsystem. The three that write a report come as the
// caller makes them: with their work where the print engine is loaded, or, in the command
// line that never loads it, looking whether the report has lines to hand on.
QList<Command> OrvaCommands(const Command& reportEntries, const Command& reportEmployees,
                            const Command& history);

// Whether the program's arguments ask for a command (or the help or the version) instead of
// the windows.
bool IsCommandLine(int argc, char** argv);

// The program's name, the Greek locale and the Greek texts of Qt (the parser's among them),
// for the windows and the commands alike.
void PrepareApplication();

// Called before a command's application object is made: no display is used (the offscreen
// platform, whatever the environment says), and only Qt's serious messages reach standard
// error.
void PrepareCommandProcess();

// Runs the command that the application's arguments name, under an application object made
// after PrepareCommandProcess. Returns the exit status.
int RunCommands(const QList<Command>& commands);
