#include "logic/core/database/DatabaseCommands.h"

#include "logic/core/commandline/Console.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/DatabaseTransfer.h"
#include "logic/core/program/ProgramValues.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString From = u"from"_s;
const QString Replace = u"replace"_s;

// The exit status of the work's outcome.
int statusOf(const ServerWork& work) {
    switch (work.outcome) {
    case ServerWork::Done:
        return CommandDone;
    case ServerWork::CannotConnect:
        return CannotOpenDatabase;
    case ServerWork::NotEmpty:
        return ServerNotEmpty;
    case ServerWork::InUse:
        return ServerInUse;
    case ServerWork::BadSource:
        return BadArguments;
    case ServerWork::Failed:
        break;
    }
    return CommandFailed;
}

int finish(const ServerWork& work) {
    if (work.ok())
        PrintOut(work.text);
    else
        PrintFailure({work.text, work.details});
    return statusOf(work);
}

// Both commands work on the server that the data folder's Orva.ini names.
bool serverNamed() {
    if (OfficeMode())
        return true;
    PrintError(
        u"Το Orva.ini του φακέλου δεδομένων %1 δεν ορίζει διακομιστή PostgreSQL: γράψτε τη διεύθυνσή του "
        u"στη ρύθμιση [Database] Server (π.χ. postgresql://orva@διακομιστής/orva)."_s.arg(Program.AppPath));
    return false;
}

int runInit(const CommandCall&) {
    if (!serverNamed())
        return CannotOpenDatabase;
    return finish(InitServerDatabase(DatabaseServerSetting()));
}

int runCopy(const CommandCall& call) {
    if (!call.parser.isSet(From))
        return call.badArgument(u"Λείπει η επιλογή --from με το αρχείο IntTvx.db που θα μεταφερθεί."_s);
    const QString file = QFileInfo(call.parser.value(From)).absoluteFilePath();
    if (!QFileInfo(file).isFile())
        return call.badArgument(u"Το αρχείο %1 δεν υπάρχει."_s.arg(file));
    if (!serverNamed())
        return CannotOpenDatabase;
    ServerWork work;
    {
        TerminalProgress progress(u"Μεταφορά γραμμών"_s);
        work = CopyIntoServer(DatabaseServerSetting(), file, call.parser.isSet(Replace),
                              [&progress](qint64 done, qint64 total) {
                                  progress.show(int(done), int(qMax<qint64>(1, total)));
                              });
    }
    return finish(work);
}

} // namespace

Command DatabaseInitCommand() {
    Command command;
    command.words = {u"database"_s, u"init"_s};
    command.summary = u"Δημιουργία των πινάκων του προγράμματος στη βάση του διακομιστή."_s;
    command.details =
        u"Δημιουργεί στη βάση δεδομένων PostgreSQL που ορίζει η ρύθμιση [Database] Server του Orva.ini "
        u"τους πίνακες του προγράμματος, με την ελληνική ταξινόμηση των ονομάτων και τα ευρετήρια των "
        u"λιστών, σε μία συναλλαγή. Η βάση πρέπει να είναι κενή: μια βάση που έχει ήδη πίνακες δεν "
        u"αλλάζει (κωδικός εξόδου %1)."_s.arg(ServerNotEmpty);
    command.run = runInit;
    return command;
}

Command DatabaseCopyCommand() {
    Command command;
    command.words = {u"database"_s, u"copy"_s};
    command.summary = u"Μεταφορά ενός αρχείου IntTvx.db στη βάση του διακομιστή."_s;
    command.details =
        u"Μεταφέρει τους εργαζόμενους, τις κινήσεις, τις παραμέτρους σύνδεσης και τις εταιρείες του "
        u"αρχείου στη βάση δεδομένων PostgreSQL που ορίζει η ρύθμιση [Database] Server του Orva.ini, σε "
        u"μία συναλλαγή: σε κενή βάση δημιουργεί πρώτα τους πίνακες. Πριν ολοκληρωθεί, συγκρίνει το πλήθος "
        u"των γραμμών και ένα άθροισμα ελέγχου κάθε πίνακα στον διακομιστή με όσα στάλθηκαν· σε κάθε "
        u"διαφορά ή αποτυχία η βάση μένει όπως ήταν. Μια βάση που έχει ήδη στοιχεία δεν αλλάζει χωρίς την "
        u"επιλογή --replace (κωδικός εξόδου %1), ούτε όσο είναι ανοιχτή από άλλους υπολογιστές (κωδικός %2)."_s
            .arg(ServerNotEmpty)
            .arg(ServerInUse);
    command.options = {
        {From, u"Το αρχείο της βάσης δεδομένων που μεταφέρεται (IntTvx.db)."_s, u"αρχείο"_s},
        {Replace, u"Αντικαθιστά τα στοιχεία που έχει ήδη η βάση του διακομιστή."_s},
    };
    command.run = runCopy;
    return command;
}
