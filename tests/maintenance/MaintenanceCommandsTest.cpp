#include "MaintenanceData.h"
#include "OrvaCommand.h"
#include "SmallDisk.h"
#include "TestDataFolder.h"
#include "logic/core/files/UserLock.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

// "orva backup FOLDER" and "orva restore FILE" run as processes on a data folder.
class MaintenanceCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        MakeOrvaDatabase(database(), u"today"_s, 300);
        QVERIFY(QDir(m_folder->path()).mkdir(u"stick"_s));
    }
    void cleanup() { m_folder.reset(); }

    void backupWritesTheCopyIntoTheFolder();
    void backupRefusesAFolderThatIsNotThere();
    void restoreReplacesTheDatabase();
    void restoreRefusesAFileOfAnotherKindAndTouchesNothing();
    void aRunningOrvaKeepsBothOut();
    void theHelpNamesBothCommands();
    void anOldBackupGivesWayOnlyWithRemoveOld();

private:
    QString database() const { return m_folder->file(u"IntTvx.db"_s); }
    QString stick() const { return m_folder->file(u"stick"_s); }
    CommandRun run(const QStringList& arguments) {
        return RunOrva(arguments + QStringList{u"--data-dir"_s, m_folder->path()});
    }

    std::unique_ptr<TestDataFolder> m_folder;
};

void MaintenanceCommandsTest::backupWritesTheCopyIntoTheFolder() {
    WriteFile(stick() + u"/IntTvx.db"_s, "an old backup");
    const CommandRun backup = run({u"backup"_s, stick()});
    QVERIFY2(backup.finished, qPrintable(backup.err));
    QCOMPARE(backup.exitCode, 0);
    QVERIFY2(backup.out.contains(stick() + u"/IntTvx.db"_s), qPrintable(backup.out));
    QCOMPARE(FileBytes(stick() + u"/IntTvx.db"_s), FileBytes(database()));
    QCOMPARE(QDir(stick()).entryList(QDir::Files | QDir::Hidden), QStringList{u"IntTvx.db"_s});
}

void MaintenanceCommandsTest::backupRefusesAFolderThatIsNotThere() {
    const CommandRun backup = run({u"backup"_s, m_folder->file(u"gone"_s)});
    QCOMPARE(backup.exitCode, 2);
    QVERIFY2(backup.err.contains(u"δεν υπάρχει"_s), qPrintable(backup.err));
    QVERIFY(!QFileInfo::exists(m_folder->file(u"gone"_s)));
}

void MaintenanceCommandsTest::restoreReplacesTheDatabase() {
    MakeOrvaDatabase(stick() + u"/IntTvx.db"_s, u"yesterday"_s, 20);
    const CommandRun restore = run({u"restore"_s, stick() + u"/IntTvx.db"_s});
    QVERIFY2(restore.finished, qPrintable(restore.err));
    QCOMPARE(restore.exitCode, 0);
    const DatabaseContents contents = ReadDatabase(database());
    QCOMPARE(contents.generation, u"yesterday"_s);
    QCOMPARE(contents.employees, 20);
}

void MaintenanceCommandsTest::restoreRefusesAFileOfAnotherKindAndTouchesNothing() {
    const QByteArray before = FileBytes(database());
    WriteFile(stick() + u"/notes.txt"_s, "Σημειώσεις της εβδομάδας");
    const CommandRun refused = run({u"restore"_s, stick() + u"/notes.txt"_s});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(u"δεν είναι αρχείο του προγράμματος"_s), qPrintable(refused.err));
    QCOMPARE(FileBytes(database()), before);
    const CommandRun missing = run({u"restore"_s, stick() + u"/IntTvx.db"_s});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY2(missing.err.contains(u"BackUp"_s), qPrintable(missing.err));
    QCOMPARE(FileBytes(database()), before);
}

void MaintenanceCommandsTest::aRunningOrvaKeepsBothOut() {
    MakeOrvaDatabase(stick() + u"/IntTvx.db"_s, u"yesterday"_s, 20);
    const QByteArray before = FileBytes(database());
    // This process holds the data folder's lock as a running Orva does.
    QVERIFY(TakeUserLock());
    const CommandRun backup = run({u"backup"_s, m_folder->file(u"stick"_s)});
    const CommandRun restore = run({u"restore"_s, stick() + u"/IntTvx.db"_s});
    ReleaseUserLock();
    QCOMPARE(backup.exitCode, 6);
    QCOMPARE(restore.exitCode, 6);
    QVERIFY2(restore.err.contains(u"Το Orva είναι ανοιχτό"_s), qPrintable(restore.err));
    QCOMPARE(FileBytes(database()), before);
    QCOMPARE(ReadDatabase(stick() + u"/IntTvx.db"_s).generation, u"yesterday"_s);
}

void MaintenanceCommandsTest::theHelpNamesBothCommands() {
    const CommandRun help = RunOrva({u"--help"_s});
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.contains(u"backup"_s) && help.out.contains(u"restore"_s), qPrintable(help.out));
    const CommandRun backupHelp = RunOrva({u"backup"_s, u"--help"_s});
    QVERIFY2(backupHelp.out.contains(u"ΦΑΚΕΛΟΣ"_s), qPrintable(backupHelp.out));
}

void MaintenanceCommandsTest::anOldBackupGivesWayOnlyWithRemoveOld() {
    MakeOrvaDatabase(database(), u"today"_s, 15000);
    MakeOrvaDatabase(m_folder->file(u"old.db"_s), u"old"_s, 20000);
    const qint64 length = QFileInfo(database()).size();
    SmallDisk stick(QFileInfo(m_folder->file(u"old.db"_s)).size() + length / 2);
    REQUIRE_MOUNTED(stick);
    QVERIFY(QFile::copy(m_folder->file(u"old.db"_s), stick.file(u"IntTvx.db"_s)));
    const QByteArray old = FileBytes(stick.file(u"IntTvx.db"_s));

    const CommandRun refused = run({u"backup"_s, stick.path()});
    QCOMPARE(refused.exitCode, 4);
    QVERIFY2(refused.err.contains(u"μόνο αν διαγραφεί πρώτα το παλιό"_s), qPrintable(refused.err));
    QCOMPARE(FileBytes(stick.file(u"IntTvx.db"_s)), old);

    const CommandRun done = run({u"backup"_s, u"--remove-old"_s, stick.path()});
    QVERIFY2(done.exitCode == 0, qPrintable(done.err));
    QCOMPARE(FileBytes(stick.file(u"IntTvx.db"_s)), FileBytes(database()));
}

QTEST_GUILESS_MAIN(MaintenanceCommandsTest)
#include "MaintenanceCommandsTest.moc"
