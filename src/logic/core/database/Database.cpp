#include "logic/core/database/Database.h"

#include "logic/core/database/DatabaseFileChecks.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/core/database/ParamStatements.h"
#include "logic/core/database/ProgramSchema.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace {

const QString ConnectionName = QStringLiteral("orva");

// Every column is text and never null. Eafm compares with trailing blanks ignored, as a key
// typed with a trailing blank must find the same employee. The name index follows the Greek
// order of the lists, names of one spelling by AFM.
const char* const SchemaStatements[] = {
    "Create Table Ergaz (Eafm Varchar(14) Not Null Default '' Collate RTRIM Primary Key,"
    " Eepon Varchar(30) Not Null Default '', Eypo Varchar(4) Not Null Default '')",
    "Create Index ErgazEeponGreek On Ergaz (Eepon Collate GREEK, Eafm)",
    "Create Table Kins (Eafm Varchar(14) Not Null Default '' Collate RTRIM,"
    " Kdate Varchar(8) Not Null Default '', Korario Varchar(150) Not Null Default '',"
    " Kparat Varchar(150) Not Null Default '', Primary Key (Eafm, Kdate))",
    "Create Index KinsKdate On Kins (Kdate, Eafm)",
    "Create Table Param (IkaCode Varchar(20) Not Null Default '', IkaPass Varchar(20) Not Null Default '',"
    " TaxisCode Varchar(20) Not Null Default '', TaxisPass Varchar(20) Not Null Default '',"
    " SmtpServer Varchar(40) Not Null Default '', Cemail Varchar(40) Not Null Default '',"
    " Lemail Varchar(40) Not Null Default '', Cepon Varchar(40) Not Null Default '',"
    " NewsDat Varchar(20) Not Null Default '')",
    "Insert Into Param Default Values",
    "Create Table Company (Ccode Varchar(10) Not Null Default '' Primary Key,"
    " Cemail Varchar(40) Not Null Default '')",
};

void configure(QSqlDatabase& db, const QString& path) {
    db.setDatabaseName(path);
    // A statement waits up to 15 seconds for a file another process is writing.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
}

void showOpenError(const QString& text, const QString& details = {}) {
    ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), {text, details});
}

// A file made before the lists followed the Greek order has its name index in the order of
// character codes: it gets the Greek one instead. Only the index changes, never a table. A
// file that cannot be written keeps its old index; the lists are in the Greek order anyway.
void addGreekNameIndex(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("Create Index If Not Exists ErgazEeponGreek On Ergaz (Eepon") +
                   NameCollation(db) + QStringLiteral(", Eafm)")))
        query.exec(QStringLiteral("Drop Index If Exists ErgazEepon"));
}

} // namespace

QSqlDatabase DbConnection() {
    return QSqlDatabase::database(ConnectionName, false);
}

bool OpenDatabase() {
    const QString path = AppFile(QStringLiteral("IntTvx.db"));
    // SQLite would quietly create an empty file in place of a missing one.
    if (!QFileInfo::exists(path)) {
        showOpenError(QStringLiteral("Το αρχείο της βάσης δεδομένων %1 δεν υπάρχει.").arg(path));
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
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
    configure(db, path);
    if (!db.open()) {
        showOpenError(DamagedDatabaseText(path), db.lastError().text());
        return false;
    }
    if (!RegisterGreekCollation(db)) {
        showOpenError(QStringLiteral("Η ελληνική ταξινόμηση των ονομάτων δεν είναι διαθέσιμη."));
        return false;
    }
    DbStatus status;
    const std::optional<ParamValues> params = SelectParam(&status);
    if (!status.ok()) {
        // Only read so far: closing leaves the damaged file as it was.
        CloseDatabase();
        showOpenError(DamagedDatabaseText(path), status.errorText);
        return false;
    }
    // A database that lacks a table or column would fail later, in the middle of a task.
    if (const SchemaGaps gaps = FindSchemaGaps(db); !gaps.empty()) {
        CloseDatabase();
        showOpenError(DamagedDatabaseText(path), gaps.text());
        return false;
    }
    Program.Params = params.value_or(ParamValues{});
    // Only a file that was read as the program's own gets the index, and the tables of the
    // submissions when it lacks them. A file that cannot be written keeps without them: the
    // submissions then tell their own failure when they are used.
    addGreekNameIndex(db);
    CreateSubmissionTables(db);
    return true;
}

void CloseDatabase() {
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
            problem = QStringLiteral("Η βάση δεδομένων %1 δεν είναι βάση του προγράμματος. %2").arg(path, gaps.text());
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("Select IkaCode,IkaPass,TaxisCode,TaxisPass,SmtpServer,Cemail,Lemail,"
                                           "Cepon,NewsDat From Param")))
                problem = QStringLiteral("Οι παράμετροι της βάσης δεδομένων %1 δεν διαβάζονται: %2")
                              .arg(path, query.lastError().text());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

QString CreateDatabaseFile(const QString& path) {
    const QString name = QStringLiteral("orva-create");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        configure(db, path);
        if (!db.open()) {
            error = db.lastError().text();
        } else if (!RegisterGreekCollation(db)) {
            error = QStringLiteral("Η ελληνική ταξινόμηση των ονομάτων δεν είναι διαθέσιμη.");
            db.close();
        } else {
            db.transaction();
            QSqlQuery query(db);
            for (const char* statement : SchemaStatements) {
                if (!query.exec(QString::fromLatin1(statement))) {
                    error = query.lastError().text();
                    break;
                }
            }
            if (error.isEmpty())
                error = CreateSubmissionTables(db);
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
    return status;
}

void ShowDatabaseError(const DbStatus& status) {
    // The number stays in sight for support; the driver's English waits under «Λεπτομέρειες».
    QString text = QStringLiteral("Η βάση δεδομένων δεν εκτέλεσε την εργασία και δεν άλλαξε.");
    if (!status.errorNumber.isEmpty())
        text = QStringLiteral("Λάθος %1\r\n").arg(status.errorNumber) + text;
    MessageBox box;
    box.title = QStringLiteral("ΠΡΟΣΟΧΗ !!!");
    box.text = text + QStringLiteral("\r\nΔοκιμάστε ξανά· αν το σφάλμα επαναλαμβάνεται, επικοινωνήστε με την "
                                     "υποστήριξη.");
    box.icon = MsgIcon::Critical;
    box.details = status.errorText;
    Services::dialogs().message(box);
}
