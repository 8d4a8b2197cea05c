#include "MaintenanceData.h"
#include "ScriptedDialogs.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/maintenance/BackupRestore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The copies of the database file and the rules of backup and restore, on real files.
class BackupLogicTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void copiesEveryByteInChunksAndReportsProgress();
    void exactMultipleOfTheChunkAndAnEmptyFile();
    void copyReplacesAReadOnlyOldBackup();
    void brokenSourceLeavesTheOldTargetAndNoTemporaryFile();
    void staleTemporaryCopiesAreCleared();

    void volumesOfferRemovableFirstAndHomeLast();
    void spaceRuleCountsTheOldBackup();
    void opticalAndReadOnlyVolumesAreNotReady();

    void backupRefusesWithoutSpaceBeforeTouchingAnything();
    void restoreOfAFileThatIsNotADatabaseTouchesNothing();
    void restoreOfAnotherDatabaseIsRefused();
    void restoreReplacesTheDatabaseWithTheBackup();
    void restoreSettlesAJournalLeftBesideTheDatabase();

private:
    QString file(const QString& name) const { return m_dir->filePath(name); }
    BackupVolume volumeAt(const QString& folder, qint64 freeBytes) const {
        BackupVolume volume;
        volume.name = u"STICK"_s;
        volume.rootPath = folder;
        volume.removable = true;
        volume.bytesTotal = 8'000'000'000;
        volume.bytesFree = freeBytes;
        return volume;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void BackupLogicTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    InstallScriptedDialogs();
}

void BackupLogicTest::copiesEveryByteInChunksAndReportsProgress() {
    MakeOrvaDatabase(file(u"source.db"_s), u"Α"_s, 3000);
    QList<qint64> reported;
    qint64 total = 0;
    const FileOutcome outcome =
        CopyDatabaseFile(file(u"source.db"_s), file(u"copy.db"_s), [&](qint64 done, qint64 all) {
            reported << done;
            total = all;
        });
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QCOMPARE(FileBytes(file(u"copy.db"_s)), FileBytes(file(u"source.db"_s)));
    const qint64 length = QFileInfo(file(u"source.db"_s)).size();
    QCOMPARE(total, length);
    QCOMPARE(reported.first(), 0);
    QCOMPARE(reported.last(), length);
    QCOMPARE(reported.size(), 1 + int((length + CopyChunk - 1) / CopyChunk));
    QCOMPARE(ReadDatabase(file(u"copy.db"_s)).employees, 3000);
}

void BackupLogicTest::exactMultipleOfTheChunkAndAnEmptyFile() {
    // SQLite pages of 4096 bytes: a database of 64 pages is exactly 8 chunks.
    MakeOrvaDatabase(file(u"source.db"_s), u"Β"_s, 0);
    QByteArray bytes = FileBytes(file(u"source.db"_s));
    QFile::resize(file(u"source.db"_s), 0);
    bytes.append(QByteArray(8 * CopyChunk - bytes.size(), '\0'));
    // The header's page count is ignored when it does not match: SQLite uses the file size.
    WriteFile(file(u"source.db"_s), bytes);
    QCOMPARE(QFileInfo(file(u"source.db"_s)).size(), 8 * CopyChunk);
    int calls = 0;
    QVERIFY(
        CopyDatabaseFile(file(u"source.db"_s), file(u"copy.db"_s), [&](qint64, qint64) { ++calls; }).ok());
    QCOMPARE(calls, 1 + 8); // no extra empty chunk
    QCOMPARE(FileBytes(file(u"copy.db"_s)), bytes);

    WriteFile(file(u"empty.db"_s), {});
    WriteFile(file(u"copy.db"_s), "old");
    QVERIFY(CopyDatabaseFile(file(u"empty.db"_s), file(u"copy.db"_s)).ok());
    QVERIFY(QFileInfo(file(u"copy.db"_s)).isFile());
    QCOMPARE(QFileInfo(file(u"copy.db"_s)).size(), 0);
}

void BackupLogicTest::copyReplacesAReadOnlyOldBackup() {
    MakeOrvaDatabase(file(u"source.db"_s), u"new"_s, 10);
    MakeOrvaDatabase(file(u"old.db"_s), u"old"_s, 20);
    QFile::setPermissions(file(u"old.db"_s), QFileDevice::ReadOwner);
    QVERIFY(CopyDatabaseFile(file(u"source.db"_s), file(u"old.db"_s)).ok());
    QCOMPARE(ReadDatabase(file(u"old.db"_s)).generation, u"new"_s);
}

void BackupLogicTest::brokenSourceLeavesTheOldTargetAndNoTemporaryFile() {
    MakeOrvaDatabase(file(u"old.db"_s), u"old"_s, 20);
    const QByteArray old = FileBytes(file(u"old.db"_s));
    // A database whose pages were overwritten in the middle fails the integrity check.
    MakeOrvaDatabase(file(u"broken.db"_s), u"new"_s, 5000);
    QByteArray broken = FileBytes(file(u"broken.db"_s));
    for (int i = 8192; i < 8192 + 20000; ++i)
        broken[i] = char(i * 7);
    WriteFile(file(u"broken.db"_s), broken);

    const FileOutcome outcome = CopyDatabaseFile(file(u"broken.db"_s), file(u"old.db"_s));
    QCOMPARE(outcome.kind, FileOutcome::Failed);
    QVERIFY2(outcome.reason.contains(u"ακεραιότητας"_s), qPrintable(outcome.reason));
    QCOMPARE(FileBytes(file(u"old.db"_s)), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A missing source: nothing changes either.
    QCOMPARE(CopyDatabaseFile(file(u"none.db"_s), file(u"old.db"_s)).kind, FileOutcome::Failed);
    QCOMPARE(FileBytes(file(u"old.db"_s)), old);
}

void BackupLogicTest::staleTemporaryCopiesAreCleared() {
    MakeOrvaDatabase(file(u"source.db"_s), u"Α"_s, 10);
    WriteFile(file(u".IntTvx.db.orva-AbC123"_s), "left by a power cut");
    WriteFile(file(u"other.txt"_s), "the user's");
    QVERIFY(CopyDatabaseFile(file(u"source.db"_s), file(u"IntTvx.db"_s)).ok());
    QVERIFY(!QFileInfo::exists(file(u".IntTvx.db.orva-AbC123"_s)));
    QVERIFY(QFileInfo::exists(file(u"other.txt"_s)));
}

void BackupLogicTest::volumesOfferRemovableFirstAndHomeLast() {
    BackupVolume system{u"/"_s, u"/"_s};
    system.writable = false;
    BackupVolume data{u"DATA"_s, u"/srv/data"_s};
    BackupVolume stick{u"STICK"_s, u"/media/user/STICK"_s};
    stick.removable = true;
    BackupVolume disc{u"CD"_s, u"/media/user/CD"_s};
    disc.optical = true;
    disc.readOnly = true;
    disc.writable = false;
    BackupVolume home{u"Προσωπικός φάκελος"_s, u"/home/user"_s};

    const QList<BackupVolume> offered = ArrangeBackupVolumes({system, data, stick, disc}, home);
    QStringList roots;
    for (const BackupVolume& volume : offered)
        roots << volume.rootPath;
    QCOMPARE(roots,
             (QStringList{u"/media/user/STICK"_s, u"/media/user/CD"_s, u"/srv/data"_s, u"/home/user"_s}));
    QVERIFY(offered.last().home);
    QCOMPARE(offered.first().caption(), u"STICK (/media/user/STICK)"_s);
    QCOMPARE((BackupVolume{u"/srv/data"_s, u"/srv/data"_s}).caption(), u"/srv/data"_s);
    // A stick whose label the system does not give is named by the folder it is mounted on.
    QCOMPARE(VolumeName(u"/media/user/KINGSTON"_s, u"/media/user/KINGSTON"_s), u"KINGSTON"_s);
    QCOMPARE(VolumeName(u"DATA"_s, u"/media/user/sdb1"_s), u"DATA"_s);
    QCOMPARE(VolumeName(u"/srv/data"_s, u"/srv/data"_s), u"/srv/data"_s);
}

void BackupLogicTest::spaceRuleCountsTheOldBackup() {
    WriteFile(file(u"IntTvx.db"_s), QByteArray(1000, 'x'));
    const BackupVolume volume = volumeAt(m_dir->path(), 500);
    QCOMPARE(AvailableSpace(volume, u"IntTvx.db"_s), 1500);
    QVERIFY(!BackupFits(1500, 1500)); // equal is too small
    QVERIFY(BackupFits(1500, 1499));  // an old, larger backup makes room
    QCOMPARE(AvailableSpace(volumeAt(m_dir->path() + u"/none"_s, 500), u"IntTvx.db"_s), 500);
}

void BackupLogicTest::opticalAndReadOnlyVolumesAreNotReady() {
    BackupVolume disc = volumeAt(m_dir->path(), 1'000'000);
    disc.optical = true;
    BackupVolume locked = volumeAt(m_dir->path(), 1'000'000);
    locked.readOnly = true;
    MakeOrvaDatabase(file(u"db.db"_s), u"Α"_s, 1);
    for (const BackupVolume& volume : {disc, locked}) {
        QVERIFY(!volume.ready());
        QCOMPARE(AvailableSpace(volume, u"IntTvx.db"_s), 0);
        QCOMPARE(BackupDatabase(file(u"db.db"_s), volume).message, 25);
    }
    QVERIFY(!QFileInfo::exists(file(u"IntTvx.db"_s)));
}

void BackupLogicTest::backupRefusesWithoutSpaceBeforeTouchingAnything() {
    MakeOrvaDatabase(file(u"db.db"_s), u"new"_s, 100);
    QDir().mkpath(file(u"stick"_s));
    WriteFile(file(u"stick/IntTvx.db"_s), QByteArray(100, 'o'));
    const qint64 length = QFileInfo(file(u"db.db"_s)).size();
    // Free space and the old backup together exactly as long as the database: refused.
    const MaintenanceOutcome refused =
        BackupDatabase(file(u"db.db"_s), volumeAt(file(u"stick"_s), length - 100));
    QCOMPARE(refused.message, 26);
    QCOMPARE(FileBytes(file(u"stick/IntTvx.db"_s)), QByteArray(100, 'o'));
    const MaintenanceOutcome done = BackupDatabase(file(u"db.db"_s), volumeAt(file(u"stick"_s), length - 99));
    QCOMPARE(done.message, 27);
    QCOMPARE(FileBytes(file(u"stick/IntTvx.db"_s)), FileBytes(file(u"db.db"_s)));
}

void BackupLogicTest::restoreOfAFileThatIsNotADatabaseTouchesNothing() {
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"mine"_s, 50);
    const QByteArray before = FileBytes(file(u"IntTvx.db"_s));
    WriteFile(file(u"letter.db"_s), "Αγαπητέ κύριε, σας στέλνω το αρχείο.");
    const MaintenanceOutcome outcome = RestoreDatabase(file(u"IntTvx.db"_s), file(u"letter.db"_s));
    QCOMPARE(outcome.message, 0);
    QCOMPARE(outcome.title, u"Φόρτωση Αρχείου"_s);
    QVERIFY(outcome.text.contains(u"δεν είναι αρχείο του προγράμματος"_s));
    QCOMPARE(FileBytes(file(u"IntTvx.db"_s)), before);
    QCOMPARE(RestoreDatabase(file(u"IntTvx.db"_s), file(u"missing.db"_s)).message, 28);
    QCOMPARE(FileBytes(file(u"IntTvx.db"_s)), before);
    WriteFile(file(u"empty.db"_s), {});
    QCOMPARE(RestoreDatabase(file(u"IntTvx.db"_s), file(u"empty.db"_s)).message, 0);
    QCOMPARE(FileBytes(file(u"IntTvx.db"_s)), before);
}

void BackupLogicTest::restoreOfAnotherDatabaseIsRefused() {
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"mine"_s, 50);
    const QByteArray before = FileBytes(file(u"IntTvx.db"_s));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        db.setDatabaseName(file(u"other.db"_s));
        QVERIFY(db.open());
        QSqlQuery(db).exec(u"Create Table Ergaz (Eafm Text)"_s);
        QSqlQuery(db).exec(u"Create Table Kins (Eafm Text)"_s);
        db.close();
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    const MaintenanceOutcome outcome = RestoreDatabase(file(u"IntTvx.db"_s), file(u"other.db"_s));
    QCOMPARE(outcome.message, 0);
    QVERIFY2(outcome.text.contains(u"Param, Company"_s), qPrintable(outcome.text));
    QCOMPARE(FileBytes(file(u"IntTvx.db"_s)), before);
}

void BackupLogicTest::restoreReplacesTheDatabaseWithTheBackup() {
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"today"_s, 50);
    QDir().mkpath(file(u"stick"_s));
    MakeOrvaDatabase(file(u"stick/IntTvx.db"_s), u"yesterday"_s, 40);
    const MaintenanceOutcome outcome = RestoreDatabase(file(u"IntTvx.db"_s), file(u"stick/IntTvx.db"_s));
    QCOMPARE(outcome.message, 27);
    const DatabaseContents restored = ReadDatabase(file(u"IntTvx.db"_s));
    QCOMPARE(restored.generation, u"yesterday"_s);
    QCOMPARE(restored.employees, 40);
    QCOMPARE(MaintenanceOutcomeText(outcome), u"H εργασία εκτελέστηκε κανονικά."_s);
    QCOMPARE(MaintenanceOutcomeText({26, {}, {}}),
             u"To μέγεθος του αρχείου είναι μεγαλύτερο από τον ελεύθερο χωρό του δίσκου."_s);
}

void BackupLogicTest::restoreSettlesAJournalLeftBesideTheDatabase() {
    // The state of a program killed in the middle of a change: pages of the change already in
    // the file, their old contents in the journal beside it.
    MakeOrvaDatabase(file(u"live.db"_s), u"today"_s, 20000);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"writer"_s);
        db.setDatabaseName(file(u"live.db"_s));
        QVERIFY(db.open());
        QVERIFY(RegisterGreekCollation(db));
        QSqlQuery query(db);
        query.exec(u"PRAGMA cache_size=10"_s);
        QVERIFY(db.transaction());
        QVERIFY(query.exec(u"Update Ergaz Set Eepon='changed ' || Eafm"_s));
        QVERIFY(QFile::copy(file(u"live.db"_s), file(u"IntTvx.db"_s)));
        QVERIFY(QFile::copy(file(u"live.db-journal"_s), file(u"IntTvx.db-journal"_s)));
        db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"writer"_s);
    QVERIFY(QFileInfo(file(u"IntTvx.db-journal"_s)).size() > 4096);

    MakeOrvaDatabase(file(u"backup.db"_s), u"yesterday"_s, 40);
    QCOMPARE(RestoreDatabase(file(u"IntTvx.db"_s), file(u"backup.db"_s)).message, 27);
    QVERIFY(!QFileInfo::exists(file(u"IntTvx.db-journal"_s)));
    const DatabaseContents restored = ReadDatabase(file(u"IntTvx.db"_s));
    QVERIFY2(restored.problem.isEmpty(), qPrintable(restored.problem));
    QCOMPARE(restored.generation, u"yesterday"_s);
    QCOMPARE(restored.employees, 40);
    QCOMPARE(restored.employeesOfGeneration, 40);
}

QTEST_GUILESS_MAIN(BackupLogicTest)
#include "BackupLogicTest.moc"
