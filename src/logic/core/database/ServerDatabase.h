#pragma once

#include "logic/core/text/FailureText.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>

// Work on an office's PostgreSQL database as a whole: making its tables, moving a local
// IntTvx.db into it, and what backup and restore ask of it. Each opens a connection of its
// own to the server that a [Database] Server setting names.

// How such work ended, with what it did or why not in Greek.
struct ServerWork {
    enum Outcome {
        Done,
        CannotConnect, // no connection: a wrong setting, the server away, no password
        NotEmpty,      // the database holds tables or rows the work would overwrite
        InUse,         // other connections are open to the database
        BadSource,     // the file to copy is not a database of the program
        Failed,        // the work failed on the way and was undone
    };
    Outcome outcome = Done;
    QString text;
    QString details = {}; // the server's or the driver's own words, for «Λεπτομέρειες»

    bool ok() const { return outcome == Done; }
};

// The tables of the connection's schema (lower case, as PostgreSQL keeps them); false with
// the reason when they cannot be read.
bool ServerTables(const QSqlDatabase& db, QStringList* tables, QString* error);

// Whether tables (as ServerTables gives them) are all the program's: a database made before
// the submissions' tables lacks those.
bool AreProgramTables(const QStringList& tables);

// What the program's tables hold, in Greek ("120 εργαζόμενοι, 3.400 κινήσεις"); "" when they
// hold nothing but the one empty Param row that a new database gets.
bool ServerRecords(const QSqlDatabase& db, QString* records, QString* error);

// The other connections open to the connection's database: one line for each ("PC
// 192.168.1.20, Orva, since 09:15"); empty when there is none.
QStringList OtherServerSessions(const QSqlDatabase& db, QString* error);

// The bytes the connection's database takes on the server's disk; -1 when unknown.
qint64 ServerDatabaseSize(const QSqlDatabase& db);

// Refuses a database whose encoding cannot hold Greek as the program keeps it, or whose server
// lacks ICU's Greek collation; "" when it is fit.
QString CheckServerFitness(const QSqlDatabase& db);

// Makes the program's tables and indexes, in the connection's transaction.
bool CreateServerSchema(const QSqlDatabase& db, QString* error);

// Makes the program's tables, indexes and the one empty Param row on a database that holds no
// table at all, in one transaction.
ServerWork InitServerDatabase(const QString& setting);

// What "orva check" finds on the server's database: the program's tables and columns, the
// encoding and Greek collation the server must offer, and the collations the keys and the
// names were made with (a table made by hand with the database's own collation orders the
// lists and the AFM ranges differently). Only reads.
struct ServerCheck {
    Failure cannotCheck;  // no connection: the Greek text, the technical details
    QStringList missing;  // "Ergaz", "Ergaz.Eypo"
    QStringList problems; // the other faults, in Greek
    bool sound() const { return cannotCheck.text.isEmpty() && missing.isEmpty() && problems.isEmpty(); }
};
ServerCheck CheckServerDatabase(const QString& setting);
