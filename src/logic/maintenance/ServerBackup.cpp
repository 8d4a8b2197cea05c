#include "logic/maintenance/ServerBackup.h"

#include "logic/core/database/Database.h"
#include "logic/core/database/DatabaseServer.h"
#include "logic/core/database/ProgramSchema.h"
#include "logic/core/database/ServerDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString CheckConnection = u"orva-restore"_s;
constexpr int PollMs = 100;

MaintenanceOutcome catalogue(int number) {
    MaintenanceOutcome outcome;
    outcome.message = number;
    return outcome;
}

MaintenanceOutcome box(const QString& title, const QString& text, const QString& details = {}) {
    MaintenanceOutcome outcome{0, title, text};
    outcome.details = details;
    return outcome;
}

MaintenanceOutcome box(const QString& title, const Failure& failure) {
    return box(title, failure.text, failure.details);
}

QString clientMissing(const QString& tool) {
    return u"Το πρόγραμμα %1 του PostgreSQL δεν βρέθηκε. Εγκαταστήστε το πακέτο postgresql-client "
           u"(sudo apt-get install postgresql-client) και δοκιμάστε ξανά."_s.arg(tool);
}

// What a tool of the PostgreSQL client said and how it ended.
struct ToolRun {
    bool ran = false;
    int exitCode = -1;
    QString output; // standard output
    QString errors; // standard error, the technical reason of a failure
    bool ok() const { return ran && exitCode == 0; }
};

// Runs a tool of the PostgreSQL client to its end, the caller told every tenth of a second
// while it works. A password typed in the program's box reaches it through a password file of
// its own, readable by the user alone and removed afterwards; never through its arguments.
ToolRun runTool(const QString& program, const QStringList& arguments, const QString& setting,
                const std::function<void()>& tick = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir secrets;
    if (const std::optional<QString> password = TypedServerPassword(setting)) {
        const QString path = secrets.filePath(u"pgpass"_s);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QString escaped = *password;
            escaped.replace(u'\\', u"\\\\"_s).replace(u':', u"\\:"_s);
            file.write((u"*:*:*:*:"_s + escaped + u'\n').toUtf8());
            file.close();
            environment.insert(u"PGPASSFILE"_s, path);
        }
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted()) {
        run.errors = process.errorString();
        return run;
    }
    while (!process.waitForFinished(PollMs)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (tick)
            tick();
    }
    run.ran = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (!run.ran && run.errors.isEmpty())
        run.errors = process.errorString();
    return run;
}

bool syncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// The program's tables an archive of pg_dump holds, from its table of contents.
QSet<QString> archivedTables(const QString& listing) {
    static const QRegularExpression table(u"^\\d+; \\d+ \\d+ TABLE \\S+ (\\S+) "_s,
                                          QRegularExpression::MultilineOption);
    QSet<QString> tables;
    for (auto match = table.globalMatch(listing); match.hasNext();)
        tables << match.next().captured(1);
    return tables;
}

QString describe(const QString& setting) {
    const std::optional<DatabaseServer> server = DatabaseServer::parse(setting, nullptr);
    return server ? server->describe() : setting;
}

QString toolConninfo(const QString& setting, Failure* error) {
    const std::optional<DatabaseServer> server = DatabaseServer::parse(setting, error);
    return server ? DatabaseServer::conninfo(server->connectionOptions(false)) : QString();
}

} // namespace

MaintenanceOutcome BackupServerDatabase(const QString& setting, const QString& folder,
                                        const CopyProgress& progress) {
    if (!QFileInfo(folder).isDir())
        return catalogue(25);
    const QString pgDump = QStandardPaths::findExecutable(u"pg_dump"_s);
    if (pgDump.isEmpty())
        return box(u"ΠΡΟΣΟΧΗ"_s, clientMissing(u"pg_dump"_s));
    Failure error;
    const QString conninfo = toolConninfo(setting, &error);
    if (conninfo.isEmpty())
        return box(u"ΠΡΟΣΟΧΗ"_s, error);
    // The new backup is written beside the old one under a name of its own, and takes the old
    // one's place only once it is whole.
    QTemporaryFile unfinished(QDir(folder).filePath(u".%1.orva-XXXXXX"_s.arg(ServerBackupFileName)));
    if (!unfinished.open())
        return catalogue(29);
    unfinished.close();
    const QString target = QDir(folder).filePath(ServerBackupFileName);
    const ToolRun dump = runTool(
        pgDump, {u"--format=custom"_s, u"--file="_s + unfinished.fileName(), u"--dbname="_s + conninfo},
        setting, [&] {
            if (progress)
                progress(QFileInfo(unfinished.fileName()).size(), 0);
        });
    const QString kept =
        QFileInfo::exists(target) ? u"\r\nΤο προηγούμενο αντίγραφο έμεινε όπως ήταν."_s : QString();
    if (!dump.ok())
        return box(u"ΠΡΟΣΟΧΗ"_s, u"Η φύλαξη της βάσης δεδομένων %1 απέτυχε.%2"_s.arg(describe(setting), kept),
                   dump.errors);
    const MaintenanceOutcome check = CheckServerBackupFile(unfinished.fileName());
    if (!check.ok() || !syncFile(unfinished.fileName()))
        return box(u"ΠΡΟΣΟΧΗ"_s, u"Το αντίγραφο που έγραψε το pg_dump δεν διαβάζεται ξανά.%1"_s.arg(kept));
    if (std::rename(QFile::encodeName(unfinished.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return catalogue(29);
    unfinished.setAutoRemove(false);
    // The folder itself, so that the new name survives a power cut.
    syncFile(folder);
    if (progress) {
        const qint64 size = QFileInfo(target).size();
        progress(size, size);
    }
    return catalogue(27);
}

MaintenanceOutcome CheckServerBackupFile(const QString& backup) {
    if (!QFileInfo(backup).isFile())
        return catalogue(28);
    const QString pgRestore = QStandardPaths::findExecutable(u"pg_restore"_s);
    if (pgRestore.isEmpty())
        return box(u"ΠΡΟΣΟΧΗ"_s, clientMissing(u"pg_restore"_s));
    const ToolRun list = runTool(pgRestore, {u"--list"_s, backup}, QString());
    QStringList missing;
    const QSet<QString> tables = archivedTables(list.output);
    // A database made before the submissions' tables lacks them; it gets them when it opens.
    for (const SchemaTable& table : ProgramSchema()) {
        if (!tables.contains(table.name.toLower()))
            missing << table.name;
    }
    if (list.ok() && missing.isEmpty())
        return catalogue(27);
    const QString reason =
        list.ok() ? u"Δεν έχει τους πίνακες %1."_s.arg(missing.join(u", "_s)) : list.errors;
    MaintenanceOutcome refused =
        box(u"Φόρτωση Αρχείου"_s,
            u"ΠΡΟΣΟΧΗ !!!\r\nΤο αρχείο %1 δεν είναι αντίγραφο ασφαλείας βάσης δεδομένων του "
            u"προγράμματος.\r\n%2\r\n"
            u"Η φόρτωση δεν έγινε και η βάση δεδομένων έμεινε όπως ήταν."_s.arg(backup, reason));
    refused.side = MaintenanceOutcome::Side::Source;
    return refused;
}

MaintenanceOutcome RestoreServerDatabase(const QString& setting, const QString& backup,
                                         const CopyProgress& progress) {
    if (MaintenanceOutcome check = CheckServerBackupFile(backup); !check.ok())
        return check;
    const QString pgRestore = QStandardPaths::findExecutable(u"pg_restore"_s);
    Failure error;
    const QString conninfo = toolConninfo(setting, &error);
    if (conninfo.isEmpty())
        return box(u"ΠΡΟΣΟΧΗ"_s, error);
    const QString where = describe(setting);
    QStringList sessions;
    {
        error = OpenServerConnection(CheckConnection, setting);
        QString unread;
        if (error.text.isEmpty())
            sessions = OtherServerSessions(QSqlDatabase::database(CheckConnection, false), &unread);
        if (!unread.isEmpty())
            error = {u"Δεν διαβάστηκε ποιοι άλλοι υπολογιστές χρησιμοποιούν τη βάση δεδομένων %1· η φόρτωση "
                     u"δεν έγινε και η βάση έμεινε όπως ήταν."_s.arg(where),
                     unread};
        QSqlDatabase::database(CheckConnection, false).close();
    }
    QSqlDatabase::removeDatabase(CheckConnection);
    if (!error.text.isEmpty())
        return box(u"ΠΡΟΣΟΧΗ"_s, error);
    if (!sessions.isEmpty()) {
        MaintenanceOutcome refused = box(
            u"Φόρτωση Αρχείου"_s,
            u"ΠΡΟΣΟΧΗ !!!\r\nΗ βάση δεδομένων %1 είναι ανοιχτή και από άλλους υπολογιστές (%2). Κλείστε το "
            u"πρόγραμμα σε αυτούς και δοκιμάστε ξανά.\r\nΗ φόρτωση δεν έγινε και η βάση δεδομένων έμεινε όπως ήταν."_s
                .arg(where, sessions.join(u"· "_s)));
        refused.othersConnected = true;
        return refused;
    }
    const qint64 size = QFileInfo(backup).size();
    if (progress)
        progress(0, 0);
    // One transaction: the tables are dropped and made again from the backup together, or
    // not at all.
    const ToolRun restore = runTool(pgRestore,
                                    {u"--single-transaction"_s, u"--clean"_s, u"--if-exists"_s,
                                     u"--no-owner"_s, u"--dbname="_s + conninfo, backup},
                                    setting, [&] {
                                        if (progress)
                                            progress(0, 0);
                                    });
    if (!restore.ok())
        return box(u"ΠΡΟΣΟΧΗ"_s,
                   u"Η φόρτωση του αντιγράφου %1 απέτυχε και αναιρέθηκε· η βάση δεδομένων %2 έμεινε "
                   u"όπως ήταν."_s.arg(backup, where),
                   restore.errors);
    // The planner learns the sizes of the tables before the lists read them.
    {
        if (OpenServerConnection(CheckConnection, setting).text.isEmpty()) {
            QSqlQuery analyze(QSqlDatabase::database(CheckConnection, false));
            analyze.exec(u"Analyze"_s);
        }
        QSqlDatabase::database(CheckConnection, false).close();
    }
    QSqlDatabase::removeDatabase(CheckConnection);
    if (progress)
        progress(size, size);
    return catalogue(27);
}
