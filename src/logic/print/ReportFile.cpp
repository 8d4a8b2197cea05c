#include "logic/print/ReportFile.h"

#include "logic/core/commandline/CommandOutput.h"
#include "logic/core/commandline/Console.h"
#include "logic/core/commandline/GraphicalWork.h"
#include "logic/core/program/Messages.h"
#include "logic/print/ExcelExport.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PdfExport.h"
#include "logic/print/PrintJob.h"
#include "logic/print/TextExport.h"
#include "logic/print/WordExport.h"

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

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

int WriteReportWhenDrawn(std::shared_ptr<PrintJob> job, void (*setPages)(PrintJob&), const ReportFile& file) {
    return DoGraphicalWork([job = std::move(job), setPages, file] {
        setPages(*job);
        return WriteReportFile(*job, file);
    });
}
