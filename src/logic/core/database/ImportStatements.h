#pragma once

#include "logic/core/database/Database.h"

#include <QSqlQuery>

// The statements of the employee import, prepared once and run for every line of a file
// inside one transaction, each line under a savepoint of its own so that a line that
// fails leaves the lines before and after it in place.
class ImportStatements {
public:
    ImportStatements();

    DbStatus begin();
    DbStatus commit();
    void rollback();

    DbStatus startLine();
    DbStatus keepLine();
    DbStatus undoLine();

    // "Insert Into Ergaz (Eafm,Eepon,Eypo) Values (afm,name,'0')". An employee who is in the
    // table already is told by the key of the table: a duplicate, and the line is undone.
    DbStatus insertEmployee(const QString& afm, const QString& name);

private:
    DbStatus prepare(QSqlQuery& query, const QString& statement);
    static DbStatus run(QSqlQuery& query);
    DbStatus runSavepoint(QSqlQuery& query, const QString& text);

    QSqlDatabase m_db;
    QSqlQuery m_savepoint;
    QSqlQuery m_release;
    QSqlQuery m_rollbackTo;
    QSqlQuery m_insert;
    bool m_plainSavepoints;
};
