#pragma once

#include "logic/maintenance/BackupRestore.h"

// Backup and restore of an office's server database with PostgreSQL's own tools: pg_dump in
// its custom format to a file of the chosen place, and pg_restore in one transaction. The
// promises are those of the file's backup: an old backup is replaced only by a whole new one,
// and the live database is whole whatever happens, a refused or failed restore leaving it as
// it was. A restore is refused while another connection is open to the database.

// The name of the backup of a server database.
inline const QString ServerBackupFileName = QStringLiteral("IntTvx.dump");

// Writes the backup of the database that the setting names into the folder. progress gets
// the bytes written so far and the size expected (0 when unknown).
MaintenanceOutcome BackupServerDatabase(const QString& setting, const QString& folder,
                                        const CopyProgress& progress = {});

// Done (27) when the file is a backup of a database of the program made by pg_dump; 28 when
// it is missing, and a box saying why otherwise.
MaintenanceOutcome CheckServerBackupFile(const QString& backup);

// Puts the backup in place of the database's tables, in one transaction. The program's own
// connection must be closed; any other connection to the database refuses the restore.
MaintenanceOutcome RestoreServerDatabase(const QString& setting, const QString& backup,
                                         const CopyProgress& progress = {});
