#include "logic/records/ImportCommand.h"

#include "logic/core/commandline/Console.h"
#include "logic/core/database/Database.h"
#include "logic/core/program/LargePages.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/records/AscFile.h"
#include "logic/records/AscImport.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// More than the heap of an import of a hundred thousand employees.
constexpr std::size_t ImportHeapSpan = std::size_t(64) << 20;

QString lineNumbers(const QList<int>& lines) {
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    return (lines.size() == 1 ? u" (γραμμή %1)"_s : u" (γραμμές %1)"_s).arg(numbers.join(u", "_s));
}

int runImport(const CommandCall& call) {
    const QString path = call.arguments.constFirst();
    if (!QFileInfo(path).isFile()) {
        PrintError(path + u": "_s + CatalogueMessage(10)->text);
        return BadArguments;
    }
    PreferLargePagesForTheHeap(ImportHeapSpan);
    QString error;
    const std::optional<AscLines> lines = ReadAscFile(path, &error);
    if (!lines) {
        // A file that was read but is no text carries its reason in Greek already.
        const bool read = QFileInfo(path).isFile() && QFileInfo(path).isReadable();
        PrintFailure(read ? Failure{u"«%1»: %2"_s.arg(path, error), {}}
                          : FileFailure(FileAction::Read, path, error));
        return BadArguments;
    }
    if (!OpenDatabase())
        return CannotOpenDatabase;
    // Nobody else may change the employees meanwhile; a running Orva keeps the lock.
    if (const int status = TakeDataFolderLock(); status != CommandDone)
        return status;
    AscImportResult result;
    {
        TerminalProgress progress(u"Εισαγωγή γραμμών"_s);
        result = ImportAscLines(*lines, [&progress](int done, int total) { progress.show(done, total); });
    }
    if (!result.status.ok()) {
        ShowDatabaseError(result.status);
        return CommandFailed;
    }
    if (result.added + result.present + result.skipped + result.badAfmLines.size() == 0) {
        ShowMsg(18);
        return NothingFound;
    }
    PrintOut(u"Προστέθηκαν: %1"_s.arg(result.added));
    PrintOut(u"Υπήρχαν ήδη: %1"_s.arg(result.present));
    PrintOut(u"Δεν καταχωρήθηκαν: %1"_s.arg(result.skipped) +
             (result.skipped > 0 ? lineNumbers(result.skippedLines) : QString()));
    if (!result.badAfmLines.isEmpty())
        PrintOut(u"Με ΑΦΜ που δεν είναι μόνο ψηφία: %1"_s.arg(result.badAfmLines.size()) +
                 lineNumbers(result.badAfmLines));
    if (result.skipped > 0)
        PrintFailure(
            {u"Η γραμμή %1 δεν καταχωρήθηκε στη βάση δεδομένων."_s.arg(result.skippedLines.constFirst()),
             result.firstSkipReason.errorText});
    // The others are stored; the status says that the file is not in whole.
    return result.skipped > 0 || !result.badAfmLines.isEmpty() ? CommandFailed : CommandDone;
}

} // namespace

Command ImportCommand() {
    Command command;
    command.words = {u"import"_s};
    command.summary = u"Εισαγωγή εργαζομένων από ASC αρχείο."_s;
    command.details =
        u"Εισάγει από το αρχείο τους εργαζόμενους που δεν υπάρχουν ήδη στο πρόγραμμα, με υποκατάστημα "
        u"0, σε μία συναλλαγή· όσοι υπάρχουν μένουν όπως είναι. Τυπώνει πόσοι προστέθηκαν, πόσοι "
        u"υπήρχαν ήδη και ποιες γραμμές δεν καταχωρήθηκαν. Δεν τρέχει όσο το Orva είναι ανοιχτό στον "
        u"ίδιο φάκελο δεδομένων."_s;
    command.arguments = {{u"ΑΡΧΕΙΟ"_s, u"Το αρχείο των εργαζομένων: σταθερές στήλες, κωδικοσελίδα Windows "
                                       u"1253 ή UTF-8, το ΑΦΜ από τη στήλη 131."_s}};
    command.run = runImport;
    return command;
}
