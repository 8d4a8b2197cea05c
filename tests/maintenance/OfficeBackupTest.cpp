#include "OrvaCommand.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "TestEngine.h"
#include "logic/core/commandline/CommandLine.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/ParamStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/maintenance/BackupVolumes.h"
#include "logic/maintenance/ServerBackup.h"
#include "windows/maintenance/BackRest.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

// Backup and restore of an office's server database with pg_dump and pg_restore, from the
// command line and from the window, on a PostgreSQL cluster of the test's own.
class OfficeBackupTest : public QObject {
    Q_OBJECT

    // The employees of the server's database, "AFM NAME" in AFM order, and Param.Cepon.
    QString contents() const {
        QString error;
        const QString rows = TestCluster().valueIn(ServerDatabaseName(m_folder->server()),
                                                   u"Select Coalesce(string_agg(Eafm||' '||Eepon, ', ' Order "
                                                   u"By Eafm),'')||' | '||(Select Cepon From Param) "
                                                   u"From Ergaz"_s,
                                                   &error);
        if (!error.isEmpty())
            qWarning("%s", qPrintable(error));
        return rows;
    }

    void exec(const QString& statement) const { m_folder->execElsewhere(statement); }

    QString backupFolder() const { return m_folder->file(u"stick"_s); }
    QString backup() const { return QDir(backupFolder()).filePath(ServerBackupFileName); }

    CommandRun orva(const QStringList& arguments) const {
        return RunOrva(arguments + QStringList{u"--data-dir"_s, m_folder->path()});
    }

private slots:
    void init() {
        m_dialogs = &InstallScriptedDialogs();
        m_folder = std::make_unique<TestDataFolder>();
        m_folder->useServer(NewServerDatabase());
        QDir(m_folder->path()).mkdir(u"stick"_s);
        exec(
            u"Insert Into Ergaz (Eafm,Eepon,Eypo) Values ('100000001','ΑΝΝΑ','1'),('100000002','ΒΑΣΩ','2')"_s);
        exec(u"Update Param Set Cepon='χθες'"_s);
    }
    void cleanup() {
        CloseDatabase();
        m_folder.reset();
        SetBackupVolumeSource({});
    }

    void theCommandsBackUpAndRestoreTheServersDatabase() {
        const QString before = contents();
        QCOMPARE(before, u"100000001 ΑΝΝΑ, 100000002 ΒΑΣΩ | χθες"_s);
        const CommandRun saved = orva({u"backup"_s, backupFolder()});
        QCOMPARE(saved.exitCode, int(CommandDone));
        QCOMPARE(saved.out, u"Το αντίγραφο γράφτηκε: %1\n"_s.arg(backup()));
        // Only the backup is left in the folder, no part of a copy.
        QCOMPARE(QDir(backupFolder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{ServerBackupFileName});

        exec(u"Delete From Ergaz Where Eafm='100000001'"_s);
        exec(u"Insert Into Ergaz (Eafm,Eepon,Eypo) Values ('100000003','ΓΙΩΡΓΟΣ','3')"_s);
        exec(u"Update Param Set Cepon='σήμερα'"_s);
        const CommandRun restored = orva({u"restore"_s, backup()});
        QCOMPARE(restored.exitCode, int(CommandDone));
        QVERIFY2(restored.out.startsWith(u"Η βάση δεδομένων PostgreSQL 127.0.0.1:"_s),
                 qPrintable(restored.out));
        QCOMPARE(contents(), before);

        // A second backup takes the first one's place whole.
        exec(u"Update Param Set Cepon='αύριο'"_s);
        QCOMPARE(orva({u"backup"_s, backupFolder()}).exitCode, int(CommandDone));
        exec(u"Update Param Set Cepon='μεθαύριο'"_s);
        QCOMPARE(orva({u"restore"_s, backup()}).exitCode, int(CommandDone));
        QVERIFY(contents().endsWith(u"| αύριο"_s));
    }

    void aRestoreWaitsForTheOtherPcsToLeave() {
        QCOMPARE(orva({u"backup"_s, backupFolder()}).exitCode, int(CommandDone));
        exec(u"Update Param Set Cepon='σήμερα'"_s);
        // This process is another PC with Orva open on the database.
        QVERIFY(OpenDatabase());
        const CommandRun refused = orva({u"restore"_s, backup()});
        QCOMPARE(refused.exitCode, int(ServerInUse));
        QVERIFY2(
            refused.err.contains(u"είναι ανοιχτή και από άλλους υπολογιστές (υπολογιστής 127.0.0.1, Orva"_s),
            qPrintable(refused.err));
        QVERIFY(contents().endsWith(u"| σήμερα"_s));
        CloseDatabase();
        QCOMPARE(orva({u"restore"_s, backup()}).exitCode, int(CommandDone));
        QVERIFY(contents().endsWith(u"| χθες"_s));
    }

    void aFileThatIsNoBackupIsRefused() {
        const QString before = contents();
        WriteText(backup(), "not a dump");
        const CommandRun text = orva({u"restore"_s, backup()});
        QCOMPARE(text.exitCode, int(BadArguments));
        QVERIFY2(text.err.contains(u"δεν είναι αντίγραφο ασφαλείας βάσης δεδομένων του προγράμματος"_s),
                 qPrintable(text.err));
        // A dump of another database, without the program's tables.
        const QString other = NewServerDatabase(false);
        QString error;
        QVERIFY(
            TestCluster().execIn(ServerDatabaseName(other), {u"Create Table Invoices (Id Int)"_s}, &error));
        QProcess dump;
        dump.start(u"pg_dump"_s, {u"-Fc"_s, u"-f"_s, backup(), u"-d"_s, other});
        QVERIFY(dump.waitForFinished() && dump.exitCode() == 0);
        const CommandRun foreign = orva({u"restore"_s, backup()});
        QCOMPARE(foreign.exitCode, int(BadArguments));
        QVERIFY2(foreign.err.contains(u"Δεν έχει τους πίνακες Ergaz, Kins, Param, Company."_s),
                 qPrintable(foreign.err));
        QCOMPARE(orva({u"restore"_s, m_folder->file(u"none.dump"_s)}).exitCode, int(BadArguments));
        QCOMPARE(contents(), before);
    }

    // pg_restore fails half way (a view of another user's stands on a table it replaces):
    // the one transaction leaves every table as it was.
    void aRestoreThatFailsLeavesTheDatabaseAsItWas() {
        QCOMPARE(orva({u"backup"_s, backupFolder()}).exitCode, int(CommandDone));
        exec(u"Update Param Set Cepon='σήμερα'"_s);
        exec(u"Delete From Ergaz Where Eafm='100000002'"_s);
        exec(u"Create View Names As Select Eepon From Ergaz"_s);
        const QString before = contents();
        const CommandRun failed = orva({u"restore"_s, backup()});
        QCOMPARE(failed.exitCode, int(CommandFailed));
        QVERIFY2(failed.err.contains(u"απέτυχε και αναιρέθηκε"_s) && failed.err.contains(u"names"_s),
                 qPrintable(failed.err));
        QCOMPARE(contents(), before);
    }

    // The window backs up to the chosen volume with pg_dump and restores after its question;
    // the program's parameters come back from the restored database.
    void theWindowWorksOnTheServer() {
        BackupVolume stick{u"STICK"_s, backupFolder()};
        stick.removable = true;
        stick.bytesTotal = 8'000'000'000;
        stick.bytesFree = 7'000'000'000;
        SetBackupVolumeSource([stick] { return QList<BackupVolume>{stick}; });
        QVERIFY(OpenDatabase());
        QMainWindow frame;
        auto* window = new BackRest(&frame);
        window->show();
        // The server's connection stays open; the window names the server.
        QVERIFY(DbConnection().isOpen());
        QCOMPARE(window->findChild<QLabel*>(u"FileName"_s)->text(), DatabasePanelText());
        window->findChild<QComboBox*>(u"Disk"_s)->setCurrentIndex(0);
        window->chooseDisk(0);
        window->backup();
        QCOMPARE(m_dialogs->numbers(), QList<int>{27});
        QVERIFY(QFileInfo::exists(backup()));

        exec(u"Update Param Set Cepon='σήμερα'"_s);
        m_dialogs->answers = {MsgAnswer::Yes};
        window->restore();
        QCOMPARE(m_dialogs->numbers(), (QList<int>{27, 0, 27}));
        QCOMPARE(m_dialogs->boxes.at(1).title, u"Φόρτωση Αρχείου"_s);
        QCOMPARE(Program.Params.Cepon, u"χθες"_s);
        QVERIFY(DbConnection().isOpen());
        window->done(0);
        QVERIFY(DbConnection().isOpen());
    }

private:
    static void WriteText(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }

    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<TestDataFolder> m_folder;
};

QTEST_MAIN(OfficeBackupTest)
#include "OfficeBackupTest.moc"
