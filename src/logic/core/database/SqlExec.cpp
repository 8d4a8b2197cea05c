#include "logic/core/database/SqlExec.h"

DbStatus RunStatement(QSqlQuery& query, const QString& statement, std::initializer_list<QVariant> values) {
    return RunStatement(query, statement, QVariantList(values));
}

DbStatus RunStatement(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    if (!query.prepare(statement))
        return DbStatus::fromError(query.lastError());
    for (const QVariant& value : values) {
        // Columns hold empty text for none, never null: a null string is bound as "".
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QString(QLatin1String("")));
        else
            query.addBindValue(value);
    }
    if (!query.exec())
        return DbStatus::fromError(query.lastError());
    return {};
}
