#include "logic/print/HistoryCommand.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/print/HistoryReport.h"
#include "logic/print/PrintJob.h"
#include "logic/print/ReportCommandLines.h"
#include "logic/print/ReportFile.h"
#include "logic/records/RecordKeys.h"

using namespace Qt::StringLiterals;
using namespace ReportOption;

namespace {

int runHistory(const CommandCall& call) {
    int status = CommandDone;
    const std::optional<ReportFile> file = ReadReportFile(call, &status);
    if (!file)
        return status;
    SubmissionFilter filter;
    for (const QString& option : {From, To}) {
        if (!call.parser.isSet(option))
            continue;
        QString text = call.parser.value(option);
        if (!CompleteDate(text, Program.WorkDate))
            return call.badArgument(u"Λανθασμένη ημερομηνία «%1» στο --%2 (ηη/μμ/εεεε)."_s.arg(
                call.parser.value(option), option));
        (option == From ? filter.fromDate : filter.toDate) = ScreenToStoredDate(text);
    }
    filter.afm = call.parser.value(Afm).trimmed();
    filter.protocol = call.parser.value(Protocol).trimmed();
    if (!OpenDatabase())
        return CannotOpenDatabase;
    PrintJob job;
    DbStatus read;
    if (!PrepareHistoryReport(job, filter, &read)) {
        if (!read.ok()) {
            ShowDatabaseError(read);
            return CommandFailed;
        }
        ShowMsg(18);
        return NothingFound;
    }
    return WriteReportFile(job, *file);
}

} // namespace

Command HistoryCommand() {
    Command command = HistoryCommandLine();
    command.run = runHistory;
    return command;
}
