#include "logic/print/HistoryCommand.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/print/HistoryReport.h"
#include "logic/print/PrintJob.h"
#include "logic/print/ReportFile.h"
#include "logic/records/RecordKeys.h"

using namespace Qt::StringLiterals;

namespace {

const QString From = u"from"_s;
const QString To = u"to"_s;
const QString Afm = u"afm"_s;
const QString Protocol = u"protocol"_s;

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
    Command command;
    command.words = {u"history"_s};
    command.summary = u"Ιστορικό Υποβολών σε αρχείο."_s;
    command.details =
        u"Γράφει το ιστορικό των υποβολών, όπως η εκτύπωση του «Ιστορικό Υποβολών»: για κάθε κίνηση που "
        u"στάλθηκε, πότε και με ποιον τρόπο στάλθηκε (API ή σελίδα των e-υπηρεσιών), τον αριθμό πρωτοκόλλου "
        u"και την ώρα υποβολής που έδωσε η υπηρεσία και το ωράριο που στάλθηκε, τις νεότερες πρώτες. Χωρίς "
        u"επιλογές γράφει όλες τις υποβολές."_s;
    command.options = {
        {From, u"Κινήσεις από την ημερομηνία."_s, u"ηη/μμ/εεεε"_s},
        {To, u"Κινήσεις έως την ημερομηνία."_s, u"ηη/μμ/εεεε"_s},
        {Afm, u"Μόνο το ΑΦΜ (ή όσα αρχίζουν από αυτό)."_s, u"ΑΦΜ"_s},
        {Protocol, u"Μόνο ο αριθμός πρωτοκόλλου (ή όσοι αρχίζουν από αυτόν)."_s, u"πρωτόκολλο"_s},
    };
    command.options += ReportFileOptions();
    command.run = runHistory;
    return command;
}
