#pragma once

#include "logic/core/database/ParamValues.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The one connection of the run to IntTvx.db in the data folder.
QSqlDatabase DbConnection();

// Opens IntTvx.db and loads ParamValues (trimmed; empty when Param has no row). On failure
// shows a box titled "ΠΡΟΣΟΧΗ" with the reason and returns false.
bool OpenDatabase();
void CloseDatabase();

// "" when the file at path opens as the program opens its database (a database of the
// program, with every table and column it reads, and its parameters readable); else the
// Greek reason. The file is opened on a connection of its own and only read.
QString CheckDatabaseOpens(const QString& path);

// Creates a new database file with the program's schema and one empty Param row.
// Returns the error text, or "" on success.
QString CreateDatabaseFile(const QString& path);

// The outcome of a statement: ok, a duplicate key (a constraint the statement broke) or any
// other failure with the driver's text.
struct DbStatus {
    enum Outcome { Ok, Duplicate, Failed };
    Outcome outcome = Ok;
    QString errorText;
    QString errorNumber;

    bool ok() const { return outcome == Ok; }
    bool duplicate() const { return outcome == Duplicate; }
    static DbStatus fromError(const QSqlError& error);
};

// Shows the box of an unexpected database error: title "ΠΡΟΣΟΧΗ !!!", the error's number
// and text.
void ShowDatabaseError(const DbStatus& status);
