#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Every table and column the program reads or writes. A database that lacks any of them
// opens, but a window or a report then fails in the middle of its work: a file is checked
// against this list before it replaces the program's database, and whenever a database of
// unknown origin is taken in. A table of a later version adds its row here.
struct SchemaTable {
    QString name;
    QStringList columns;
};

const QList<SchemaTable>& ProgramSchema();

// What a database lacks of the program's schema. Names compare with case aside (PostgreSQL
// folds unquoted names to lower case).
struct SchemaGaps {
    QStringList missingTables;  // "Company"
    QStringList missingColumns; // "Param.IkaPass"
    // A table whose columns are all there but that cannot be read (a broken view), with the
    // driver's text.
    QStringList unreadable; // "Kins: no such table: Old"

    bool empty() const { return missingTables.isEmpty() && missingColumns.isEmpty() && unreadable.isEmpty(); }
    // In Greek, one sentence per kind: "Λείπουν οι πίνακες: Company. Λείπουν οι στήλες: ...".
    QString text() const;
};

// Compares the open connection's database with ProgramSchema().
SchemaGaps FindSchemaGaps(const QSqlDatabase& db);
