#include "logic/core/database/ImportStatements.h"

#include "logic/core/database/SqlExec.h"

namespace {
const QString Savepoint = QStringLiteral("Savepoint AscLine");
const QString Release = QStringLiteral("Release Savepoint AscLine");
const QString RollbackTo = QStringLiteral("Rollback To Savepoint AscLine");
} // namespace

ImportStatements::ImportStatements()
    : m_db(DbConnection()), m_savepoint(m_db), m_release(m_db), m_rollbackTo(m_db), m_insert(m_db),
      // PostgreSQL prepares no savepoint statement: there they run as plain text each time.
      m_plainSavepoints(m_db.driverName() == QLatin1String("QPSQL")) {}

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

DbStatus ImportStatements::begin() {
    if (!m_db.transaction())
        return DbStatus::fromFailure(m_db.lastError());
    QList<std::pair<QSqlQuery*, QString>> statements = {
        {&m_insert, QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'0')")}};
    if (!m_plainSavepoints)
        statements += {{&m_savepoint, Savepoint}, {&m_release, Release}, {&m_rollbackTo, RollbackTo}};
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
    if (!m_db.commit()) {
        const DbStatus status = DbStatus::fromFailure(m_db.lastError());
        m_db.rollback();
        return status;
    }
    return {};
}

void ImportStatements::rollback() {
    m_db.rollback();
}

DbStatus ImportStatements::runSavepoint(QSqlQuery& query, const QString& text) {
    if (!m_plainSavepoints)
        return run(query);
    if (!query.exec(text))
        return DbStatus::fromFailure(query.lastError());
    return {};
}

DbStatus ImportStatements::startLine() {
    return runSavepoint(m_savepoint, Savepoint);
}
DbStatus ImportStatements::keepLine() {
    return runSavepoint(m_release, Release);
}
DbStatus ImportStatements::undoLine() {
    const DbStatus status = runSavepoint(m_rollbackTo, RollbackTo);
    // Rolling back to a savepoint leaves it open; releasing it ends it.
    runSavepoint(m_release, Release);
    return status;
}

DbStatus ImportStatements::insertEmployee(const QString& afm, const QString& name) {
    m_insert.addBindValue(KeyAfm(afm));
    m_insert.addBindValue(name);
    return run(m_insert);
}
