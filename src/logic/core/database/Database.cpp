#include "logic/core/database/Database.h"

#include "logic/core/database/DatabaseFileChecks.h"
#include "logic/core/database/DatabaseServer.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/core/database/LibPq.h"
#include "logic/core/database/ParamStatements.h"
#include "logic/core/database/ProgramSchema.h"
#include "logic/core/database/Schema.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>

#include <poll.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString ConnectionName = u"orva"_s;

struct ServerState {
    QString setting;
    // Passwords typed in the box, by setting, for the rest of the run.
    QHash<QString, QString> passwords;
    // The run's connection was opened and not closed on purpose: a lost one is made again.
    bool connected = false;
    // After a failed attempt to connect again, the rest of the same action fails at once
    // instead of waiting for the server again; the next action tries again.
    bool reconnectPaused = false;
};

ServerState& state() {
    static ServerState s;
    return s;
}

void configure(QSqlDatabase& db, const QString& path) {
    db.setDatabaseName(path);
    // A statement waits up to 15 seconds for a file another process is writing.
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=15000"_s);
}

void showOpenError(const QString& text, const QString& details = {}) {
    ShowFailure(u"ΠΡΟΣΟΧΗ"_s, {text, details});
}

// A file made before the lists followed the Greek order has its name index in the order of
// character codes: it gets the Greek one instead. Only the index changes, never a table. A
// file that cannot be written keeps its old index; the lists are in the Greek order anyway.
void addGreekNameIndex(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (query.exec(u"Create Index If Not Exists ErgazEeponGreek On Ergaz (Eepon"_s + NameCollation(db) +
                   u", Eafm)"_s))
        query.exec(u"Drop Index If Exists ErgazEepon"_s);
}

// A database made before the month index gets it. It is looked for first, so that opening one
// that has it never waits for a lock on the table of entries; one that cannot be written keeps
// without it, and its lists in AFM order sort the month as before.
void addMonthEntryIndex(const QSqlDatabase& db) {
    QSqlQuery query(db);
    const bool server = db.driverName() == u"QPSQL"_s;
    if (!query.exec(server ? u"Select 1 From pg_indexes Where indexname='kinsmonth' And "
                             u"schemaname=current_schema()"_s
                           : u"Select 1 From sqlite_master Where type='index' And name='KinsMonth'"_s) ||
        query.next())
        return;
    query.exec(MonthEntryIndexStatement());
}

// A server that shut down or restarted while the connection was idle has left its last words
// and the end of the stream on the socket (and one that vanished is found by the keepalives):
// reading what waits there lets libpq see the connection gone before a statement fails on it,
// so that the next action connects again instead of failing first. Only outside a
// transaction: one open must end with the statement that fails, never go on half on a new
// connection. A sound idle connection has nothing waiting: one poll.
void readWhatWaits(const LibPqFunctions& pq, PGconn* connection) {
    for (int read = 0; read < 4; ++read) {
        if (pq.PQstatus(connection) != CONNECTION_OK || pq.PQtransactionStatus(connection) != PQTRANS_IDLE ||
            pq.PQisBusy(connection))
            return;
        pollfd socket{pq.PQsocket(connection), POLLIN, 0};
        if (::poll(&socket, 1, 0) <= 0 || !pq.PQconsumeInput(connection))
            return;
    }
}

bool connectionLost(const QSqlDatabase& db) {
    PGconn* connection = ServerHandle(db);
    const LibPqFunctions* pq = LibPq();
    if (!connection || !pq)
        return true;
    readWhatWaits(*pq, connection);
    return pq->PQstatus(connection) == CONNECTION_BAD;
}

// A connection attempt made with libpq alone, which tells what Qt's driver does not: whether
// the server asked for a password that none of libpq's files gave, or refused the one given.
struct Probe {
    bool connected = false;
    bool wantsPassword = false;
    QString user;
    QString error;
};

Probe probeServer(const QList<std::pair<QString, QString>>& options, const QString* password) {
    Probe probe;
    const LibPqFunctions* pq = LibPq(&probe.error);
    if (!pq)
        return probe;
    std::vector<QByteArray> texts;
    for (const auto& [keyword, value] : options) {
        texts.push_back(keyword.toUtf8());
        texts.push_back(value.toUtf8());
    }
    if (password) {
        texts.push_back("password");
        texts.push_back(password->toUtf8());
    }
    std::vector<const char*> keywords;
    std::vector<const char*> values;
    for (size_t i = 0; i < texts.size(); i += 2) {
        keywords.push_back(texts[i].constData());
        values.push_back(texts[i + 1].constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    PGconn* connection = pq->PQconnectdbParams(keywords.data(), values.data(), 0);
    probe.connected = pq->PQstatus(connection) == CONNECTION_OK;
    probe.wantsPassword = !probe.connected && (pq->PQconnectionNeedsPassword(connection) ||
                                               (password && pq->PQconnectionUsedPassword(connection)));
    probe.user = QString::fromUtf8(pq->PQuser(connection));
    probe.error = QString::fromUtf8(pq->PQerrorMessage(connection)).trimmed();
    pq->PQfinish(connection);
    return probe;
}

// libpq's and the driver's reasons are English: they go under «Λεπτομέρειες».
Failure connectFailure(const DatabaseServer& server, const QString& technical) {
    return {u"Δεν έγινε σύνδεση με τη βάση δεδομένων του διακομιστή (%1).\r\n\r\n"
            u"Ελέγξτε ότι ο διακομιστής λειτουργεί και ότι η ρύθμιση [Database] Server του Orva.ini "
            u"είναι σωστή."_s.arg(server.describe()),
            technical};
}

// The server answered but its tables could not be read: the server's words are English.
Failure readFailure(const QString& where, const QString& technical) {
    return {u"Η ανάγνωση της βάσης δεδομένων του διακομιστή (%1) απέτυχε.\r\n\r\nΔοκιμάστε ξανά· αν "
            u"επαναληφθεί, ελέγξτε τον διακομιστή και τα δικαιώματα του χρήστη στη βάση."_s.arg(where),
            technical};
}

// Connects db to the server: libpq's own files give the password, else the user when ask is
// true (three tries). An empty text on success, else the reason in Greek.
Failure connectServer(QSqlDatabase& db, const QString& setting, bool ask, bool withStatementTimeout) {
    Failure error;
    const std::optional<DatabaseServer> server = DatabaseServer::parse(setting, &error);
    if (!server)
        return error;
    const QList<std::pair<QString, QString>> options = server->connectionOptions(withStatementTimeout);
    QHash<QString, QString>& passwords = state().passwords;
    for (int attempt = 0;; ++attempt) {
        const auto typed = passwords.constFind(setting);
        const Probe probe = probeServer(options, typed != passwords.cend() ? &*typed : nullptr);
        if (probe.connected)
            break;
        if (!probe.wantsPassword || !ask || attempt == 3)
            return connectFailure(*server, probe.error);
        const QString prompt =
            typed == passwords.cend()
                ? u"Ο διακομιστής %1 ζητά τον κωδικό του χρήστη %2:"_s.arg(server->describe(), probe.user)
                : u"Ο κωδικός δεν έγινε δεκτός. Δώστε ξανά τον κωδικό του χρήστη %2 για τον διακομιστή %1:"_s
                      .arg(server->describe(), probe.user);
        const std::optional<QString> password =
            Services::dialogs().inputPassword(u"Σύνδεση με τη βάση δεδομένων"_s, prompt);
        if (!password) {
            Failure refused = connectFailure(*server, {});
            refused.text += u" Δεν δόθηκε ο κωδικός του χρήστη %1."_s.arg(probe.user);
            return refused;
        }
        passwords.insert(setting, *password);
    }
    if (!db.isValid())
        return {u"Ο οδηγός PostgreSQL της Qt (πακέτο libqt6sql6-psql) δεν είναι εγκατεστημένος."_s, {}};
    db.setConnectOptions(DatabaseServer::conninfo(options));
    db.setPassword(passwords.value(setting));
    if (!db.open())
        return connectFailure(*server, db.lastError().text().trimmed());
    // The server's notices ("already exists, skipping") are English and for its log alone:
    // libpq would print them on the terminal of a command.
    const LibPqFunctions* pq = LibPq();
    if (PGconn* connection = ServerHandle(db); connection && pq)
        pq->PQsetNoticeProcessor(
            connection, [](void*, const char*) {}, nullptr);
    return {};
}

// The program's tables that the server's database lacks (the submissions' are made when it
// opens). The catalogue, not information_schema: that one hides the tables a user may not
// read, and such a user must hear that he may not read them, not that they are missing.
QStringList missingTables(const QSqlDatabase& db, QString* error) {
    QSqlQuery query(db);
    if (!query.exec(u"Select tablename From pg_tables Where schemaname=current_schema()"_s)) {
        *error = query.lastError().text();
        return {};
    }
    QStringList present;
    while (query.next())
        present << query.value(0).toString().toLower();
    QStringList missing;
    for (const SchemaTable& table : ProgramSchema()) {
        if (!present.contains(table.name.toLower()))
            missing << table.name;
    }
    return missing;
}

bool openServer() {
    QSqlDatabase db = QSqlDatabase::contains(ConnectionName)
                          ? QSqlDatabase::database(ConnectionName, false)
                          : QSqlDatabase::addDatabase(u"QPSQL"_s, ConnectionName);
    if (const Failure failure = connectServer(db, state().setting, true, true); !failure.text.isEmpty()) {
        ShowFailure(u"ΠΡΟΣΟΧΗ"_s, failure);
        return false;
    }
    QString error;
    const QStringList missing = missingTables(db, &error);
    if (!missing.isEmpty() || !error.isEmpty()) {
        const QString where = DatabasePanelText();
        CloseDatabase();
        if (!error.isEmpty())
            ShowFailure(u"ΠΡΟΣΟΧΗ"_s, readFailure(where, error));
        else
            showOpenError(u"Η βάση δεδομένων του διακομιστή (%1) δεν έχει τους πίνακες του προγράμματος "
                          u"(λείπουν: %2).\r\n\r\nΔημιουργήστε τους με την εντολή «orva database init», ή "
                          u"μεταφέρετε εκεί ένα αρχείο IntTvx.db με την εντολή «orva database copy --from "
                          u"IntTvx.db»."_s.arg(where, missing.join(u", "_s)));
        return false;
    }
    state().connected = true;
    return true;
}

// The connection dropped by the server (restarted, the network cut) is made again, once per
// action while the server stays away: the pause ends when the event loop next runs, that is
// when the user does something else.
void reconnect(QSqlDatabase& db) {
    ServerState& s = state();
    if (s.reconnectPaused)
        return;
    db.close();
    if (connectServer(db, s.setting, false, true).text.isEmpty())
        return;
    s.reconnectPaused = true;
    QTimer::singleShot(0, [] { state().reconnectPaused = false; });
}

bool openFile() {
    const QString path = AppFile(u"IntTvx.db"_s);
    // SQLite would quietly create an empty file in place of a missing one.
    if (!QFileInfo::exists(path)) {
        showOpenError(u"Το αρχείο της βάσης δεδομένων %1 δεν υπάρχει."_s.arg(path));
        return false;
    }
    // A file that is not a database never reaches the driver, whose own words are English.
    QString reason;
    if (const QString refusal = CheckDatabaseFile(path, &reason); !refusal.isEmpty()) {
        showOpenError(refusal, reason);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(ConnectionName)
                          ? QSqlDatabase::database(ConnectionName, false)
                          : QSqlDatabase::addDatabase(u"QSQLITE"_s, ConnectionName);
    configure(db, path);
    if (!db.open()) {
        showOpenError(DamagedDatabaseText(path), db.lastError().text());
        return false;
    }
    if (!RegisterGreekCollation(db)) {
        showOpenError(u"Η ελληνική ταξινόμηση των ονομάτων δεν είναι διαθέσιμη."_s);
        return false;
    }
    return true;
}

} // namespace

QSqlDatabase DbConnection() {
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (state().connected && db.isValid() && connectionLost(db))
        reconnect(db);
    return db;
}

void UseDatabaseServer(const QString& setting) {
    state().setting = setting.trimmed();
    state().passwords.clear();
    state().reconnectPaused = false;
}

void UseConfiguredDatabaseServer() {
    UseDatabaseServer(Services::settings().value(u"Database/Server"_s));
}

QString DatabaseServerSetting() {
    return state().setting;
}

bool OfficeMode() {
    return !state().setting.isEmpty();
}

DbEngine DatabaseEngine() {
    return OfficeMode() ? DbEngine::Postgres : DbEngine::Sqlite;
}

QString DatabasePanelText() {
    if (!OfficeMode())
        return u"Access"_s;
    const std::optional<DatabaseServer> server = DatabaseServer::parse(state().setting, nullptr);
    return server ? server->describe() : u"PostgreSQL"_s;
}

bool OpenDatabase() {
    const bool office = OfficeMode();
    if (office ? !openServer() : !openFile())
        return false;
    DbStatus status;
    const std::optional<ParamValues> params = SelectParam(&status);
    if (!status.ok()) {
        // Only read so far: closing leaves the database as it was.
        CloseDatabase();
        if (office)
            ShowFailure(u"ΠΡΟΣΟΧΗ"_s, status.explanation.isEmpty()
                                          ? readFailure(DatabasePanelText(), status.errorText)
                                          : Failure{status.explanation, status.errorText});
        else
            showOpenError(DamagedDatabaseText(AppFile(u"IntTvx.db"_s)), status.errorText);
        return false;
    }
    // A database that lacks a table or column would fail later, in the middle of a task.
    if (const SchemaGaps gaps = FindSchemaGaps(DbConnection()); !gaps.empty()) {
        CloseDatabase();
        showOpenError(office ? u"Η βάση δεδομένων του διακομιστή (%1) δεν είναι βάση του προγράμματος."_s.arg(
                                   DatabasePanelText())
                             : DamagedDatabaseText(AppFile(u"IntTvx.db"_s)),
                      gaps.text());
        return false;
    }
    Program.Params = params.value_or(ParamValues{});
    // Only a database that was read as the program's own gets the tables of the submissions
    // when it lacks them (one made before them), and a file the Greek name index; a server's
    // database has the index from the start; either gets the month index it lacks. A database
    // that cannot be written keeps without them: the submissions then tell their own failure
    // when they are used.
    if (!office)
        addGreekNameIndex(DbConnection());
    addMonthEntryIndex(DbConnection());
    if (const QStringList tables = DbConnection().tables();
        !tables.contains(u"Submissions"_s, Qt::CaseInsensitive) ||
        !tables.contains(u"ApiLogin"_s, Qt::CaseInsensitive))
        CreateSubmissionTables(DbConnection());
    return true;
}

void CloseDatabase() {
    state().connected = false;
    if (!QSqlDatabase::contains(ConnectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(ConnectionName);
}

QString CheckDatabaseOpens(const QString& path) {
    // The driver's own words come last, as the technical reason.
    if (!CheckDatabaseFile(path).isEmpty())
        return QStringLiteral("Το αρχείο %1 δεν διαβάζεται ως βάση δεδομένων.").arg(path);
    const QString name = QStringLiteral("orva-check");
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        configure(db, path);
        db.setConnectOptions(db.connectOptions() + QStringLiteral(";QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            problem = QStringLiteral("Η βάση δεδομένων %1 δεν ανοίγει: %2").arg(path, db.lastError().text());
        } else if (!RegisterGreekCollation(db)) {
            problem = QStringLiteral("Η ελληνική ταξινόμηση των ονομάτων δεν είναι διαθέσιμη.");
        } else if (const SchemaGaps gaps = FindSchemaGaps(db); !gaps.empty()) {
            problem = QStringLiteral("Η βάση δεδομένων %1 δεν είναι βάση του προγράμματος. %2")
                          .arg(path, gaps.text());
        } else {
            QSqlQuery query(db);
            if (!query.exec(
                    QStringLiteral("Select IkaCode,IkaPass,TaxisCode,TaxisPass,SmtpServer,Cemail,Lemail,"
                                   "Cepon,NewsDat From Param")))
                problem = QStringLiteral("Οι παράμετροι της βάσης δεδομένων %1 δεν διαβάζονται: %2")
                              .arg(path, query.lastError().text());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

Failure OpenServerConnection(const QString& name, const QString& setting, bool withStatementTimeout) {
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
    return connectServer(db, setting, true, withStatementTimeout);
}

std::optional<QString> TypedServerPassword(const QString& setting) {
    const auto typed = state().passwords.constFind(setting.trimmed());
    if (typed == state().passwords.cend())
        return std::nullopt;
    return *typed;
}

QString CreateDatabaseFile(const QString& path) {
    const QString name = u"orva-create"_s;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        configure(db, path);
        if (!db.open()) {
            error = db.lastError().text();
        } else if (!RegisterGreekCollation(db)) {
            error = u"Η ελληνική ταξινόμηση των ονομάτων δεν είναι διαθέσιμη."_s;
            db.close();
        } else {
            db.transaction();
            QSqlQuery query(db);
            for (const QString& statement : SchemaStatements(DbEngine::Sqlite)) {
                if (!query.exec(statement)) {
                    error = query.lastError().text();
                    break;
                }
            }
            if (error.isEmpty())
                db.commit();
            else
                db.rollback();
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

DbStatus DbStatus::fromError(const QSqlError& error) {
    DbStatus status;
    if (error.type() == QSqlError::NoError)
        return status;
    status.errorText = error.text();
    status.errorNumber = error.nativeErrorCode();
    // SQLite reports a broken key as SQLITE_CONSTRAINT (19) with a "UNIQUE constraint
    // failed" text, or as its extended codes 1555 (primary key) and 2067 (unique);
    // PostgreSQL as SQLSTATE 23505. Other constraints (a null value) are plain failures.
    bool numeric = false;
    const int code = status.errorNumber.toInt(&numeric);
    const bool sqliteKey = numeric && (code == 1555 || code == 2067 ||
                                       (code == 19 && error.text().contains(QLatin1String("UNIQUE"))));
    const bool duplicate = sqliteKey || status.errorNumber == QLatin1String("23505");
    status.outcome = duplicate ? Duplicate : Failed;
    if (OfficeMode() && !duplicate) {
        if (state().connected && connectionLost(QSqlDatabase::database(ConnectionName, false))) {
            status.outcome = Lost;
            status.explanation =
                u"Η σύνδεση με τη βάση δεδομένων του διακομιστή (%1) χάθηκε και η εργασία δεν "
                u"ολοκληρώθηκε· ό,τι δεν ολοκληρώθηκε δεν αποθηκεύτηκε. Η επόμενη ενέργεια θα συνδεθεί "
                u"ξανά, μόλις ο διακομιστής είναι διαθέσιμος."_s.arg(DatabasePanelText());
        } else if (status.errorNumber == u"57014"_s) {
            // The statement time-out of the connection, or a cancel from the server's side.
            const std::optional<DatabaseServer> server = DatabaseServer::parse(state().setting, nullptr);
            const int seconds = std::max(
                1, (server ? server->statementTimeoutMs() : DatabaseServer::StatementTimeoutMs) / 1000);
            status.explanation =
                u"Ο διακομιστής της βάσης δεδομένων δεν απάντησε μέσα σε %1 δευτερόλεπτα "
                u"και η εργασία ακυρώθηκε· δεν αποθηκεύτηκε τίποτα από αυτήν."_s.arg(seconds);
        }
    }
    return status;
}

DbStatus DbStatus::fromFailure(const QSqlError& error) {
    if (error.type() != QSqlError::NoError)
        return fromError(error);
    return fromError(
        QSqlError(QString(), u"Η βάση δεδομένων δεν είναι ανοιχτή."_s, QSqlError::ConnectionError));
}

void ShowDatabaseError(const DbStatus& status) {
    // The number stays in sight for support; the driver's English waits under «Λεπτομέρειες».
    QString text = QStringLiteral("Η βάση δεδομένων δεν εκτέλεσε την εργασία και δεν άλλαξε.");
    if (!status.errorNumber.isEmpty())
        text = QStringLiteral("Λάθος %1\r\n").arg(status.errorNumber) + text;
    // What happened, when the program can tell (the server gone, a time-out), in its place.
    if (!status.explanation.isEmpty())
        text = status.errorNumber.isEmpty()
                   ? status.explanation
                   : status.explanation + QStringLiteral("\r\nΛάθος %1").arg(status.errorNumber);
    MessageBox box;
    box.title = QStringLiteral("ΠΡΟΣΟΧΗ !!!");
    box.text = text + QStringLiteral("\r\nΔοκιμάστε ξανά· αν το σφάλμα επαναλαμβάνεται, επικοινωνήστε με την "
                                     "υποστήριξη.");
    box.icon = MsgIcon::Critical;
    box.details = status.errorText;
    Services::dialogs().message(box);
}
