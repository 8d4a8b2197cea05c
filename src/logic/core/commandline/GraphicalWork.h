#pragma once

#include <functional>

// The part of a command that needs Qt's graphics: a report's layout and files, which measure
// the report font and draw pages. Under orva-gui's QGuiApplication it is done at once. The
// report commands' library reads the database under a QCoreApplication, so that a report with
// nothing to show never pays for the fonts and the platform: there the work waits until the
// command line has ended, and is done under a QGuiApplication made in its place.
using GraphicalWork = std::function<int()>;

// Does the work now and returns its CommandStatus, or, in a process that defers it, keeps it
// for later and returns CommandDone.
int DoGraphicalWork(GraphicalWork work);

// From now on the graphical work of a command is kept for TakeGraphicalWork.
void DeferGraphicalWork();

// The work kept since DeferGraphicalWork, if a command left any; empty otherwise.
GraphicalWork TakeGraphicalWork();
