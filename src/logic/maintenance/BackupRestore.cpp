#include "logic/maintenance/BackupRestore.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/core/services/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString BackupTitle = u"Φύλαξη Αρχείου"_s;
const QString RestoreTitle = u"Φόρτωση Αρχείου"_s;

MaintenanceOutcome catalogue(int number) {
    MaintenanceOutcome outcome;
    outcome.message = number;
    return outcome;
}

MaintenanceOutcome box(const QString& title, const QString& text, MaintenanceOutcome::Side side) {
    return {0, title, text, side};
}

MaintenanceOutcome fromCopy(const FileOutcome& copy, MaintenanceOutcome::Side diskSide) {
    switch (copy.kind) {
    case FileOutcome::Done:
        return catalogue(27);
    case FileOutcome::InUse:
        return catalogue(29);
    case FileOutcome::DiskFull:
        return box(u"ΠΡΟΣΟΧΗ"_s, copy.reason + u"\r\nΤο προηγούμενο αρχείο έμεινε όπως ήταν."_s, diskSide);
    case FileOutcome::NotOrvaDatabase:
    case FileOutcome::Failed:
        break;
    }
    return box(u"ΠΡΟΣΟΧΗ"_s, copy.reason + u"\r\nΤο προηγούμενο αρχείο έμεινε όπως ήταν."_s,
               MaintenanceOutcome::Side::Neither);
}

MaintenanceOutcome unreadableDatabase(const QString& database, const QString& problem) {
    return box(u"ΠΡΟΣΟΧΗ"_s, u"Η βάση δεδομένων %1 δεν μπορεί να διαβαστεί: %2"_s.arg(database, problem),
               MaintenanceOutcome::Side::Neither);
}

// The name under which the replaced database waits until the restored one has opened.
QString previousName(const QString& database) {
    const QFileInfo info(database);
    return info.dir().filePath(u".%1.orva-previous"_s.arg(info.fileName()));
}

} // namespace

MaintenanceOutcome BackupDatabase(const QString& database, const BackupVolume& volume,
                                  const CopyProgress& progress, bool removeOldFirst) {
    if (!QFileInfo(volume.rootPath).isDir())
        return catalogue(25);
    if (volume.readOnly || volume.optical)
        return box(BackupTitle,
                   u"Ο δίσκος %1 δέχεται μόνο ανάγνωση: εκεί δεν γράφεται αντίγραφο. Από αυτόν γίνεται μόνο "
                   u"φόρτωση."_s.arg(volume.caption()),
                   MaintenanceOutcome::Side::Target);
    if (!volume.readyForBackup())
        return catalogue(25);
    const QString target = QDir(volume.rootPath).filePath(DatabaseFileName);
    const BackupRoom room = RoomForBackup(volume, DatabaseFileName, QFileInfo(database).size());
    if (room == BackupRoom::None) {
        MaintenanceOutcome outcome = catalogue(26);
        outcome.side = MaintenanceOutcome::Side::Target;
        return outcome;
    }
    if (room == BackupRoom::InPlaceOfOld && !removeOldFirst)
        return box(BackupTitle,
                   u"Στον δίσκο %1 το νέο αντίγραφο χωράει μόνο αν διαγραφεί πρώτα το παλιό (%2). Δεν "
                   u"άλλαξε τίποτα."_s.arg(volume.caption(), target),
                   MaintenanceOutcome::Side::Target);
    if (const QString problem = SettleJournal(database); !problem.isEmpty())
        return unreadableDatabase(database, problem);
    if (room == BackupRoom::InPlaceOfOld && QFileInfo::exists(target)) {
        // Also when it is read-only: the folder decides whether it may go.
        if (std::remove(QFile::encodeName(target).constData()) != 0)
            return fromCopy(FileOutcome::failed(errno == EACCES || errno == EPERM ? FileOutcome::InUse
                                                                                  : FileOutcome::Failed,
                                                u"Το παλιό αντίγραφο %1 δεν διαγράφεται."_s.arg(target)),
                            MaintenanceOutcome::Side::Target);
    }
    return fromCopy(CopyDatabaseFile(database, target, progress), MaintenanceOutcome::Side::Target);
}

QString RemoveOldBackupQuestion(const BackupVolume& volume) {
    return u"ΠΡΟΣΟΧΗ!!!\r\nΣτον δίσκο %1 δεν υπάρχει χώρος για το νέο αντίγραφο δίπλα στο παλιό.\r\n"
           u"Το παλιό αντίγραφο θα διαγραφεί πρώτα και μετά θα γραφτεί το νέο· αν η φύλαξη διακοπεί, "
           u"ο δίσκος θα μείνει χωρίς αντίγραφο. Η βάση δεδομένων του προγράμματος δεν αλλάζει.\r\n"
           u"Να γίνει η φύλαξη;"_s.arg(volume.caption());
}

MaintenanceOutcome CheckBackupFile(const QString& backup) {
    if (!QFileInfo(backup).isFile()) {
        MaintenanceOutcome outcome = catalogue(28);
        outcome.side = MaintenanceOutcome::Side::Source;
        return outcome;
    }
    const FileOutcome check = CheckOrvaDatabase(backup);
    if (check.kind == FileOutcome::InUse)
        return catalogue(29);
    if (!check.ok())
        return box(RestoreTitle,
                   u"ΠΡΟΣΟΧΗ !!!\r\nΤο αρχείο %1 δεν είναι αρχείο του προγράμματος.\r\n%2\r\n"
                   u"Η φόρτωση δεν έγινε και το αρχείο του προγράμματος έμεινε όπως ήταν."_s.arg(
                       backup, check.reason),
                   MaintenanceOutcome::Side::Source);
    return catalogue(27);
}

MaintenanceOutcome RestoreDatabase(const QString& database, const QString& backup,
                                   const CopyProgress& progress, const DatabaseOpener& opener) {
    if (MaintenanceOutcome check = CheckBackupFile(backup); !check.ok())
        return check;
    // A journal left beside the database would otherwise be played back into the new file.
    if (const QString problem = SettleJournal(database); !problem.isEmpty())
        return unreadableDatabase(database, problem);
    DatabaseCopy copy(backup, database);
    if (const FileOutcome written = copy.write(progress); !written.ok())
        return fromCopy(written, MaintenanceOutcome::Side::Neither);
    const QString previous = previousName(database);
    if (const FileOutcome placed = copy.putInPlace(previous); !placed.ok())
        return fromCopy(placed, MaintenanceOutcome::Side::Neither);

    const QString problem = opener ? opener(database) : CheckDatabaseOpens(database);
    if (problem.isEmpty()) {
        QFile::remove(previous);
        return catalogue(27);
    }
    if (!QFileInfo::exists(previous)) {
        // There was no database to keep: the restored one stays, and the reason is told.
        return box(RestoreTitle, u"Η βάση δεδομένων που φορτώθηκε δεν ανοίγει.\r\n%1"_s.arg(problem),
                   MaintenanceOutcome::Side::Source);
    }
    if (std::rename(QFile::encodeName(previous).constData(), QFile::encodeName(database).constData()) != 0)
        return box(RestoreTitle,
                   u"Η βάση δεδομένων που φορτώθηκε δεν ανοίγει.\r\n%1\r\nΗ προηγούμενη βάση δεδομένων δεν "
                   u"μπήκε πίσω στη θέση της· βρίσκεται στο αρχείο %2."_s.arg(problem, previous),
                   MaintenanceOutcome::Side::Neither);
    return box(RestoreTitle,
               u"Η βάση δεδομένων που φορτώθηκε δεν ανοίγει.\r\n%1\r\nΗ προηγούμενη βάση δεδομένων μπήκε "
               u"πίσω στη θέση της."_s.arg(problem),
               MaintenanceOutcome::Side::Source);
}

void ShowMaintenanceOutcome(const MaintenanceOutcome& outcome) {
    if (outcome.message != 0)
        ShowMsg(outcome.message);
    else
        ShowFailure(outcome.title, {outcome.text, outcome.details});
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
