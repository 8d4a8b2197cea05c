#pragma once

#include "logic/core/commandline/CommandLine.h"

// "orva history ...": the history of submissions written to a file by the preview's
// exports, filtered as in the history window.
Command HistoryCommand();
