#pragma once

#include "logic/core/commandline/CommandLine.h"

// "orva database init" and "orva database copy --from FILE [--replace]": the office's server
// database that Orva.ini's [Database] Server names gets the program's tables, or the records
// of a local IntTvx.db.
Command DatabaseInitCommand();
Command DatabaseCopyCommand();
