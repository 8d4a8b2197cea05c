#include "logic/core/ImportStatements.h"

ImportStatements::ImportStatements()
    : m_db(DbConnection()), m_savepoint(m_db), m_release(m_db), m_rollbackTo(m_db), m_insert(m_db) {}

DbStatus ImportStatements::prepare(QSqlQuery& query, const QString& statement) {
    if (!query.prepare(statement))
        return DbStatus::fromError(query.lastError());
    return {};
}

DbStatus ImportStatements::run(QSqlQuery& query) {
    if (!query.exec())
        return DbStatus::fromError(query.lastError());
    return {};
}

DbStatus ImportStatements::begin() {
    if (!m_db.transaction())
        return DbStatus::fromError(m_db.lastError());
    const std::pair<QSqlQuery*, const char*> statements[] = {
        {&m_savepoint, "Savepoint AscLine"},
        {&m_release, "Release Savepoint AscLine"},
        {&m_rollbackTo, "Rollback To Savepoint AscLine"},
        {&m_insert, "Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'0')"},
    };
    for (const auto& [query, text] : statements) {
        const DbStatus status = prepare(*query, QString::fromLatin1(text));
        if (!status.ok()) {
            rollback();
            return status;
        }
    }
    return {};
}

DbStatus ImportStatements::commit() {
    if (!m_db.commit()) {
        const DbStatus status = DbStatus::fromError(m_db.lastError());
        m_db.rollback();
        return status;
    }
    return {};
}

void ImportStatements::rollback() {
    m_db.rollback();
}

DbStatus ImportStatements::startLine() {
    return run(m_savepoint);
}
DbStatus ImportStatements::keepLine() {
    return run(m_release);
}
DbStatus ImportStatements::undoLine() {
    const DbStatus status = run(m_rollbackTo);
    // Rolling back to a savepoint leaves it open; releasing it ends it.
    run(m_release);
    return status;
}

DbStatus ImportStatements::insertEmployee(const QString& afm, const QString& name) {
    m_insert.addBindValue(afm);
    m_insert.addBindValue(name);
    return run(m_insert);
}
