#include "logic/print/HistoryCommand.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/print/HistoryReport.h"
#include "logic/print/PrintJob.h"
#include "logic/print/ReportCalls.h"
#include "logic/print/ReportCommandLines.h"
#include "logic/print/ReportFile.h"

#include <memory>
#include <utility>

namespace {

int runHistory(const CommandCall& call) {
    int status = CommandDone;
    const std::optional<HistoryCall> read = ReadHistoryCall(call, &status);
    if (!read)
        return status;
    if (!OpenDatabase())
        return CannotOpenDatabase;
    auto job = std::make_shared<PrintJob>();
    DbStatus selected;
    if (!FillHistoryReport(*job, read->filter, &selected)) {
        if (!selected.ok()) {
            ShowDatabaseError(selected);
            return CommandFailed;
        }
        ShowMsg(18);
        return NothingFound;
    }
    return WriteReportWhenDrawn(std::move(job), SetHistoryReportPages, read->file);
}

} // namespace

Command HistoryCommand() {
    Command command = HistoryCommandLine();
    command.run = runHistory;
    return command;
}
