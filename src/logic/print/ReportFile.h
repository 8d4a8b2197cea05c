#pragma once

#include "logic/core/commandline/CommandLine.h"

#include <optional>

class PrintJob;

// The file a report command writes: its format, its character set and its name, taken from
// the options --format, --charset and --out (ReportFileOptions).
struct ReportFile {
    enum Format { Pdf, Xlsx, Docx, Txt, Asc };
    Format format = Pdf;
    int charset = 1; // ExportCharset, for txt and asc
    QString path;
};

// The file the options name; nothing (the reason shown, *status BadArguments) when they
// name none. Without --format the format is the one --out ends with.
std::optional<ReportFile> ReadReportFile(const CommandCall& call, int* status);

// Writes the job with the preview's export of the format; the file takes its name only
// once it is complete. Returns CommandDone, CannotWriteFile (the reason shown) or, for a
// report that had to leave lines out, CommandFailed after writing what it holds.
int WriteReportFile(const PrintJob& job, const ReportFile& file);
