#include "logic/maintenance/MaintenanceCommands.h"

#include "logic/core/commandline/Console.h"
#include "logic/core/database/Database.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/maintenance/BackupRestore.h"
#include "logic/maintenance/ServerBackup.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Both commands need the data folder's database, and the folder to themselves: a running
// Orva keeps its lock for the whole run. In office mode the database is the server's.
int checkDataFolder() {
    if (!OfficeMode() && !QFileInfo(AppFile(DatabaseFileName)).isFile()) {
        PrintError(
            u"Ο φάκελος δεδομένων %1 δεν έχει βάση δεδομένων (%2)."_s.arg(Program.AppPath, DatabaseFileName));
        return CannotOpenDatabase;
    }
    return TakeDataFolderLock();
}

const QString RemoveOld = u"remove-old"_s;

// The exit status of an outcome: a place that cannot take the copy is a file that cannot be
// written; a backup that is missing or not the program's is a wrong argument.
int statusOf(const MaintenanceOutcome& outcome) {
    if (outcome.othersConnected)
        return ServerInUse;
    switch (outcome.message) {
    case 27:
        return CommandDone;
    case 25:
    case 26:
    case 29:
        return CannotWriteFile;
    case 28:
        return BadArguments;
    default:
        break;
    }
    switch (outcome.side) {
    case MaintenanceOutcome::Side::Target:
        return CannotWriteFile;
    case MaintenanceOutcome::Side::Source:
        return BadArguments;
    case MaintenanceOutcome::Side::Neither:
        break;
    }
    return CommandFailed;
}

int finish(const MaintenanceOutcome& outcome, const QString& done) {
    if (outcome.ok())
        PrintOut(done);
    else
        PrintFailure({MaintenanceOutcomeText(outcome), outcome.details});
    return statusOf(outcome);
}

// A progress bar counts in int: bytes are counted in kilobytes.
CopyProgress progressOn(TerminalProgress& progress) {
    return [&progress](qint64 done, qint64 total) {
        // Without a known total the line counts what is done against itself.
        progress.show(int(done >> 10), int(qMax<qint64>(1, (total > 0 ? total : done) >> 10)));
    };
}

int runBackup(const CommandCall& call) {
    const QString folder = QDir(call.arguments.constFirst()).absolutePath();
    if (!QFileInfo(folder).isDir())
        return call.badArgument(u"Ο φάκελος %1 δεν υπάρχει."_s.arg(folder));
    if (const int status = checkDataFolder(); status != CommandDone)
        return status;
    MaintenanceOutcome outcome;
    {
        TerminalProgress progress(u"Φύλαξη"_s);
        outcome = OfficeMode() ? BackupServerDatabase(DatabaseServerSetting(), folder, progressOn(progress))
                               : BackupDatabase(AppFile(DatabaseFileName), VolumeOfFolder(folder),
                                                progressOn(progress), call.parser.isSet(RemoveOld));
    }
    const QString name = OfficeMode() ? ServerBackupFileName : DatabaseFileName;
    return finish(outcome, u"Το αντίγραφο γράφτηκε: %1"_s.arg(QDir(folder).filePath(name)));
}

int runRestore(const CommandCall& call) {
    const QString backup = QFileInfo(call.arguments.constFirst()).absoluteFilePath();
    if (const int status = checkDataFolder(); status != CommandDone)
        return status;
    MaintenanceOutcome outcome;
    {
        TerminalProgress progress(u"Φόρτωση"_s);
        outcome = OfficeMode() ? RestoreServerDatabase(DatabaseServerSetting(), backup, progressOn(progress))
                               : RestoreDatabase(AppFile(DatabaseFileName), backup, progressOn(progress));
    }
    const QString database = OfficeMode() ? DatabasePanelText() : AppFile(DatabaseFileName);
    return finish(outcome, u"Η βάση δεδομένων %1 αντικαταστάθηκε από το %2."_s.arg(database, backup));
}

} // namespace

Command BackupCommand() {
    Command command;
    command.words = {u"backup"_s};
    command.summary = u"Φύλαξη της βάσης δεδομένων σε φάκελο (στικάκι USB, άλλο δίσκο)."_s;
    command.details =
        u"Γράφει αντίγραφο της βάσης δεδομένων ως IntTvx.db στον φάκελο (με κοινή βάση σε διακομιστή "
        u"PostgreSQL, ως IntTvx.dump, με το pg_dump). Το αντίγραφο γράφεται πρώτα δίπλα στο παλιό με "
        u"προσωρινό όνομα, ελέγχεται και μόνο τότε αντικαθιστά το παλιό, ώστε μια διακοπή να αφήνει "
        u"πάντα ένα ακέραιο αρχείο. Όταν ο δίσκος δεν χωράει το νέο αντίγραφο δίπλα στο παλιό, η φύλαξη "
        u"δεν γίνεται, εκτός αν δοθεί η επιλογή --remove-old (όχι για τη βάση του διακομιστή). Δεν "
        u"τρέχει όσο το Orva είναι ανοιχτό στον ίδιο φάκελο δεδομένων."_s;
    command.options = {{RemoveOld,
                        u"Όταν το νέο αντίγραφο χωράει μόνο στη θέση του παλιού, διαγράφει "
                        u"πρώτα το παλιό (ο δίσκος μένει χωρίς αντίγραφο αν η φύλαξη διακοπεί)."_s}};
    command.arguments = {
        {u"ΦΑΚΕΛΟΣ"_s, u"Ο φάκελος του αντιγράφου, π.χ. το στικάκι (/media/χρήστης/USB)."_s}};
    command.run = runBackup;
    return command;
}

Command RestoreCommand() {
    Command command;
    command.words = {u"restore"_s};
    command.summary = u"Φόρτωση της βάσης δεδομένων από αντίγραφο."_s;
    command.details =
        u"Αντικαθιστά τη βάση δεδομένων του φακέλου δεδομένων με το αντίγραφο, αφού ελέγξει ότι το "
        u"αντίγραφο είναι ακέραιη βάση δεδομένων του προγράμματος με όλους τους πίνακες και τις στήλες "
        u"του· ένα άλλο αρχείο απορρίπτεται και δεν αλλάζει τίποτα. Η προηγούμενη βάση κρατιέται ώσπου "
        u"να ανοίξει η νέα, και μπαίνει πίσω αν η νέα δεν ανοίγει. Το αντίγραφο μπορεί να βρίσκεται και "
        u"σε δίσκο μόνο για ανάγνωση (CD). Δεν τρέχει όσο το Orva είναι ανοιχτό στον ίδιο φάκελο "
        u"δεδομένων. Με κοινή βάση σε διακομιστή PostgreSQL φορτώνει ένα IntTvx.dump με το pg_restore σε "
        u"μία συναλλαγή, και μόνο όταν κανένας άλλος υπολογιστής δεν είναι συνδεδεμένος στη βάση (αλλιώς "
        u"κωδικός εξόδου 10)."_s;
    command.arguments = {{u"ΑΡΧΕΙΟ"_s, u"Το αντίγραφο, π.χ. /media/χρήστης/USB/IntTvx.db."_s}};
    command.run = runRestore;
    return command;
}
