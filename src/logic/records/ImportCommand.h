#pragma once

#include "logic/core/commandline/CommandLine.h"

// "orva import FILE": the employee import of an ASC file from the command line, the same
// transactional import as the import window's, with its counts printed.
Command ImportCommand();
