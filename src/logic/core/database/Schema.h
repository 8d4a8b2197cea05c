#pragma once

#include <QString>
#include <QStringList>

// The engines the program keeps its records on: the embedded SQLite file IntTvx.db, or a
// PostgreSQL server shared by the PCs of an office.
enum class DbEngine { Sqlite, Postgres };

// The statements that make the program's tables on an empty database of the engine, with
// one empty Param row. Both make the same tables and columns; they differ where the engines
// do: on SQLite an AFM compares with trailing blanks ignored and names in the collation
// GREEK that each connection registers; on PostgreSQL AFMs and dates compare by their
// characters' codes whatever the database's own locale ("C"), as the ranges and the
// paging of the lists expect, and names in ICU's Greek collation.
QStringList SchemaStatements(DbEngine engine);

// The index of the month's entries in AFM order: the month "yyyymm" of Kdate, then AFM and
// date, so that a page of a month in that order is read from its place without sorting the
// month. Part of SchemaStatements; a database made before it gets it when it is opened.
QString MonthEntryIndexStatement();

// The statements that make the tables of the submissions to the ministry's service (and the
// service's login) where a database lacks them; part of SchemaStatements.
QStringList SubmissionTableStatements();

// The program's tables, as the statements name them; the submissions' two come last, as a
// database made before them lacks them.
const QStringList& ProgramTables();
