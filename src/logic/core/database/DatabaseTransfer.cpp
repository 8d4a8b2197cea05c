#include "logic/core/database/DatabaseTransfer.h"

#include "logic/core/database/Database.h"
#include "logic/core/database/DatabaseFileChecks.h"
#include "logic/core/database/DatabaseServer.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/core/database/LibPq.h"
#include "logic/core/database/ProgramSchema.h"
#include "logic/core/database/Schema.h"
#include "logic/core/database/SubmissionStatements.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

const QString ServerConnection = u"orva-copy"_s;
const QString FileConnection = u"orva-copy-file"_s;
constexpr qsizetype CopyBuffer = qsizetype{256} * 1024;
constexpr qint64 ProgressRows = 2000;

QString decimal(__int128 value) {
    if (value == 0)
        return u"0"_s;
    const bool negative = value < 0;
    unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(value) : value;
    QString digits;
    while (magnitude > 0) {
        digits.prepend(QChar(u'0' + int(magnitude % 10)));
        magnitude /= 10;
    }
    return negative ? u'-' + digits : digits;
}

// An AFM compares with its trailing blanks ignored in the file; the server keeps it without them.
QString withoutTrailingBlanks(QString value) {
    while (value.endsWith(u' '))
        value.chop(1);
    return value;
}

bool isAfmColumn(const QString& column) {
    return column == u"Eafm"_s;
}

// A value in COPY's text format.
void appendCopyValue(QByteArray& line, const QString& value) {
    for (const char c : value.toUtf8()) {
        switch (c) {
        case '\\':
            line += "\\\\";
            break;
        case '\t':
            line += "\\t";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        default:
            line += c;
        }
    }
}

QString resultError(const LibPqFunctions& pq, PGconn* connection, PGresult* result) {
    const QString text =
        QString::fromUtf8(result ? pq.PQresultErrorMessage(result) : pq.PQerrorMessage(connection));
    return text.trimmed().isEmpty() ? QString::fromUtf8(pq.PQerrorMessage(connection)).trimmed()
                                    : text.trimmed();
}

// What moves the rows: the file's connection, the server's, the counts and the sums of
// what was sent.
class Transfer {
public:
    Transfer(QSqlDatabase file, QSqlDatabase server, const TransferProgress& progress)
        : m_file(file), m_server(server), m_progress(progress) {}

    bool countRows(QString* error) {
        for (const QString& table : ProgramTables()) {
            if (!fileHas(table))
                continue;
            QSqlQuery query(m_file);
            if (!query.exec(u"Select Count(*) From "_s + table) || !query.next()) {
                *error = query.lastError().text();
                return false;
            }
            m_total += query.value(0).toLongLong();
        }
        return true;
    }

    // Streams the file's rows of the table into the server's table with COPY.
    bool send(const QString& table, QString* error) {
        // A file made before the submissions' tables has nothing of them to send.
        if (!fileHas(table))
            return true;
        const QStringList& columns = TableColumns(table);
        QSqlQuery rows(m_file);
        rows.setForwardOnly(true);
        if (!rows.exec(u"Select "_s + columns.join(u',') + u" From "_s + table)) {
            *error = rows.lastError().text();
            return false;
        }
        PGconn* connection = ServerHandle(m_server);
        QString failure;
        const LibPqFunctions* pq = LibPq(&failure);
        if (!connection || !pq) {
            *error = connection ? failure : u"no connection"_s;
            return false;
        }
        PGresult* started = pq->PQexec(
            connection,
            (u"Copy "_s + table + u" ("_s + columns.join(u',') + u") From Stdin"_s).toUtf8().constData());
        const bool copying = pq->PQresultStatus(started) == PGRES_COPY_IN;
        if (!copying)
            *error = resultError(*pq, connection, started);
        pq->PQclear(started);
        if (!copying)
            return false;
        RowSum& sum = m_sums[table];
        QByteArray buffer;
        QStringList values;
        bool sent = true;
        while (sent && rows.next()) {
            values.clear();
            for (int i = 0; i < columns.size(); ++i) {
                const QString value = rows.value(i).toString();
                values << (isAfmColumn(columns.at(i)) ? withoutTrailingBlanks(value) : value);
                if (i > 0)
                    buffer += '\t';
                appendCopyValue(buffer, values.last());
            }
            buffer += '\n';
            sum.add(values);
            if (buffer.size() >= CopyBuffer) {
                sent = pq->PQputCopyData(connection, buffer.constData(), int(buffer.size())) == 1;
                buffer.clear();
            }
            if (++m_done % ProgressRows == 0 && m_progress)
                m_progress(m_done, m_total);
        }
        if (sent && !buffer.isEmpty())
            sent = pq->PQputCopyData(connection, buffer.constData(), int(buffer.size())) == 1;
        // A failure ends the copy with an error of the program's own, so that the server
        // undoes it.
        pq->PQputCopyEnd(connection, sent ? nullptr : "orva: copy stopped");
        bool done = sent;
        while (PGresult* result = pq->PQgetResult(connection)) {
            if (pq->PQresultStatus(result) != PGRES_COMMAND_OK) {
                if (done || error->isEmpty())
                    *error = resultError(*pq, connection, result);
                done = false;
            }
            pq->PQclear(result);
        }
        if (!sent && error->isEmpty())
            *error = QString::fromUtf8(pq->PQerrorMessage(connection)).trimmed();
        return done;
    }

    // The server's count and checksum of each table against what was sent; "" when all agree.
    QString verify() {
        QStringList differences;
        for (const QString& table : ProgramTables()) {
            TableSum stored;
            QString error;
            if (!ServerTableSum(m_server, table, &stored, &error))
                return error;
            const TableSum sent = m_sums[table].sum();
            if (stored != sent)
                differences
                    << u"%1: στάλθηκαν %2 γραμμές (άθροισμα %3), ο διακομιστής έχει %4 (άθροισμα %5)"_s.arg(
                           table, QString::number(sent.rows), sent.checksum, QString::number(stored.rows),
                           stored.checksum);
        }
        return differences.join(u"\r\n"_s);
    }

    qint64 rowsOf(const QString& table) { return m_sums[table].sum().rows; }
    qint64 total() const { return m_total; }

private:
    bool fileHas(const QString& table) const { return m_file.tables().contains(table, Qt::CaseInsensitive); }

    QSqlDatabase m_file;
    QSqlDatabase m_server;
    TransferProgress m_progress;
    QHash<QString, RowSum> m_sums;
    qint64 m_total = 0;
    qint64 m_done = 0;
};

// An empty text when the file opens as a database of the program; else why not, in Greek.
Failure openFile(const QString& file) {
    if (!QFileInfo(file).isFile())
        return {u"Το αρχείο %1 δεν υπάρχει."_s.arg(file), {}};
    QString reason;
    if (const QString refusal = CheckDatabaseFile(file, &reason); !refusal.isEmpty())
        return {refusal, reason};
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, FileConnection);
    db.setDatabaseName(file);
    db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
    if (!db.open() || !RegisterGreekCollation(db))
        return {DamagedDatabaseText(file), db.lastError().text()};
    QSqlQuery query(db);
    QStringList tables;
    if (!query.exec(u"Select Name From sqlite_master Where Type='table'"_s))
        return {DamagedDatabaseText(file), query.lastError().text()};
    while (query.next())
        tables << query.value(0).toString().toLower();
    for (const SchemaTable& table : ProgramSchema()) {
        if (!tables.contains(table.name.toLower()))
            return {u"Το αρχείο %1 δεν είναι βάση δεδομένων του προγράμματος: δεν έχει τον πίνακα %2."_s.arg(
                        file, table.name),
                    {}};
    }
    return {};
}

QString counted(qint64 count, const QString& one, const QString& many) {
    static const QLocale greek(QLocale::Greek, QLocale::Greece);
    return greek.toString(count) + u' ' + (count == 1 ? one : many);
}

// The server's database could not be read or changed before the copy began: its own words go
// under «Λεπτομέρειες».
ServerWork notStarted(const QString& where, const QString& technical) {
    return {
        ServerWork::Failed,
        u"Η βάση δεδομένων %1 δεν διαβάστηκε· η μεταφορά δεν έγινε και η βάση έμεινε όπως ήταν."_s.arg(where),
        technical.trimmed()};
}

// Checks the server's database and copies into it; the connections are open.
ServerWork copyOpen(const QString& where, const QString& file, bool replace,
                    const TransferProgress& progress) {
    QSqlDatabase server = QSqlDatabase::database(ServerConnection, false);
    QStringList tables;
    QString error;
    if (!ServerTables(server, &tables, &error))
        return notStarted(where, error);
    const bool create = tables.isEmpty();
    if (!create && !AreProgramTables(tables))
        return {ServerWork::NotEmpty,
                u"Η βάση δεδομένων %1 έχει άλλους πίνακες (%2)· η μεταφορά γίνεται μόνο σε "
                u"κενή βάση ή σε βάση με τους πίνακες του προγράμματος."_s.arg(where, tables.join(u", "_s))};
    if (const QString unfit = CheckServerFitness(server); !unfit.isEmpty())
        return {ServerWork::Failed, unfit};
    if (!create) {
        // A database made before the submissions' tables gets them, as it would when opened.
        if (const QString failed = CreateSubmissionTables(server); !failed.isEmpty())
            return notStarted(where, failed);
        QString records;
        if (!ServerRecords(server, &records, &error))
            return notStarted(where, error);
        if (!records.isEmpty() && !replace)
            return {ServerWork::NotEmpty,
                    u"Η βάση δεδομένων %1 δεν είναι κενή (έχει %2). Για να αντικατασταθούν "
                    u"τα στοιχεία της, δώστε και την επιλογή --replace."_s.arg(where, records)};
        if (!records.isEmpty()) {
            const QStringList sessions = OtherServerSessions(server, &error);
            if (!error.isEmpty())
                return notStarted(where, error);
            if (!sessions.isEmpty())
                return {
                    ServerWork::InUse,
                    u"Η βάση δεδομένων %1 είναι ανοιχτή και από άλλους υπολογιστές (%2)· "
                    u"κλείστε το πρόγραμμα εκεί και δοκιμάστε ξανά."_s.arg(where, sessions.join(u"· "_s))};
        }
    }
    Transfer transfer(QSqlDatabase::database(FileConnection, false), server, progress);
    if (!transfer.countRows(&error))
        return {ServerWork::BadSource, DamagedDatabaseText(file), error};
    QSqlQuery query(server);
    bool ok = server.transaction() && (!create || CreateServerSchema(server, &error)) &&
              query.exec(u"Truncate Table Kins, Ergaz, Company, Param, Submissions, ApiLogin"_s);
    if (ok) {
        for (const QString& table : ProgramTables()) {
            if (!(ok = transfer.send(table, &error)))
                break;
        }
    }
    if (ok) {
        if (const QString differences = transfer.verify(); !differences.isEmpty()) {
            server.rollback();
            return {
                ServerWork::Failed,
                u"Ο έλεγχος της μεταφοράς βρήκε διαφορές και η μεταφορά αναιρέθηκε· η βάση %1 έμεινε όπως "
                u"ήταν.\r\n\r\n%2"_s.arg(where, differences)};
        }
        ok = server.commit();
    }
    if (!ok) {
        if (error.isEmpty())
            error = query.lastError().isValid() ? query.lastError().text() : server.lastError().text();
        server.rollback();
        return {ServerWork::Failed,
                u"Η μεταφορά απέτυχε και αναιρέθηκε· η βάση %1 έμεινε όπως ήταν."_s.arg(where),
                error.trimmed()};
    }
    if (progress)
        progress(transfer.total(), transfer.total());
    // The planner learns the new tables' sizes before the lists read them.
    query.exec(u"Analyze Ergaz"_s);
    query.exec(u"Analyze Kins"_s);
    return {ServerWork::Done,
            u"Μεταφέρθηκαν στη βάση %1: %2, %3, %4, %5 και %6. Το πλήθος των γραμμών και το άθροισμα ελέγχου "
            u"κάθε πίνακα συμφωνούν με το αρχείο."_s.arg(
                where, counted(transfer.rowsOf(u"Ergaz"_s), u"εργαζόμενος"_s, u"εργαζόμενοι"_s),
                counted(transfer.rowsOf(u"Kins"_s), u"κίνηση"_s, u"κινήσεις"_s),
                counted(transfer.rowsOf(u"Submissions"_s), u"υποβολή"_s, u"υποβολές"_s),
                counted(transfer.rowsOf(u"Company"_s), u"εταιρεία"_s, u"εταιρείες"_s),
                counted(transfer.rowsOf(u"Param"_s), u"γραμμή παραμέτρων"_s, u"γραμμές παραμέτρων"_s))};
}

} // namespace

void RowSum::add(const QStringList& values) {
    QByteArray text;
    for (const QString& value : values) {
        const QByteArray bytes = value.toUtf8();
        text += QByteArray::number(bytes.size()) + ':' + bytes;
    }
    const QByteArray digest = QCryptographicHash::hash(text, QCryptographicHash::Md5);
    m_total += qint64(qFromBigEndian<quint64>(digest.constData()));
    ++m_rows;
}

TableSum RowSum::sum() const {
    return {m_rows, decimal(m_total)};
}

const QStringList& TableColumns(const QString& table) {
    // The program's schema, and the submissions' tables, which a database gets when it opens.
    static const QHash<QString, QStringList> columns = [] {
        QHash<QString, QStringList> all;
        for (const SchemaTable& schemaTable : ProgramSchema())
            all.insert(schemaTable.name, schemaTable.columns);
        all.insert(u"Submissions"_s, {u"Eafm"_s, u"Kdate"_s, u"Sway"_s, u"Sstate"_s, u"Sprotocol"_s,
                                      u"Ssubmit"_s, u"Sdocid"_s, u"Shours"_s, u"Ssent"_s, u"Sproof"_s});
        all.insert(u"ApiLogin"_s, {u"Auser"_s, u"Apass"_s});
        return all;
    }();
    static const QStringList none;
    const auto found = columns.constFind(table);
    return found == columns.cend() ? none : *found;
}

bool ServerTableSum(const QSqlDatabase& db, const QString& table, TableSum* sum, QString* error) {
    QStringList lengthsAndValues;
    for (const QString& column : TableColumns(table))
        lengthsAndValues << u"Octet_Length(%1)::text||':'||%1"_s.arg(column);
    QSqlQuery query(db);
    if (!query.exec(
            u"Select Count(*), Coalesce(Sum(('x'||Substr(Md5(%1),1,16))::bit(64)::bigint),0)::text From %2"_s
                .arg(lengthsAndValues.join(u"||"_s), table)) ||
        !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    *sum = {query.value(0).toLongLong(), query.value(1).toString()};
    return true;
}

ServerWork CopyIntoServer(const QString& setting, const QString& file, bool replace,
                          const TransferProgress& progress) {
    ServerWork work;
    {
        // The setting, then the file, then the server: the first refusal is the outcome.
        Failure refused;
        ServerWork::Outcome refusal = ServerWork::CannotConnect;
        const std::optional<DatabaseServer> server = DatabaseServer::parse(setting, &refused);
        if (server) {
            refused = openFile(file);
            refusal = ServerWork::BadSource;
        }
        if (server && refused.text.isEmpty()) {
            refused = OpenServerConnection(ServerConnection, setting, false);
            refusal = ServerWork::CannotConnect;
        }
        work = refused.text.isEmpty() ? copyOpen(server->describe(), file, replace, progress)
                                      : ServerWork{refusal, refused.text, refused.details};
        QSqlDatabase::database(FileConnection, false).close();
        QSqlDatabase::database(ServerConnection, false).close();
    }
    QSqlDatabase::removeDatabase(FileConnection);
    QSqlDatabase::removeDatabase(ServerConnection);
    return work;
}
