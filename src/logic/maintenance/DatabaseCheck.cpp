#include "logic/maintenance/DatabaseCheck.h"

#include "logic/core/database/Database.h"
#include "logic/core/database/DatabaseFileChecks.h"
#include "logic/core/database/GreekCollation.h"

#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Schema = QList<QPair<QString, QStringList>>; // each table with its columns

// Runs work on a read-only connection of its own to the file, with the Greek collation.
QString onFile(const QString& path, const std::function<void(QSqlDatabase&)>& work) {
    static int counter = 0;
    const QString name = u"orva-check-%1"_s.arg(++counter);
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=15000"_s);
        if (!db.open())
            problem = DamagedDatabaseText(path) + u"\nΛεπτομέρειες: "_s + db.lastError().text();
        else if (!RegisterGreekCollation(db))
            problem = u"Η ελληνική ταξινόμηση των ονομάτων δεν είναι διαθέσιμη."_s;
        else
            work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

Schema schemaOf(QSqlDatabase& db) {
    Schema schema;
    QSqlQuery tables(db);
    tables.exec(u"Select name From sqlite_master Where type = 'table' Order By rowid"_s);
    while (tables.next()) {
        const QString table = tables.value(0).toString();
        QStringList columns;
        QSqlQuery info(db);
        info.exec(u"Pragma table_info(\"%1\")"_s.arg(table));
        while (info.next())
            columns << info.value(1).toString();
        schema.append({table, columns});
    }
    return schema;
}

// The tables and columns of a database the program makes today: what it reads and writes.
Schema programSchema() {
    QTemporaryDir folder;
    const QString path = folder.filePath(u"IntTvx.db"_s);
    Schema schema;
    if (folder.isValid() && CreateDatabaseFile(path).isEmpty())
        onFile(path, [&schema](QSqlDatabase& db) { schema = schemaOf(db); });
    return schema;
}

QStringList columnsOf(const Schema& schema, const QString& table) {
    for (const auto& [name, columns] : schema) {
        // SQLite's names are not case-sensitive.
        if (name.compare(table, Qt::CaseInsensitive) == 0) {
            QStringList lower;
            for (const QString& column : columns)
                lower << column.toLower();
            return lower;
        }
    }
    return {};
}

} // namespace

DatabaseCheck CheckDatabase(const QString& path) {
    DatabaseCheck check;
    if (!QFileInfo::exists(path)) {
        check.cannotCheck = u"Το αρχείο της βάσης δεδομένων %1 δεν υπάρχει."_s.arg(path);
        return check;
    }
    // SQLite would take a file of another kind for an empty database.
    if (const QString refusal = CheckDatabaseFile(path); !refusal.isEmpty()) {
        check.cannotCheck = refusal;
        return check;
    }
    const Schema wanted = programSchema();
    if (wanted.isEmpty()) {
        check.cannotCheck = u"Η δομή της βάσης δεδομένων του προγράμματος δεν μπόρεσε να φτιαχτεί για "
                            u"τη σύγκριση (προσωρινός φάκελος)."_s;
        return check;
    }
    check.cannotCheck = onFile(path, [&](QSqlDatabase& db) {
        QSqlQuery integrity(db);
        if (!integrity.exec(u"Pragma integrity_check"_s)) {
            check.damage << integrity.lastError().text();
            return;
        }
        while (integrity.next()) {
            const QString line = integrity.value(0).toString();
            if (line != u"ok"_s)
                check.damage << line;
        }
        const Schema present = schemaOf(db);
        for (const auto& [table, columns] : wanted) {
            const QStringList there = columnsOf(present, table);
            if (there.isEmpty()) {
                check.missing << table;
                continue;
            }
            for (const QString& column : columns) {
                if (!there.contains(column.toLower()))
                    check.missing << table + u'.' + column;
            }
        }
    });
    return check;
}
