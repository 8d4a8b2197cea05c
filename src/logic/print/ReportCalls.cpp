#include "logic/print/ReportCalls.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/ReportCommandLines.h"
#include "logic/records/RecordKeys.h"

#include <QFileInfo>
#include <functional>
#include <utility>

using namespace Qt::StringLiterals;
using namespace ReportOption;

namespace {

struct FormatName {
    QString name;
    ReportFile::Format format;
    bool fromSuffix; // "asc" names the import file and the paged one alike: it is asked for
};
const FormatName Formats[] = {
    {u"pdf"_s, ReportFile::Pdf, true},   {u"xlsx"_s, ReportFile::Xlsx, true},
    {u"docx"_s, ReportFile::Docx, true}, {u"txt"_s, ReportFile::Txt, true},
    {u"asc"_s, ReportFile::Asc, false},
};

QStringList formatNames() {
    QStringList names;
    for (const FormatName& f : Formats)
        names << f.name;
    return names;
}

std::optional<ReportFile::Format> formatNamed(const QString& name, bool bySuffix) {
    for (const FormatName& f : Formats) {
        if (f.name == name.toLower() && (!bySuffix || f.fromSuffix))
            return f.format;
    }
    return std::nullopt;
}

bool isText(ReportFile::Format format) {
    return format == ReportFile::Txt || format == ReportFile::Asc;
}

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

} // namespace

std::optional<ReportFile> ReadReportFile(const CommandCall& call, int* status) {
    const auto refuse = [&](const QString& reason) {
        *status = call.badArgument(reason);
        return std::nullopt;
    };
    ReportFile file;
    file.path = call.parser.value(Out);
    if (file.path.isEmpty())
        return refuse(u"Λείπει το αρχείο εξόδου (--out αρχείο)."_s);
    std::optional<ReportFile::Format> format;
    if (call.parser.isSet(Format)) {
        format = formatNamed(call.parser.value(Format), false);
        if (!format)
            return refuse(u"Άγνωστη μορφή «%1»· υπάρχουν: %2."_s.arg(call.parser.value(Format),
                                                                     formatNames().join(u", "_s)));
    } else {
        format = formatNamed(QFileInfo(file.path).suffix(), true);
        if (!format)
            return refuse(u"Δώστε τη μορφή του αρχείου με --format (%1)."_s.arg(formatNames().join(u", "_s)));
    }
    file.format = *format;
    // A name that says another format would mislead whoever opens the file.
    if (const std::optional<ReportFile::Format> named = formatNamed(QFileInfo(file.path).suffix(), true);
        named && *named != file.format && !(isText(*named) && isText(file.format)))
        return refuse(u"Η μορφή %1 δεν ταιριάζει με την κατάληξη .%2 του αρχείου %3· δώστε όνομα με "
                      u"κατάληξη .%1 ή αφήστε τη μορφή να βγει από την κατάληξη."_s.arg(
                          call.parser.value(Format).toLower(), QFileInfo(file.path).suffix(), file.path));
    if (call.parser.isSet(Charset)) {
        if (!isText(file.format))
            return refuse(u"Η --charset ισχύει μόνο για τις μορφές txt και asc."_s);
        const QString charset = call.parser.value(Charset).toLower();
        if (charset == u"windows"_s)
            file.charset = WindowsGreek;
        else if (charset == u"dos"_s)
            file.charset = DosGreek;
        else
            return refuse(
                u"Άγνωστη κωδικοσελίδα «%1»· υπάρχουν: windows, dos."_s.arg(call.parser.value(Charset)));
    }
    return file;
}

std::optional<EntryIndexCall> ReadEntryIndexCall(const CommandCall& call, int* status) {
    ReportOptions options(call);
    EntryIndexCall read;
    read.file = options.file();
    read.request = {options.afm(AfmFrom), options.afm(AfmTo), options.afm(Mask),
                    options.date(From),   options.date(To),   options.order({u"date"_s, u"afm"_s})};
    *status = options.status();
    return options.refused() ? std::nullopt : std::optional(read);
}

std::optional<EmployeeIndexCall> ReadEmployeeIndexCall(const CommandCall& call, int* status) {
    ReportOptions options(call);
    EmployeeIndexCall read;
    read.file = options.file();
    read.order = options.order({u"name"_s, u"afm"_s}) == 0 ? EmployeeOrder::ByName : EmployeeOrder::ByAfm;
    *status = options.status();
    return options.refused() ? std::nullopt : std::optional(read);
}

std::optional<HistoryCall> ReadHistoryCall(const CommandCall& call, int* status) {
    HistoryCall read;
    const std::optional<ReportFile> file = ReadReportFile(call, status);
    if (!file)
        return std::nullopt;
    read.file = *file;
    for (const QString& option : {From, To}) {
        if (!call.parser.isSet(option))
            continue;
        QString text = call.parser.value(option);
        if (!CompleteDate(text, Program.WorkDate)) {
            *status = call.badArgument(u"Λανθασμένη ημερομηνία «%1» στο --%2 (ηη/μμ/εεεε)."_s.arg(
                call.parser.value(option), option));
            return std::nullopt;
        }
        (option == From ? read.filter.fromDate : read.filter.toDate) = ScreenToStoredDate(text);
    }
    read.filter.afm = call.parser.value(Afm).trimmed();
    read.filter.protocol = call.parser.value(Protocol).trimmed();
    return read;
}

namespace {
// The end of a look at a selection: CommandDone when it has a row, the read's failure, or
// "Δεν υπάρχουν εγγραφές." as the report itself ends.
int lookedAt(QSqlQuery query, const DbStatus& read) {
    if (!read.ok()) {
        ShowDatabaseError(read);
        return CommandFailed;
    }
    if (query.next())
        return CommandDone;
    ShowMsg(18);
    return NothingFound;
}

// Reads the command's line, opens the database and looks at the selection of what it asks for.
template <typename Call>
int lookFor(const CommandCall& call, std::optional<Call> (*read)(const CommandCall&, int*),
            const std::function<QSqlQuery(const Call&, DbStatus*)>& select) {
    int status = CommandDone;
    const std::optional<Call> asked = read(call, &status);
    if (!asked)
        return status;
    if (!OpenDatabase())
        return CannotOpenDatabase;
    DbStatus selected;
    QSqlQuery query = select(*asked, &selected);
    return lookedAt(std::move(query), selected);
}
} // namespace

int LookForEntryIndexLines(const CommandCall& call) {
    // The report tells a selection that cannot be read as one without entries.
    return lookFor<EntryIndexCall>(call, ReadEntryIndexCall, [](const EntryIndexCall& asked, DbStatus*) {
        return SelectEntryIndexLines(asked.request);
    });
}

int LookForEmployeeIndexLines(const CommandCall& call) {
    return lookFor<EmployeeIndexCall>(
        call, ReadEmployeeIndexCall,
        [](const EmployeeIndexCall& asked, DbStatus* read) { return SelectEmployees(asked.order, read); });
}

int LookForHistoryLines(const CommandCall& call) {
    return lookFor<HistoryCall>(call, ReadHistoryCall, [](const HistoryCall& asked, DbStatus* read) {
        return SelectSubmissionHistory(asked.filter, read);
    });
}
