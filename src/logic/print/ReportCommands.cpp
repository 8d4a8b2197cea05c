#include "logic/print/ReportCommands.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/LargePages.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/print/IndexReports.h"
#include "logic/print/PrintJob.h"
#include "logic/print/ReportCommandLines.h"
#include "logic/print/ReportFile.h"
#include "logic/records/EmployeeList.h"

#include <functional>

using namespace Qt::StringLiterals;
using namespace ReportOption;

namespace {

// More than the heap of the longest report.
constexpr std::size_t ReportHeapSpan = std::size_t(64) << 20;

constexpr int AfmLength = 14; // as the AFM fields of the selection window

// The values of a report's options, read one after the other: the first that cannot be
// taken is told, and what is read after it does not matter.
class ReportOptions {
public:
    explicit ReportOptions(const CommandCall& call) : m_call(call) {}

    bool refused() const { return m_status != CommandDone; }
    int status() const { return m_status; }

    ReportFile file() {
        int status = CommandDone;
        const std::optional<ReportFile> file = refused() ? std::nullopt : ReadReportFile(m_call, &status);
        if (status != CommandDone)
            m_status = status;
        return file.value_or(ReportFile{});
    }

    // A date as the selection window completes it: "05" is the 5th of this month, "0511"
    // the 5th of November of this year, and so on; today when the option is not given.
    QString date(const QString& option) {
        const QString given = m_call.parser.value(option);
        QString text = m_call.parser.isSet(option) ? given : ScreenDate(Program.WorkDate);
        if (!CompleteDate(text, Program.WorkDate))
            refuse(u"Λανθασμένη ημερομηνία «%1» στο --%2 (ηη/μμ/εεεε)."_s.arg(given, option));
        return text;
    }

    // An AFM bound or mask, no longer than the window's fields take.
    QString afm(const QString& option) {
        const QString text = m_call.parser.value(option);
        if (text.size() > AfmLength)
            refuse(u"Το --%1 έχει έως %2 χαρακτήρες."_s.arg(option).arg(AfmLength));
        return text;
    }

    // The index of the order named among the choices, the first when none is named.
    int order(const QStringList& choices) {
        const QString text = m_call.parser.value(Order);
        const int index = text.isEmpty() ? 0 : int(choices.indexOf(text));
        if (index < 0)
            refuse(u"Λανθασμένη ταξινόμηση «%1»· υπάρχουν: %2."_s.arg(text, choices.join(u", "_s)));
        return qMax(0, index);
    }

private:
    void refuse(const QString& reason) {
        if (!refused())
            m_status = m_call.badArgument(reason);
    }

    const CommandCall& m_call;
    int m_status = CommandDone;
};

// Opens the database, fills the report and writes it. fill answers CommandDone, or the
// status of a report that cannot be made (its reason shown).
int makeReport(const ReportFile& file, const std::function<int(PrintJob&)>& fill) {
    // The lines of a long report fill tens of megabytes of fresh heap, faulted in far sooner in
    // large pages. Not for a PDF: its writer takes a buffer of ten megabytes for every page and
    // touches little of it, and each would be backed whole.
    if (file.format != ReportFile::Pdf)
        PreferLargePagesForTheHeap(ReportHeapSpan);
    if (!OpenDatabase())
        return CannotOpenDatabase;
    PrintJob job;
    if (const int filled = fill(job); filled != CommandDone)
        return filled;
    return WriteReportFile(job, file);
}

int runEntries(const CommandCall& call) {
    ReportOptions options(call);
    const ReportFile file = options.file();
    const EntryIndexRequest request{options.afm(AfmFrom), options.afm(AfmTo),
                                    options.afm(Mask),    options.date(From),
                                    options.date(To),     options.order({u"date"_s, u"afm"_s})};
    if (options.refused())
        return options.status();
    return makeReport(file, [&request](PrintJob& job) {
        if (PrepareEntryIndex(job, request))
            return int(CommandDone);
        ShowMsg(18);
        return int(NothingFound);
    });
}

int runEmployees(const CommandCall& call) {
    ReportOptions options(call);
    const ReportFile file = options.file();
    const EmployeeOrder order =
        options.order({u"name"_s, u"afm"_s}) == 0 ? EmployeeOrder::ByName : EmployeeOrder::ByAfm;
    if (options.refused())
        return options.status();
    return makeReport(file, [order](PrintJob& job) {
        DbStatus read;
        // The whole table in the order, as the employee list hands it over.
        const QList<Employee> employees = ReadEmployees(order, &read);
        if (!read.ok()) {
            ShowDatabaseError(read);
            return int(CommandFailed);
        }
        if (PrepareEmployeeIndex(job, employees))
            return int(CommandDone);
        ShowMsg(18);
        return int(NothingFound);
    });
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
