#pragma once

#include <QString>
#include <QStringList>

// The check of a data folder's database that support people run first: SQLite's integrity
// check with the program's Greek collation (the name index is in that order), and every table
// and column the program reads and writes. The file is opened read-only: the check changes
// nothing, and a running Orva may keep working meanwhile.
struct DatabaseCheck {
    // Why the file could not be checked at all (missing, unreadable, not a database), in
    // Greek; empty when it was checked.
    QString cannotCheck;
    // What the integrity check reported, in SQLite's words; empty when it said "ok".
    QStringList damage;
    // The program's tables and columns the file lacks, as "Ergaz" or "Ergaz.Eypo".
    QStringList missing;

    bool sound() const { return cannotCheck.isEmpty() && damage.isEmpty() && missing.isEmpty(); }
};

DatabaseCheck CheckDatabase(const QString& path);
