#pragma once

#include "logic/core/text/FailureText.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The PostgreSQL server of office mode, as Orva.ini's [Database] Server names it: a libpq
// connection URI ("postgresql://user@host:port/database?sslmode=require") or a libpq
// keyword/value string ("service=office"). libpq itself reads it, so every option libpq
// knows works, and its password file and service file apply as they do for psql. A
// password is never taken from Orva.ini.
class DatabaseServer {
public:
    // The setting read by libpq; nothing, with the reason in Greek (libpq's own words in its
    // details), when libpq refuses it or it holds a password.
    static std::optional<DatabaseServer> parse(const QString& setting, Failure* error);

    // The value of a libpq keyword as the setting gives it, "" when it does not.
    QString option(const QString& keyword) const;

    // What the status bar and the messages name: "PostgreSQL host:port/database".
    QString describe() const;

    // Every keyword with its value for libpq: the setting's own, then the time-outs and
    // keepalives that keep the program from waiting on a server that is gone, where the
    // setting leaves them out. withStatementTimeout adds the server's statement time-out
    // (statements of the windows); tools that run long (pg_dump) leave it out.
    QList<std::pair<QString, QString>> connectionOptions(bool withStatementTimeout) const;

    // Milliseconds a statement of the windows may run: the setting's own statement_timeout
    // (in its "options"), else StatementTimeoutMs.
    int statementTimeoutMs() const;

    // The options as a libpq keyword/value string, each value quoted (for pg_dump and
    // pg_restore, and for Qt's driver).
    static QString conninfo(const QList<std::pair<QString, QString>>& options);

    // Seconds a connection attempt waits for the server, and milliseconds a statement may run.
    static constexpr int ConnectTimeoutSeconds = 10;
    static constexpr int StatementTimeoutMs = 15000;

private:
    QList<std::pair<QString, QString>> m_options;
};

// The libpq connection under a connection of Qt's PostgreSQL driver; nullptr for a closed
// connection or another driver.
struct pg_conn;
pg_conn* ServerHandle(const QSqlDatabase& db);
