#include "logic/internet/NewsDatabase.h"

#include "logic/core/program/LateLibrary.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>
#include <QVariant>

#include <sql.h>
#include <sqlext.h>

namespace {

QString ErrorText(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    const QString driver = error.driverText().trimmed();
    if (database.isEmpty())
        return driver;
    return driver.isEmpty() ? database : driver + QStringLiteral(": ") + database;
}

// The driver manager's diagnostics, from the library Qt's ODBC driver has loaded by the time a
// statement of the news database fails.
using GetDiagnostics = decltype(&::SQLGetDiagRecA);
GetDiagnostics getDiagnostics() {
    static const GetDiagnostics function = [] {
        LateLibrary library("libodbc.so.2");
        GetDiagnostics found = nullptr;
        library.bind(found, "SQLGetDiagRecA");
        return found;
    }();
    return function;
}

// True when the statement broke an integrity constraint (SQLSTATE class 23): the key the
// statement took was taken in between. Read from the statement's own diagnostics, which
// every ODBC driver reports the same way whatever its language.
bool BrokeConstraint(const QSqlQuery& query) {
    const QSqlResult* result = query.result();
    if (!result)
        return false;
    const QVariant handle = result->handle();
    const GetDiagnostics diagnostics = getDiagnostics();
    if (!handle.isValid() || !handle.data() || !diagnostics)
        return false;
    SQLHANDLE statement = *static_cast<const SQLHANDLE*>(handle.constData());
    SQLCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH];
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1;; ++record) {
        const SQLRETURN ret = diagnostics(SQL_HANDLE_STMT, statement, record, state, &native, message,
                                          sizeof(message), &length);
        if (!SQL_SUCCEEDED(ret))
            return false;
        if (state[0] == '2' && state[1] == '3')
            return true;
    }
}

} // namespace

NewsConnection::NewsConnection(const NewsServer& server) : m_server(server) {
    static QAtomicInt uses;
    m_name = QStringLiteral("orva-news-%1").arg(uses.fetchAndAddRelaxed(1));
}

NewsConnection::~NewsConnection() {
    if (QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase database = QSqlDatabase::database(m_name, false);
            database.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
}

bool NewsConnection::open(QString* error) {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
    if (!database.isValid()) {
        *error = QStringLiteral("Ο οδηγός ODBC της Qt (QODBC) δεν είναι εγκατεστημένος.");
        return false;
    }
    database.setDatabaseName(m_server.connectionString());
    database.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1")
                                   .arg(m_server.timeoutSeconds));
    if (!database.open()) {
        *error = ErrorText(database.lastError());
        return false;
    }
    return true;
}

QSqlDatabase NewsConnection::database() const {
    return QSqlDatabase::database(m_name, false);
}

namespace NewsStatements {

std::optional<QList<NewsRow>> SelectCurrent(QSqlDatabase database, const QDate& day, QString* error) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("Select Record,Title,DateStart,Serial,Priority From Vnews "
                                      "Where Quarel=1 And DateStart<=? And DateEnd>=? "
                                      "Order By Priority Desc, DateStart Desc"))) {
        *error = ErrorText(query.lastError());
        return std::nullopt;
    }
    query.addBindValue(day);
    query.addBindValue(day);
    if (!query.exec()) {
        *error = ErrorText(query.lastError());
        return std::nullopt;
    }
    QList<NewsRow> rows;
    while (query.next()) {
        NewsRow row;
        row.record = query.value(0).toInt();
        row.title = query.value(1).toString();
        row.dateStart = query.value(2).toDateTime();
        row.serial = query.value(3);
        row.priority = query.value(4).toInt();
        rows << row;
    }
    if (query.lastError().isValid()) {
        *error = ErrorText(query.lastError());
        return std::nullopt;
    }
    return rows;
}

std::optional<NewsArticle> SelectArticle(QSqlDatabase database, int record, QString* error) {
    error->clear();
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("Select Title,Text From Vnews Where Record=?"))) {
        *error = ErrorText(query.lastError());
        return std::nullopt;
    }
    query.addBindValue(record);
    if (!query.exec()) {
        *error = ErrorText(query.lastError());
        return std::nullopt;
    }
    if (!query.next()) {
        if (query.lastError().isValid())
            *error = ErrorText(query.lastError());
        return std::nullopt;
    }
    return NewsArticle{query.value(0).toString(), query.value(1).toString()};
}

bool InsertTrace(QSqlDatabase database, const ReadingTrace& trace, QString* error, int attempts) {
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        QSqlQuery query(database);
        if (!query.prepare(
                QStringLiteral("Insert Into ReadingTracing "
                               "(RecordNum,DateOfRead,TimeOfRead,Program,SerialNum,ProgramUser,ReadArt) "
                               "Select Coalesce(Max(RecordNum),0)+1,?,?,?,?,?,? From ReadingTracing"))) {
            *error = ErrorText(query.lastError());
            return false;
        }
        query.addBindValue(trace.date);
        query.addBindValue(trace.time);
        query.addBindValue(trace.program);
        query.addBindValue(trace.serialNum);
        query.addBindValue(trace.programUser);
        query.addBindValue(trace.readArt);
        if (query.exec())
            return true;
        *error = ErrorText(query.lastError());
        if (!BrokeConstraint(query))
            return false;
    }
    return false;
}

} // namespace NewsStatements
