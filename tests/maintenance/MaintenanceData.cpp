#include "MaintenanceData.h"

#include "logic/core/database/Database.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/maintenance/DatabaseCopy.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {
const QString Connection = u"maintenance-test"_s;
}

void MakeOrvaDatabase(const QString& path, const QString& generation, int rows) {
    QFile::remove(path);
    if (const QString error = CreateDatabaseFile(path); !error.isEmpty())
        qFatal("database not created: %s", qPrintable(error));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, Connection);
        db.setDatabaseName(path);
        if (!db.open() || !RegisterGreekCollation(db))
            qFatal("database not opened: %s", qPrintable(db.lastError().text()));
        db.transaction();
        QSqlQuery query(db);
        query.prepare(u"Update Param Set Cepon=?"_s);
        query.addBindValue(generation);
        query.exec();
        query.prepare(u"Insert Into Ergaz (Eafm, Eepon, Eypo) Values (?, ?, ?)"_s);
        for (int i = 0; i < rows; ++i) {
            query.addBindValue(u"%1"_s.arg(i, 9, 10, QChar(u'0')));
            query.addBindValue(u"%1 %2"_s.arg(generation).arg(i).leftJustified(30, u'.'));
            query.addBindValue(u"%1"_s.arg(i % 1000));
            if (!query.exec())
                qFatal("insert failed: %s", qPrintable(query.lastError().text()));
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(Connection);
}

DatabaseContents ReadDatabase(const QString& path) {
    DatabaseContents contents;
    contents.problem = IntegrityProblem(path);
    if (!contents.problem.isEmpty())
        return contents;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, Connection);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (!db.open()) {
            contents.problem = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (query.exec(u"Select Cepon From Param"_s) && query.next())
                contents.generation = query.value(0).toString();
            if (query.exec(u"Select Count(*) From Ergaz"_s) && query.next())
                contents.employees = query.value(0).toInt();
            query.prepare(u"Select Count(*) From Ergaz Where Eepon Like ?"_s);
            query.addBindValue(contents.generation + u" %"_s);
            if (query.exec() && query.next())
                contents.employeesOfGeneration = query.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(Connection);
    return contents;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("file not written: %s", qPrintable(path));
}
