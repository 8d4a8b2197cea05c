#pragma once

#include "logic/core/commandline/CommandLine.h"
#include "logic/print/ReportCalls.h"

#include <memory>

class PrintJob;

// Writes the job with the preview's export of the format; the file takes its name only
// once it is complete. Returns CommandDone, CannotWriteFile (the reason shown) or, for a
// report that had to leave lines out, CommandFailed after writing what it holds.
int WriteReportFile(const PrintJob& job, const ReportFile& file);

// Gives a filled job its page settings and writes it as above, as graphical work
// (DoGraphicalWork): the pages measure the report font. Returns as WriteReportFile.
int WriteReportWhenDrawn(std::shared_ptr<PrintJob> job, void (*setPages)(PrintJob&), const ReportFile& file);
