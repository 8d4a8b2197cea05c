#include "logic/maintenance/CheckCommand.h"

#include "logic/core/commandline/Console.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/ServerDatabase.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/maintenance/BackupRestore.h"
#include "logic/maintenance/DatabaseCheck.h"

using namespace Qt::StringLiterals;

namespace {

// SQLite lists every broken page and index entry; a few tell the support person enough.
constexpr int ShownDamage = 20;

QString missingLine(const QString& missing) {
    return missing.contains(u'.') ? u"- λείπει το πεδίο %1 του πίνακα %2.\n"_s.arg(
                                        missing.section(u'.', 1), missing.section(u'.', 0, 0))
                                  : u"- λείπει ο πίνακας %1.\n"_s.arg(missing);
}

// The server keeps its own files whole (its write-ahead log): what is left to check is what
// the program relies on.
int checkServer() {
    const QString where = DatabasePanelText();
    const ServerCheck check = CheckServerDatabase(DatabaseServerSetting());
    if (!check.cannotCheck.text.isEmpty()) {
        PrintFailure(check.cannotCheck);
        return CannotOpenDatabase;
    }
    if (check.sound()) {
        PrintOut(u"Η βάση δεδομένων %1 έχει όλους τους πίνακες και τα πεδία του προγράμματος, με τις "
                 u"ταξινομήσεις που χρειάζεται. Την ακεραιότητα των αρχείων της τη φροντίζει ο ίδιος ο "
                 u"διακομιστής PostgreSQL."_s.arg(where));
        return CommandDone;
    }
    QString text = u"Η βάση δεδομένων %1 έχει προβλήματα:\n"_s.arg(where);
    for (const QString& missing : check.missing)
        text += missingLine(missing);
    for (const QString& problem : check.problems)
        text += u"- "_s + problem + u'\n';
    text += u"Επικοινωνήστε με τον διαχειριστή του διακομιστή ή με την υποστήριξη, πριν γράψετε άλλα "
            u"στοιχεία."_s;
    PrintError(text);
    return CommandFailed;
}

int runCheck(const CommandCall&) {
    if (OfficeMode())
        return checkServer();
    const QString path = AppFile(DatabaseFileName);
    const DatabaseCheck check = CheckDatabase(path);
    if (!check.cannotCheck.isEmpty()) {
        PrintError(check.cannotCheck);
        return CannotOpenDatabase;
    }
    if (check.sound()) {
        PrintOut(u"Η βάση δεδομένων %1 είναι ακέραιη και έχει όλους τους πίνακες και τα πεδία του "
                 u"προγράμματος."_s.arg(path));
        return CommandDone;
    }
    QString text = u"Η βάση δεδομένων %1 έχει προβλήματα:\n"_s.arg(path);
    if (!check.damage.isEmpty())
        text +=
            (check.damage.size() == 1
                 ? u"- ο έλεγχος ακεραιότητας βρήκε ένα σφάλμα στο αρχείο.\n"_s
                 : u"- ο έλεγχος ακεραιότητας βρήκε %1 σφάλματα στο αρχείο.\n"_s.arg(check.damage.size()));
    for (const QString& missing : check.missing)
        text += missingLine(missing);
    text += u"Φορτώστε το τελευταίο αντίγραφο ασφαλείας (orva restore ΑΡΧΕΙΟ) ή επικοινωνήστε με την "
            u"υποστήριξη, πριν γράψετε άλλα στοιχεία."_s;
    if (!check.damage.isEmpty()) {
        text += u"\n\nΛεπτομέρειες (SQLite):\n"_s + check.damage.mid(0, ShownDamage).join(u'\n');
        if (check.damage.size() > ShownDamage)
            text += u"\n… και %1 ακόμη."_s.arg(check.damage.size() - ShownDamage);
    }
    PrintError(text);
    return CommandFailed;
}

} // namespace

Command CheckCommand() {
    Command command;
    command.words = {u"check"_s};
    command.summary = u"Έλεγχος της βάσης δεδομένων (ακεραιότητα, πίνακες και πεδία)."_s;
    command.details =
        u"Ελέγχει τη βάση δεδομένων του φακέλου δεδομένων: τον έλεγχο ακεραιότητας της SQLite με την "
        u"ελληνική ταξινόμηση των ονομάτων, και ότι υπάρχουν όλοι οι πίνακες και τα πεδία που χρησιμοποιεί "
        u"το πρόγραμμα. Μόνο διαβάζει το αρχείο· τρέχει και όσο το Orva είναι ανοιχτό. Με κοινή βάση σε "
        u"διακομιστή PostgreSQL ελέγχει τους πίνακες, τα πεδία και τις ταξινομήσεις της βάσης του "
        u"διακομιστή. Κωδικός εξόδου 0 όταν όλα είναι εντάξει, 1 όταν βρεθούν προβλήματα, 5 όταν η βάση "
        u"δεν ανοίγει."_s;
    command.run = runCheck;
    return command;
}
