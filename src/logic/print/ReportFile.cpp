#include "logic/print/ReportFile.h"

#include "logic/core/commandline/CommandOutput.h"
#include "logic/core/commandline/Console.h"
#include "logic/core/program/Messages.h"
#include "logic/print/ExcelExport.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PdfExport.h"
#include "logic/print/PrintJob.h"
#include "logic/print/ReportCommandLines.h"
#include "logic/print/TextExport.h"
#include "logic/print/WordExport.h"

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

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

int WriteReportFile(const PrintJob& job, const ReportFile& file) {
    QString error;
    bool lossy = false;
    bool written = false;
    // An output that is no regular file (standard output, a device, a pipe) is never
    // replaced: the report is made in a file of its own and its bytes written into it.
    const OutputKind kind = KindOfOutput(file.path);
    QTemporaryDir scratch;
    const QString target = kind == OutputKind::RegularFile ? file.path : scratch.filePath(u"report"_s);
    const QString shownName = kind == OutputKind::StandardOutput ? u"τυπική έξοδος"_s : file.path;
    TerminalProgress progress(u"Εγγραφή του %1, γραμμή"_s.arg(shownName));
    const auto shown = [&progress](int done, int total) { progress.show(done, total); };
    switch (file.format) {
    case ReportFile::Pdf:
        written = WritePdf(job, target, &error, nullptr, shown);
        break;
    case ReportFile::Xlsx:
        written = WriteExcelWorkbook(job, target, &error, shown);
        break;
    case ReportFile::Docx:
        written = WriteWordDocument(job, target, &error);
        break;
    case ReportFile::Txt:
        written = WriteTextFile(job, PagedTextFile, file.charset, target, &error, &lossy);
        break;
    case ReportFile::Asc:
        written = WriteTextFile(job, ImportTextFile, file.charset, target, &error, &lossy);
        break;
    }
    progress.clear();
    // What went wrong in writing to a device or a pipe is told in Greek already.
    QString sendError;
    if (written && kind != OutputKind::RegularFile) {
        sendError = SendToOutput(target, file.path);
        written = sendError.isEmpty();
    }
    if (!written && !sendError.isEmpty()) {
        PrintError(u"Το αρχείο %1 δεν μπορεί να γραφτεί (%2)."_s.arg(shownName, sendError));
        return CannotWriteFile;
    }
    if (!written) {
        PrintFailure(FileFailure(FileAction::Write, file.path, error));
        return CannotWriteFile;
    }
    if (lossy)
        PrintError(LossyExportText());
    if (job.droppedLines() > 0) {
        const QLocale greek(QLocale::Greek, QLocale::Greece);
        PrintError(u"Η εκτύπωση χωράει έως %1 γραμμές· %2 γραμμές έμειναν έξω από το %3. Στενέψτε την "
                   u"επιλογή (ημερομηνίες ή ΑΦΜ)."_s.arg(greek.toString(PrintJob::MaxLines),
                                                         greek.toString(job.droppedLines()), shownName));
        return CommandFailed;
    }
    // Standard output carries the report itself: the note goes to standard error.
    if (kind == OutputKind::StandardOutput)
        PrintError(CatalogueMessage(43)->text);
    else
        PrintOut(file.path + u": "_s + CatalogueMessage(43)->text);
    return CommandDone;
}
