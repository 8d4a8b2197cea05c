#include "logic/maintenance/BackupRestore.h"

#include "logic/core/program/Messages.h"
#include "logic/core/services/Services.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

MaintenanceOutcome catalogue(int number) {
    MaintenanceOutcome outcome;
    outcome.message = number;
    return outcome;
}

MaintenanceOutcome fromCopy(const FileOutcome& copy) {
    switch (copy.kind) {
    case FileOutcome::Done:
        return catalogue(27);
    case FileOutcome::InUse:
        return catalogue(29);
    case FileOutcome::NotOrvaDatabase:
    case FileOutcome::Failed:
        break;
    }
    return {0, u"ΠΡΟΣΟΧΗ"_s, copy.reason + u"\r\nΤο προηγούμενο αρχείο έμεινε όπως ήταν."_s};
}

} // namespace

MaintenanceOutcome BackupDatabase(const QString& database, const BackupVolume& volume,
                                  const CopyProgress& progress) {
    if (!volume.ready() || !QFileInfo(volume.rootPath).isDir())
        return catalogue(25);
    if (!BackupFits(AvailableSpace(volume, DatabaseFileName), QFileInfo(database).size()))
        return catalogue(26);
    if (const QString problem = SettleJournal(database); !problem.isEmpty())
        return {0, u"ΠΡΟΣΟΧΗ"_s, u"Η βάση δεδομένων %1 δεν μπορεί να διαβαστεί: %2"_s.arg(database, problem)};
    return fromCopy(CopyDatabaseFile(database, QDir(volume.rootPath).filePath(DatabaseFileName), progress));
}

MaintenanceOutcome CheckBackupFile(const QString& backup) {
    if (!QFileInfo(backup).isFile())
        return catalogue(28);
    const FileOutcome check = CheckOrvaDatabase(backup);
    if (check.kind == FileOutcome::InUse)
        return catalogue(29);
    if (!check.ok())
        return {0, u"Φόρτωση Αρχείου"_s,
                u"ΠΡΟΣΟΧΗ !!!\r\nΤο αρχείο %1 δεν είναι αρχείο του προγράμματος.\r\n%2\r\n"
                u"Η φόρτωση δεν έγινε και το αρχείο του προγράμματος έμεινε όπως ήταν."_s.arg(backup,
                                                                                              check.reason)};
    return catalogue(27);
}

MaintenanceOutcome RestoreDatabase(const QString& database, const QString& backup,
                                   const CopyProgress& progress) {
    if (MaintenanceOutcome check = CheckBackupFile(backup); !check.ok())
        return check;
    // A journal left beside the database would otherwise be played back into the new file.
    if (const QString problem = SettleJournal(database); !problem.isEmpty())
        return {0, u"ΠΡΟΣΟΧΗ"_s, u"Η βάση δεδομένων %1 δεν μπορεί να διαβαστεί: %2"_s.arg(database, problem)};
    return fromCopy(CopyDatabaseFile(backup, database, progress));
}

void ShowMaintenanceOutcome(const MaintenanceOutcome& outcome) {
    if (outcome.message != 0)
        ShowMsg(outcome.message);
    else
        ShowBox(outcome.title, outcome.text, MsgIcon::Critical);
}

QString MaintenanceOutcomeText(const MaintenanceOutcome& outcome) {
    QString text = outcome.text;
    if (outcome.message != 0) {
        if (const std::optional<MessageBox> box = CatalogueMessage(outcome.message))
            text = box->text;
    }
    // On a terminal the warning's heading says nothing the exit status does not.
    QStringList lines = text.split(u"\r\n"_s);
    if (lines.size() > 1 && lines.first().startsWith(u"ΠΡΟΣΟΧΗ"_s))
        lines.removeFirst();
    return lines.join(u' ').trimmed();
}
