#pragma once

#include "logic/maintenance/BackupVolumes.h"
#include "logic/maintenance/DatabaseCopy.h"

#include <QString>

// Backup of the database to a volume and its restore, shared by the window and the command
// line. Neither ever leaves the user without a whole database: see DatabaseCopy.

// The database file of a data folder, and the name of its backup on a volume.
inline const QString DatabaseFileName = QStringLiteral("IntTvx.db");

// How a backup or a restore ended: a message of the catalogue (27 done, 25 volume not
// ready, 26 not enough space, 28 no backup, 29 file in use or not writable), or a box of
// its own (message 0) with title and text.
struct MaintenanceOutcome {
    int message = 27;
    QString title;
    QString text;
    // Where a failure lies, for a command's exit status: the place of the copy (full, gone,
    // read-only) or the file to load (missing, not the program's).
    enum class Side { Neither, Target, Source };
    Side side = Side::Neither;
    // A restore refused because other PCs work on the office's server database.
    bool othersConnected = false;
    // The technical text of a tool or a server (English), for «Λεπτομέρειες» only.
    QString details = {};

    bool ok() const { return message == 27; }
    bool inUse() const { return message == 29; }
};

// Copies the database to the volume's root folder as IntTvx.db, replacing the old backup
// there only once the new one is whole. When there is room for the new copy only in the
// old one's place (RoomForBackup), the old backup is removed first if removeOldFirst, and
// the backup is refused otherwise; the database itself is only read.
MaintenanceOutcome BackupDatabase(const QString& database, const BackupVolume& volume,
                                  const CopyProgress& progress = {}, bool removeOldFirst = false);

// The question asked before an old backup is removed to make room for the new one.
QString RemoveOldBackupQuestion(const BackupVolume& volume);

// "" when the file opens as the program opens its database, else why not.
using DatabaseOpener = std::function<QString(const QString& path)>;

// Replaces the database with the backup file, after checking that the backup is a whole
// database of the program; a file that is not is refused and nothing is touched. The
// replaced database is kept aside until the restored one has been opened (opener, by
// default as the program opens it); when it cannot be, the replaced one is put back.
MaintenanceOutcome RestoreDatabase(const QString& database, const QString& backup,
                                   const CopyProgress& progress = {}, const DatabaseOpener& opener = {});

// Done (27) when the file is a whole database of the program; 28 when it is missing, 29 when
// it cannot be read, and a box saying why otherwise.
MaintenanceOutcome CheckBackupFile(const QString& backup);

// Shows the outcome through the Dialogs service.
void ShowMaintenanceOutcome(const MaintenanceOutcome& outcome);
// The outcome as one line of text (the command line writes it out).
QString MaintenanceOutcomeText(const MaintenanceOutcome& outcome);
