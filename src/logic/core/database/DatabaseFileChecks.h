#pragma once

#include <QString>

// The checks made on IntTvx.db before and while it is opened, and the Greek text of a
// refusal. A file that fails them is never written to: the user's way back is the backup.

// "" when the file at path starts as an SQLite database does; otherwise the Greek message
// that refuses it (not a file, unreadable, not a database), with the system's own reason,
// if it gave one, in reason.
QString CheckDatabaseFile(const QString& path, QString* reason = nullptr);

// The Greek message for a database file that SQLite could not use (damaged, or not one of
// the program's databases); the driver's own text goes under «Λεπτομέρειες».
QString DamagedDatabaseText(const QString& path);
