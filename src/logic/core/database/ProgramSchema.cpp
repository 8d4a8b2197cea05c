#include "logic/core/database/ProgramSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace {

// The name under which the database knows a table, or "" when it has none of that name.
QString storedName(const QStringList& tables, const QString& wanted) {
    for (const QString& table : tables) {
        if (table.compare(wanted, Qt::CaseInsensitive) == 0)
            return table;
    }
    return {};
}

bool hasField(const QSqlRecord& record, const QString& column) {
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString sentence(const QString& one, const QString& many, const QStringList& names) {
    return (names.size() == 1 ? one : many).arg(names.join(u", "_s));
}

} // namespace

const QList<SchemaTable>& ProgramSchema() {
    static const QList<SchemaTable> tables = {
        {u"Ergaz"_s, {u"Eafm"_s, u"Eepon"_s, u"Eypo"_s}},
        {u"Kins"_s, {u"Eafm"_s, u"Kdate"_s, u"Korario"_s, u"Kparat"_s}},
        {u"Param"_s,
         {u"IkaCode"_s, u"IkaPass"_s, u"TaxisCode"_s, u"TaxisPass"_s, u"SmtpServer"_s, u"Cemail"_s,
          u"Lemail"_s, u"Cepon"_s, u"NewsDat"_s}},
        {u"Company"_s, {u"Ccode"_s, u"Cemail"_s}},
    };
    return tables;
}

QString SchemaGaps::text() const {
    QStringList parts;
    if (!missingTables.isEmpty())
        parts << sentence(u"Λείπει ο πίνακας %1."_s, u"Λείπουν οι πίνακες %1."_s, missingTables);
    if (!missingColumns.isEmpty())
        parts << sentence(u"Λείπει η στήλη %1."_s, u"Λείπουν οι στήλες %1."_s, missingColumns);
    if (!unreadable.isEmpty())
        parts << sentence(u"Δεν διαβάζεται ο πίνακας %1."_s, u"Δεν διαβάζονται οι πίνακες %1."_s, unreadable);
    return parts.join(u' ');
}

SchemaGaps FindSchemaGaps(const QSqlDatabase& db) {
    SchemaGaps gaps;
    const QStringList tables = db.tables(QSql::AllTables);
    for (const SchemaTable& wanted : ProgramSchema()) {
        const QString table = storedName(tables, wanted.name);
        if (table.isEmpty()) {
            gaps.missingTables << wanted.name;
            continue;
        }
        const QSqlRecord record = db.record(table);
        QStringList missing;
        for (const QString& column : wanted.columns) {
            if (!hasField(record, column))
                missing << wanted.name + u'.' + column;
        }
        if (!missing.isEmpty()) {
            gaps.missingColumns << missing;
            continue;
        }
        // The columns are named; the database itself says whether they can be read.
        QSqlQuery probe(db);
        if (!probe.exec(u"Select %1 From %2 Where 1=0"_s.arg(wanted.columns.join(u','), wanted.name)))
            gaps.unreadable << u"%1 (%2)"_s.arg(wanted.name, probe.lastError().text().trimmed());
    }
    return gaps;
}
