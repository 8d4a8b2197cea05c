#include "logic/core/database/SqlExec.h"

QString KeyAfm(const QString& afm) {
    qsizetype end = afm.size();
    while (end > 0 && afm.at(end - 1) == QLatin1Char(' '))
        --end;
    return afm.left(end);
}

DbStatus RunStatement(QSqlQuery& query, const QString& statement, std::initializer_list<QVariant> values) {
    return RunStatement(query, statement, QVariantList(values));
}

DbStatus RunStatement(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    if (!query.prepare(statement))
        return DbStatus::fromFailure(query.lastError());
    for (const QVariant& value : values) {
        // Columns hold empty text for none, never null: a null string is bound as "".
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QString(QLatin1String("")));
        else
            query.addBindValue(value);
    }
    if (!query.exec())
        return DbStatus::fromFailure(query.lastError());
    return {};
}

DbStatus RowChangedOrGone(const QString& countStatement, const QVariantList& key) {
    QSqlQuery query(DbConnection());
    DbStatus status = RunStatement(query, countStatement, key);
    if (!status.ok())
        return status;
    status.outcome = query.next() && query.value(0).toInt() > 0 ? DbStatus::Changed : DbStatus::Gone;
    return status;
}
