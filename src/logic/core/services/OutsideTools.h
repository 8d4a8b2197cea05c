#pragma once

#include <QString>
#include <QStringList>

// The outside programs named in Orva.ini (the updater, the remote-support tools, the stop
// command): where they lie and how they are started, with a clear box when they are not there.

// An absolute path as it stands; a bare name in the data folder, else among the system's
// programs; any other relative path inside the data folder. A program found nowhere gives
// its path in the data folder, where the box says it was looked for.
QString ToolPath(const QString& name);

// Starts the program named by the setting without waiting for it. A setting left empty, a
// program that is not there or one that does not start shows a box naming the program and
// the setting, and gives false.
bool StartTool(const QString& settingKey, const QStringList& arguments = {});

// Runs the command line of the setting (program and arguments, split as a shell would but
// never run through one) and waits for it at most timeoutMs. An empty setting runs nothing
// and gives true; a failure shows the box and gives false.
bool RunToolCommand(const QString& settingKey, int timeoutMs);
