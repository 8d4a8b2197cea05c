#pragma once

#include "logic/core/database/Database.h"

#include <QSqlQuery>
#include <QVariant>
#include <initializer_list>

// Prepares a statement on the program's connection, binds the values in order and runs
// it. The values are never pasted into the statement's text.
DbStatus RunStatement(QSqlQuery& query, const QString& statement, std::initializer_list<QVariant> values);
DbStatus RunStatement(QSqlQuery& query, const QString& statement, const QVariantList& values);

// An AFM as the tables' keys compare it: without trailing blanks (an employee key is the AFM
// padded with blanks). SQLite's key ignores them anyway; PostgreSQL's compares every character,
// so the statements bind and store AFMs without them on both engines.
QString KeyAfm(const QString& afm);

// The outcome of a write that found no row as it was read: Changed when the count statement
// still finds the row by its key, Gone when it does not (or the failure of the count).
DbStatus RowChangedOrGone(const QString& countStatement, const QVariantList& key);

// Hands a statement's outcome to a caller that asked for it.
inline void ReportStatus(DbStatus* out, const DbStatus& status) {
    if (out)
        *out = status;
}
