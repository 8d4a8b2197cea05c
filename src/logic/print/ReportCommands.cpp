#include "logic/print/ReportCommands.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/LargePages.h"
#include "logic/core/program/Messages.h"
#include "logic/print/IndexReports.h"
#include "logic/print/PrintJob.h"
#include "logic/print/ReportCalls.h"
#include "logic/print/ReportCommandLines.h"
#include "logic/print/ReportFile.h"
#include "logic/records/EmployeeList.h"

#include <functional>
#include <memory>
#include <utility>

namespace {

// More than the heap of the longest report.
constexpr std::size_t ReportHeapSpan = std::size_t(64) << 20;

// Opens the database, fills the report, and has it laid out with setPages and written. fill
// answers CommandDone, or the status of a report that cannot be made (its reason shown).
int makeReport(const ReportFile& file, const std::function<int(PrintJob&)>& fill,
               void (*setPages)(PrintJob&)) {
    // The lines of a long report fill tens of megabytes of fresh heap, faulted in far sooner in
    // large pages. Not for a PDF: its writer takes a buffer of ten megabytes for every page and
    // touches little of it, and each would be backed whole.
    if (file.format != ReportFile::Pdf)
        PreferLargePagesForTheHeap(ReportHeapSpan);
    if (!OpenDatabase())
        return CannotOpenDatabase;
    auto job = std::make_shared<PrintJob>();
    if (const int filled = fill(*job); filled != CommandDone)
        return filled;
    return WriteReportWhenDrawn(std::move(job), setPages, file);
}

int runEntries(const CommandCall& call) {
    int status = CommandDone;
    const std::optional<EntryIndexCall> read = ReadEntryIndexCall(call, &status);
    if (!read)
        return status;
    const auto fill = [&request = read->request](PrintJob& job) {
        if (FillEntryIndex(job, request))
            return int(CommandDone);
        ShowMsg(18);
        return int(NothingFound);
    };
    return makeReport(read->file, fill, SetEntryIndexPages);
}

int runEmployees(const CommandCall& call) {
    int status = CommandDone;
    const std::optional<EmployeeIndexCall> read = ReadEmployeeIndexCall(call, &status);
    if (!read)
        return status;
    const auto fill = [order = read->order](PrintJob& job) {
        DbStatus selected;
        // The whole table in the order, as the employee list hands it over.
        const QList<Employee> employees = ReadEmployees(order, &selected);
        if (!selected.ok()) {
            ShowDatabaseError(selected);
            return int(CommandFailed);
        }
        if (FillEmployeeIndex(job, employees))
            return int(CommandDone);
        ShowMsg(18);
        return int(NothingFound);
    };
    return makeReport(read->file, fill, SetEmployeeIndexPages);
}

} // namespace

Command ReportEntriesCommand() {
    Command command = ReportEntriesCommandLine();
    command.run = runEntries;
    return command;
}

Command ReportEmployeesCommand() {
    Command command = ReportEmployeesCommandLine();
    command.run = runEmployees;
    return command;
}
