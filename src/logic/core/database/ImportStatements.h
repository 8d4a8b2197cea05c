#pragma once

#include "logic/core/database/Database.h"

#include <QSqlQuery>

struct sqlite3;
struct sqlite3_stmt;

// The statements of the employee import, prepared once and run for every line of a file
// inside one transaction, so that a line that fails leaves the lines before and after it in
// place. On PostgreSQL, where a failed statement spoils the whole transaction, each line runs
// under a savepoint of its own. On SQLite a failed statement undoes only itself and the
// transaction goes on, so a line needs no savepoint there; the insert is run through SQLite
// itself, its texts bound as UTF-8, the form the file keeps.
class ImportStatements {
public:
    ImportStatements();
    ~ImportStatements();
    ImportStatements(const ImportStatements&) = delete;
    ImportStatements& operator=(const ImportStatements&) = delete;

    DbStatus begin();
    DbStatus commit();
    void rollback();

    DbStatus startLine();
    DbStatus keepLine();
    DbStatus undoLine();

    // "Insert Into Ergaz (Eafm,Eepon,Eypo) Values (afm,name,'0')". An employee who is in the
    // table already is told by the key of the table: a duplicate, and the line is undone.
    DbStatus insertEmployee(const QString& afm, const QString& name);

    // Whether the import's transaction is still open. SQLite ends it by itself after some
    // failures (a full disk, a trigger that rolls back): the lines stored so far are gone
    // then, and no later line may be stored outside it.
    bool inTransaction() const;

private:
    DbStatus prepare(QSqlQuery& query, const QString& statement);
    static DbStatus run(QSqlQuery& query);
    DbStatus runSavepoint(QSqlQuery& query, const QString& text);
    DbStatus sqliteFailure() const;

    QSqlDatabase m_db;
    sqlite3* m_sqlite = nullptr;
    sqlite3_stmt* m_sqliteInsert = nullptr;
    QSqlQuery m_savepoint;
    QSqlQuery m_release;
    QSqlQuery m_rollbackTo;
    QSqlQuery m_insert;
};
