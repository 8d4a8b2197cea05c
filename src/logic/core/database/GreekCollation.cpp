#include "logic/core/database/GreekCollation.h"

#include "logic/core/database/SqliteGreekCollation.h"

#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

sqlite3* SqliteHandle(const QSqlDatabase& db) {
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool RegisterGreekCollation(const QSqlDatabase& db) {
    if (sqlite3* handle = SqliteHandle(db))
        return RegisterGreekCollation(handle);
    return !db.driverName().startsWith(QLatin1String("QSQLITE"));
}

QString NameCollation(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL") ? QStringLiteral(" Collate \"el-GR-x-icu\"")
                                                     : QStringLiteral(" Collate GREEK");
}

QString NameSearchBound(const QString& text) {
    QString bare;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare += c;
    }
    bare = bare.toLower();
    bare.replace(QChar(u'ς'), QChar(u'σ'));
    return bare.normalized(QString::NormalizationForm_C);
}
