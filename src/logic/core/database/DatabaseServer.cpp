#include "logic/core/database/DatabaseServer.h"

#include "logic/core/database/LibPq.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

// Defaults for a connection that must never wait long on a server that is gone: a connect
// attempt gives up after ConnectTimeoutSeconds; an idle connection whose server stopped
// answering is found dead within about half a minute, and unacknowledged data within 30 s.
QList<std::pair<QString, QString>> safetyDefaults() {
    return {
        {u"connect_timeout"_s, QString::number(DatabaseServer::ConnectTimeoutSeconds)},
        {u"keepalives"_s, u"1"_s},
        {u"keepalives_idle"_s, u"15"_s},
        {u"keepalives_interval"_s, u"5"_s},
        {u"keepalives_count"_s, u"3"_s},
        {u"tcp_user_timeout"_s, u"30000"_s},
        {u"fallback_application_name"_s, u"Orva"_s},
    };
}

QString quoted(const QString& value) {
    QString text = value;
    text.replace(u'\\', u"\\\\"_s).replace(u'\'', u"\\'"_s);
    return u'\'' + text + u'\'';
}

} // namespace

std::optional<DatabaseServer> DatabaseServer::parse(const QString& setting, Failure* error) {
    QString failure;
    const LibPqFunctions* pq = LibPq(&failure);
    if (!pq) {
        if (error)
            *error = {
                u"Η ρύθμιση [Database] Server του Orva.ini δεν μπορεί να διαβαστεί: λείπει η βιβλιοθήκη "
                u"libpq του PostgreSQL (πακέτο libpq5)."_s,
                failure};
        return std::nullopt;
    }
    char* message = nullptr;
    PQconninfoOption* options = pq->PQconninfoParse(setting.trimmed().toUtf8().constData(), &message);
    if (!options) {
        if (error) {
            error->text = u"Η ρύθμιση [Database] Server του Orva.ini δεν είναι διεύθυνση σύνδεσης PostgreSQL "
                          u"(postgresql://χρήστης@διακομιστής:θύρα/βάση)."_s;
            if (message)
                error->details = QString::fromUtf8(message).trimmed();
        }
        pq->PQfreemem(message);
        return std::nullopt;
    }
    DatabaseServer server;
    bool password = false;
    QString semicolon;
    for (const PQconninfoOption* option = options; option->keyword; ++option) {
        if (!option->val)
            continue;
        const QString keyword = QString::fromLatin1(option->keyword);
        const QString value = QString::fromUtf8(option->val);
        if (keyword == u"password"_s)
            password = true;
        else
            server.m_options.append({keyword, value});
        // Qt's driver reads ";" between its options as a blank: it would change the value.
        if (value.contains(u';'))
            semicolon = keyword;
    }
    pq->PQconninfoFree(options);
    if (!semicolon.isEmpty()) {
        if (error)
            error->text =
                u"Η τιμή του %1 στη ρύθμιση [Database] Server του Orva.ini περιέχει το σύμβολο «;», "
                u"που δεν μπορεί να περάσει στη σύνδεση."_s.arg(semicolon);
        return std::nullopt;
    }
    if (password) {
        if (error)
            error->text =
                u"Η ρύθμιση [Database] Server του Orva.ini περιέχει κωδικό. Ο κωδικός δεν γράφεται "
                u"στο Orva.ini: γράψτε τον στο αρχείο κωδικών του PostgreSQL (~/.pgpass) ή δώστε τον "
                u"όταν το πρόγραμμα τον ζητήσει, και σβήστε τον από τη ρύθμιση."_s;
        return std::nullopt;
    }
    return server;
}

QString DatabaseServer::option(const QString& keyword) const {
    for (const auto& [key, value] : m_options) {
        if (key == keyword)
            return value;
    }
    return {};
}

QString DatabaseServer::describe() const {
    QString where = option(u"host"_s);
    if (where.isEmpty())
        where = option(u"hostaddr"_s);
    if (where.isEmpty() && !option(u"service"_s).isEmpty())
        where = u"service="_s + option(u"service"_s);
    if (where.isEmpty())
        where = u"localhost"_s;
    if (const QString port = option(u"port"_s); !port.isEmpty())
        where += u':' + port;
    if (const QString database = option(u"dbname"_s); !database.isEmpty())
        where += u'/' + database;
    return u"PostgreSQL "_s + where;
}

QList<std::pair<QString, QString>> DatabaseServer::connectionOptions(bool withStatementTimeout) const {
    QList<std::pair<QString, QString>> all = m_options;
    for (const auto& [keyword, value] : safetyDefaults()) {
        if (option(keyword).isEmpty())
            all.append({keyword, value});
    }
    if (withStatementTimeout) {
        // Added to the server options the setting may give; a time-out of its own stays.
        QString serverOptions = option(u"options"_s);
        if (!serverOptions.contains(u"statement_timeout"_s)) {
            serverOptions = (serverOptions + u" -c statement_timeout=%1"_s.arg(StatementTimeoutMs)).trimmed();
            all.removeIf([](const auto& pair) { return pair.first == u"options"_s; });
            all.append({u"options"_s, serverOptions});
        }
    }
    return all;
}

int DatabaseServer::statementTimeoutMs() const {
    // The server's own units: a bare number is milliseconds.
    static const QRegularExpression given(u"statement_timeout\\s*=\\s*(\\d+)\\s*(ms|s|min)?"_s);
    const QRegularExpressionMatch match = given.match(option(u"options"_s));
    if (!match.hasMatch())
        return StatementTimeoutMs;
    const int amount = match.captured(1).toInt();
    const QString unit = match.captured(2);
    return unit == u"min"_s ? amount * 60000 : unit == u"s"_s ? amount * 1000 : amount;
}

QString DatabaseServer::conninfo(const QList<std::pair<QString, QString>>& options) {
    QStringList pairs;
    for (const auto& [keyword, value] : options)
        pairs << keyword + u'=' + quoted(value);
    return pairs.join(u' ');
}

pg_conn* ServerHandle(const QSqlDatabase& db) {
    if (!db.isOpen() || !db.driver())
        return nullptr;
    // The driver's type is PGconn*, which the compiler names by the struct behind it.
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}
