#pragma once

#include "logic/core/database/ParamValues.h"
#include "logic/core/database/Schema.h"
#include "logic/core/text/FailureText.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <optional>

// The one connection of the run: to IntTvx.db in the data folder, or, in office mode, to
// the PostgreSQL database that Orva.ini's [Database] Server names. In office mode a
// connection the server dropped is made again by the next statement that asks for it.
QSqlDatabase DbConnection();

// Chooses the database of the run: the value of Orva.ini's [Database] Server ("" for the
// embedded IntTvx.db). Start-up and the command line call it once the settings are in place;
// a password typed for an earlier server is forgotten.
void UseDatabaseServer(const QString& setting);
// The same from the Settings service.
void UseConfiguredDatabaseServer();
// The [Database] Server value in use, "" for the embedded file.
QString DatabaseServerSetting();
// True in office mode.
bool OfficeMode();
// The engine of the run.
DbEngine DatabaseEngine();
// What the status bar's database panel shows: "Access" for the embedded file (the panel's
// text of old), or the engine and the server ("PostgreSQL host:port/database").
QString DatabasePanelText();

// Opens the database of the run and loads ParamValues (trimmed; empty when Param has no
// row). In office mode a server that asks for a password that libpq's files do not give gets
// it from a box, kept for the rest of the run. On failure shows a box titled "ΠΡΟΣΟΧΗ" with
// the reason and returns false.
bool OpenDatabase();
void CloseDatabase();

// "" when the file at path opens as the program opens its database (a database of the
// program, with every table and column it reads, and its parameters readable); else the
// Greek reason. The file is opened on a connection of its own and only read.
QString CheckDatabaseOpens(const QString& path);

// Opens a connection of its own (under `name`) to the server the setting names, asking for
// a password as OpenDatabase does. An empty text on success, else the reason in Greek (the
// technical text in its details); the caller
// removes the connection when done. withStatementTimeout false lets long work (a copy) run
// as long as it needs.
Failure OpenServerConnection(const QString& name, const QString& setting, bool withStatementTimeout = true);

// The password typed in the box for a server setting during this run, if one was; the tools
// of the server (pg_dump, pg_restore) get it too.
std::optional<QString> TypedServerPassword(const QString& setting);

// Creates a new database file with the program's schema and one empty Param row.
// Returns the error text, or "" on success.
QString CreateDatabaseFile(const QString& path);

// The outcome of a statement: ok, a duplicate key (a constraint the statement broke), a row
// that is no longer as it was read (changed or deleted by someone else meanwhile), the
// connection to the server lost, or any other failure with the driver's text.
struct DbStatus {
    enum Outcome { Ok, Duplicate, Changed, Gone, Lost, Failed };
    Outcome outcome = Ok;
    QString errorText;
    QString errorNumber;
    // What happened, in Greek, when the program can tell (the server gone, a time-out).
    QString explanation;

    bool ok() const { return outcome == Ok; }
    bool duplicate() const { return outcome == Duplicate; }
    static DbStatus fromError(const QSqlError& error);
    // The same for a call that failed: never Ok, even when the driver left no error (a
    // statement on a connection that is not open).
    static DbStatus fromFailure(const QSqlError& error);
};

// Shows the box of an unexpected database error: title "ΠΡΟΣΟΧΗ !!!", the error's number
// and text, after what happened in Greek when that is known.
void ShowDatabaseError(const DbStatus& status);
