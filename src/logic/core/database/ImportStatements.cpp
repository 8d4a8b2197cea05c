#include "logic/core/database/ImportStatements.h"

#include "logic/core/database/GreekCollation.h"
#include "logic/core/database/SqlExec.h"

#include <QSqlError>
#include <sqlite3.h>

namespace {
const QString Savepoint = QStringLiteral("Savepoint AscLine");
const QString Release = QStringLiteral("Release Savepoint AscLine");
const QString RollbackTo = QStringLiteral("Rollback To Savepoint AscLine");
const QString Insert = QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'0')");
} // namespace

ImportStatements::ImportStatements()
    : m_db(DbConnection()), m_sqlite(SqliteHandle(m_db)), m_savepoint(m_db), m_release(m_db),
      m_rollbackTo(m_db), m_insert(m_db) {}

ImportStatements::~ImportStatements() {
    sqlite3_finalize(m_sqliteInsert);
}

DbStatus ImportStatements::prepare(QSqlQuery& query, const QString& statement) {
    if (!query.prepare(statement))
        return DbStatus::fromFailure(query.lastError());
    return {};
}

DbStatus ImportStatements::run(QSqlQuery& query) {
    if (!query.exec())
        return DbStatus::fromFailure(query.lastError());
    return {};
}

// SQLite's last failure as the driver tells it, with the extended code that names a broken key.
DbStatus ImportStatements::sqliteFailure() const {
    return DbStatus::fromFailure(
        QSqlError(QStringLiteral("Unable to fetch row"), QString::fromUtf8(sqlite3_errmsg(m_sqlite)),
                  QSqlError::StatementError, QString::number(sqlite3_extended_errcode(m_sqlite))));
}

DbStatus ImportStatements::begin() {
    if (!m_db.transaction())
        return DbStatus::fromFailure(m_db.lastError());
    if (m_sqlite) {
        // The pages of the table and its two indexes stay in memory until the commit instead of
        // being written out and read again as the file grows.
        sqlite3_exec(m_sqlite, "Pragma cache_size=-65536", nullptr, nullptr, nullptr);
        const QByteArray insert = Insert.toUtf8();
        if (sqlite3_prepare_v2(m_sqlite, insert.constData(), int(insert.size()), &m_sqliteInsert, nullptr) !=
            SQLITE_OK) {
            const DbStatus status = sqliteFailure();
            rollback();
            return status;
        }
        return {};
    }
    const QList<std::pair<QSqlQuery*, QString>> statements = {{&m_insert, Insert}};
    for (const auto& [query, text] : statements) {
        const DbStatus status = prepare(*query, text);
        if (!status.ok()) {
            rollback();
            return status;
        }
    }
    return {};
}

DbStatus ImportStatements::commit() {
    // SQLite commits only when no statement of the connection is still running.
    sqlite3_finalize(m_sqliteInsert);
    m_sqliteInsert = nullptr;
    if (!m_db.commit()) {
        const DbStatus status = DbStatus::fromFailure(m_db.lastError());
        m_db.rollback();
        return status;
    }
    return {};
}

void ImportStatements::rollback() {
    sqlite3_finalize(m_sqliteInsert);
    m_sqliteInsert = nullptr;
    m_db.rollback();
}

bool ImportStatements::inTransaction() const {
    return !m_sqlite || sqlite3_get_autocommit(m_sqlite) == 0;
}

DbStatus ImportStatements::runSavepoint(QSqlQuery& query, const QString& text) {
    // PostgreSQL prepares no savepoint statement: they run as plain text each time.
    if (!query.exec(text))
        return DbStatus::fromFailure(query.lastError());
    return {};
}

DbStatus ImportStatements::startLine() {
    return m_sqlite ? DbStatus{} : runSavepoint(m_savepoint, Savepoint);
}
DbStatus ImportStatements::keepLine() {
    return m_sqlite ? DbStatus{} : runSavepoint(m_release, Release);
}
DbStatus ImportStatements::undoLine() {
    if (m_sqlite)
        return {};
    const DbStatus status = runSavepoint(m_rollbackTo, RollbackTo);
    // Rolling back to a savepoint leaves it open; releasing it ends it.
    runSavepoint(m_release, Release);
    return status;
}

DbStatus ImportStatements::insertEmployee(const QString& afm, const QString& name) {
    if (!m_sqlite) {
        m_insert.addBindValue(KeyAfm(afm));
        m_insert.addBindValue(name);
        return run(m_insert);
    }
    const QByteArray key = KeyAfm(afm).toUtf8();
    const QByteArray text = name.toUtf8();
    sqlite3_bind_text(m_sqliteInsert, 1, key.constData(), int(key.size()), SQLITE_STATIC);
    sqlite3_bind_text(m_sqliteInsert, 2, text.constData(), int(text.size()), SQLITE_STATIC);
    const int stepped = sqlite3_step(m_sqliteInsert);
    const DbStatus status = stepped == SQLITE_DONE ? DbStatus{} : sqliteFailure();
    sqlite3_reset(m_sqliteInsert);
    sqlite3_clear_bindings(m_sqliteInsert);
    return status;
}
