#pragma once

#include "logic/core/commandline/CommandLine.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/print/ReportSelections.h"

#include <optional>

// A report command's line read into what it asks for, and a look at the database that tells
// whether the report has any line. Neither needs the print engine: the command line looks
// first, and loads the engine only for a report that has something to show.

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

// What each report command asks for. Read from its line: nothing (the reason of the first
// value that cannot be taken shown, *status BadArguments) when a value cannot be taken.
struct EntryIndexCall {
    ReportFile file;
    EntryIndexRequest request;
};
std::optional<EntryIndexCall> ReadEntryIndexCall(const CommandCall& call, int* status);

struct EmployeeIndexCall {
    ReportFile file;
    EmployeeOrder order = EmployeeOrder::ByName;
};
std::optional<EmployeeIndexCall> ReadEmployeeIndexCall(const CommandCall& call, int* status);

struct HistoryCall {
    ReportFile file;
    SubmissionFilter filter;
};
std::optional<HistoryCall> ReadHistoryCall(const CommandCall& call, int* status);

// A report command run as far as telling whether its report has a line: its line read, the
// database opened and the report's selection looked at. CommandDone when the report has a
// line; otherwise the status the whole command ends with, its reason shown as it shows it.
int LookForEntryIndexLines(const CommandCall& call);
int LookForEmployeeIndexLines(const CommandCall& call);
int LookForHistoryLines(const CommandCall& call);
