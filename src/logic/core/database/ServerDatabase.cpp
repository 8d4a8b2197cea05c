#include "logic/core/database/ServerDatabase.h"

#include "logic/core/database/Database.h"
#include "logic/core/database/DatabaseServer.h"
#include "logic/core/database/ProgramSchema.h"
#include "logic/core/database/Schema.h"

#include <QHash>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

QString counted(qint64 count, const QString& one, const QString& many) {
    static const QLocale greek(QLocale::Greek, QLocale::Greece);
    return greek.toString(count) + u' ' + (count == 1 ? one : many);
}

} // namespace

bool ServerTables(const QSqlDatabase& db, QStringList* tables, QString* error) {
    QSqlQuery query(db);
    if (!query.exec(u"Select table_name From information_schema.tables Where table_schema=current_schema() "
                    u"Order By table_name"_s)) {
        *error = query.lastError().text();
        return false;
    }
    tables->clear();
    while (query.next())
        *tables << query.value(0).toString();
    return true;
}

bool AreProgramTables(const QStringList& tables) {
    QStringList program;
    for (const QString& table : ProgramTables())
        program << table.toLower();
    for (const QString& table : tables) {
        if (!program.contains(table.toLower()))
            return false;
    }
    return !tables.isEmpty();
}

bool ServerRecords(const QSqlDatabase& db, QString* records, QString* error) {
    QSqlQuery query(db);
    if (!query.exec(
            u"Select (Select Count(*) From Ergaz), (Select Count(*) From Kins), "
            u"(Select Count(*) From Company), (Select Count(*) From Param Where IkaCode<>'' Or "
            u"IkaPass<>'' Or TaxisCode<>'' Or TaxisPass<>'' Or SmtpServer<>'' Or Cemail<>'' Or "
            u"Lemail<>'' Or Cepon<>'' Or NewsDat<>'') + (Select Count(*) From ApiLogin Where Auser<>'' Or "
            u"Apass<>''), (Select Count(*) From Submissions)"_s) ||
        !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    QStringList held;
    if (const qint64 n = query.value(0).toLongLong(); n > 0)
        held << counted(n, u"εργαζόμενος"_s, u"εργαζόμενοι"_s);
    if (const qint64 n = query.value(1).toLongLong(); n > 0)
        held << counted(n, u"κίνηση"_s, u"κινήσεις"_s);
    if (const qint64 n = query.value(2).toLongLong(); n > 0)
        held << counted(n, u"εταιρεία"_s, u"εταιρείες"_s);
    if (query.value(3).toLongLong() > 0)
        held << u"παράμετροι σύνδεσης"_s;
    if (const qint64 n = query.value(4).toLongLong(); n > 0)
        held << counted(n, u"υποβολή"_s, u"υποβολές"_s);
    *records = held.join(u", "_s);
    return true;
}

QStringList OtherServerSessions(const QSqlDatabase& db, QString* error) {
    QSqlQuery query(db);
    // Sessions of other users show no address to an ordinary user; they still count.
    if (!query.exec(
            u"Select Coalesce(Host(client_addr),''), Coalesce(application_name,''), "
            u"Coalesce(To_Char(backend_start,'DD/MM/YYYY HH24:MI'),'') From pg_stat_activity "
            u"Where datname=current_database() And pid<>pg_backend_pid() And backend_type='client backend' "
            u"Order By backend_start"_s)) {
        *error = query.lastError().text();
        return {};
    }
    QStringList sessions;
    while (query.next()) {
        QString address = query.value(0).toString();
        if (address.isEmpty())
            address = u"τοπική σύνδεση"_s;
        QString line = u"υπολογιστής "_s + address;
        if (const QString application = query.value(1).toString(); !application.isEmpty())
            line += u", "_s + application;
        if (const QString since = query.value(2).toString(); !since.isEmpty())
            line += u", από "_s + since;
        sessions << line;
    }
    return sessions;
}

qint64 ServerDatabaseSize(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(u"Select pg_database_size(current_database())"_s) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

QString CheckServerFitness(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(u"Select pg_encoding_to_char(encoding), Exists (Select 1 From pg_collation Where "
                    u"collname='el-GR-x-icu') From pg_database Where datname=current_database()"_s) ||
        !query.next())
        return query.lastError().text();
    if (query.value(0).toString() != u"UTF8"_s)
        return u"Η βάση δεδομένων του διακομιστή έχει κωδικοποίηση %1· το πρόγραμμα θέλει UTF8. Δημιουργήστε "
               u"τη βάση με «createdb -E UTF8 -T template0 ...»."_s.arg(query.value(0).toString());
    if (!query.value(1).toBool())
        return u"Ο διακομιστής PostgreSQL δεν έχει την ελληνική ταξινόμηση el-GR-x-icu της ICU, με την οποία "
               u"το πρόγραμμα ταξινομεί τα ονόματα. Χρειάζεται PostgreSQL 10 ή νεότερος, φτιαγμένος με ICU "
               u"(όπως του Debian)."_s;
    return {};
}

bool CreateServerSchema(const QSqlDatabase& db, QString* error) {
    QSqlQuery query(db);
    for (const QString& statement : SchemaStatements(DbEngine::Postgres)) {
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

ServerWork InitServerDatabase(const QString& setting) {
    const QString name = u"orva-init"_s;
    ServerWork work;
    {
        if (const Failure refusal = OpenServerConnection(name, setting); !refusal.text.isEmpty()) {
            work = {ServerWork::CannotConnect, refusal.text, refusal.details};
        } else {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            const QString where = DatabaseServer::parse(setting, nullptr)->describe();
            QStringList tables;
            QString error;
            if (!ServerTables(db, &tables, &error)) {
                work = {ServerWork::Failed,
                        u"Οι πίνακες της βάσης %1 δεν διαβάστηκαν· δεν άλλαξε τίποτα."_s.arg(where), error};
            } else if (!tables.isEmpty()) {
                work = {
                    ServerWork::NotEmpty,
                    AreProgramTables(tables)
                        ? u"Η βάση δεδομένων %1 έχει ήδη τους πίνακες του προγράμματος· δεν άλλαξε τίποτα."_s
                              .arg(where)
                        : u"Η βάση δεδομένων %1 έχει ήδη άλλους πίνακες (%2). Οι πίνακες του προγράμματος "
                          u"δημιουργούνται μόνο σε κενή βάση· δεν άλλαξε τίποτα."_s.arg(
                              where, tables.join(u", "_s))};
            } else if (const QString unfit = CheckServerFitness(db); !unfit.isEmpty()) {
                work = {ServerWork::Failed, unfit};
            } else if (!db.transaction() || !CreateServerSchema(db, &error) || !db.commit()) {
                if (error.isEmpty())
                    error = db.lastError().text();
                db.rollback();
                work = {ServerWork::Failed,
                        u"Οι πίνακες δεν δημιουργήθηκαν και η βάση %1 έμεινε όπως ήταν."_s.arg(where),
                        error.trimmed()};
            } else {
                work = {ServerWork::Done,
                        u"Οι πίνακες του προγράμματος δημιουργήθηκαν στη βάση %1."_s.arg(where)};
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return work;
}

ServerCheck CheckServerDatabase(const QString& setting) {
    const QString name = u"orva-check-server"_s;
    ServerCheck check;
    {
        if (Failure refusal = OpenServerConnection(name, setting); !refusal.text.isEmpty()) {
            check.cannotCheck = std::move(refusal);
        } else {
            const QSqlDatabase db = QSqlDatabase::database(name, false);
            const SchemaGaps gaps = FindSchemaGaps(db);
            check.missing << gaps.missingTables << gaps.missingColumns;
            for (const QString& table : gaps.unreadable)
                check.problems << u"ο πίνακας %1 δεν διαβάζεται."_s.arg(table);
            if (const QString unfit = CheckServerFitness(db); !unfit.isEmpty())
                check.problems << unfit;
            // The collation each key and the names were made with.
            static const QList<std::pair<QString, QString>> collations = {
                {u"ergaz.eafm"_s, u"C"_s}, {u"ergaz.eepon"_s, u"el-GR-x-icu"_s}, {u"kins.eafm"_s, u"C"_s},
                {u"kins.kdate"_s, u"C"_s}, {u"company.ccode"_s, u"C"_s},
            };
            QSqlQuery query(db);
            if (query.exec(
                    u"Select Lower(table_name)||'.'||Lower(column_name), Coalesce(collation_name,'') From "
                    u"information_schema.columns Where table_schema=current_schema()"_s)) {
                QHash<QString, QString> found;
                while (query.next())
                    found.insert(query.value(0).toString(), query.value(1).toString());
                for (const auto& [column, collation] : collations) {
                    const auto it = found.constFind(column);
                    if (it != found.cend() && *it != collation)
                        check.problems << u"το πεδίο %1 έχει ταξινόμηση «%2» αντί για «%3»."_s.arg(
                            column, it->isEmpty() ? u"της βάσης"_s : *it, collation);
                }
            } else {
                check.problems << u"οι στήλες των πινάκων δεν διαβάζονται (%1)."_s.arg(
                    query.lastError().text());
            }
            QSqlDatabase::database(name, false).close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return check;
}
