#pragma once

#include "logic/core/database/Database.h"

#include <QSqlQuery>
#include <QVariant>
#include <initializer_list>

// Prepares a statement on the program's connection, binds the values in order and runs
// it. The values are never pasted into the statement's text.
DbStatus RunStatement(QSqlQuery& query, const QString& statement, std::initializer_list<QVariant> values);
DbStatus RunStatement(QSqlQuery& query, const QString& statement, const QVariantList& values);

// Hands a statement's outcome to a caller that asked for it.
inline void ReportStatus(DbStatus* out, const DbStatus& status) {
    if (out)
        *out = status;
}
