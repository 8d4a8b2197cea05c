#pragma once

#include "logic/core/commandline/CommandLine.h"

// "orva check": the check of the data folder's database (DatabaseCheck), told in Greek, with
// the outcome in the exit status for scripts.
Command CheckCommand();
