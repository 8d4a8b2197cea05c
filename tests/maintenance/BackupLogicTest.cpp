#include "MaintenanceData.h"
#include "ScriptedDialogs.h"
#include "SmallDisk.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/maintenance/BackupRestore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

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

    // On small file systems of their own.
    void anOldLargerBackupGivesWayOnlyWhenAllowed();
    void aDiskThatFillsDuringTheCopyIsToldAsFullAndTheOldBackupStays();
    void noRoomEvenInPlaceOfTheOldBackupIsToldBeforeAnythingChanges();
    void aBackupIsRestoredFromAReadOnlyDisk();

    void restoreChecksEveryTableAndColumnBeforeTouchingAnything();
    void aRestoredDatabaseThatDoesNotOpenGivesWayToThePreviousOne();
    void copiesKeepTheModeAndOwnerOfTheFileTheyReplace();
    void aWriteAheadLogIsCopiedAndSettledIntoTheCopy();
    void aDatabaseInWriteAheadModeIsBackedUpWhole();

    void networkSharesAndTheDesktopsSharesAreOffered();

private:
    // A database in write-ahead mode whose last changes (Param.Cepon = generation, one
    // company) are committed in the log beside it, as a program that is still running or
    // was stopped leaves it.
    void makeLoggedDatabase(const QString& path, const QString& generation);
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
        QVERIFY(!volume.readyForBackup());
        QCOMPARE(AvailableSpace(volume, u"IntTvx.db"_s), 0);
        const MaintenanceOutcome refused = BackupDatabase(file(u"db.db"_s), volume);
        QVERIFY(!refused.ok());
        QCOMPARE(refused.side, MaintenanceOutcome::Side::Target);
        QVERIFY2(refused.text.contains(u"μόνο ανάγνωση"_s), qPrintable(refused.text));
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
    // One byte more: the copy fits only in the old one's place, which it takes when allowed.
    QCOMPARE(RoomForBackup(volumeAt(file(u"stick"_s), length - 99), DatabaseFileName, length),
             BackupRoom::InPlaceOfOld);
    QVERIFY(!BackupDatabase(file(u"db.db"_s), volumeAt(file(u"stick"_s), length - 99)).ok());
    QCOMPARE(FileBytes(file(u"stick/IntTvx.db"_s)), QByteArray(100, 'o'));
    const MaintenanceOutcome done =
        BackupDatabase(file(u"db.db"_s), volumeAt(file(u"stick"_s), length - 99), {}, true);
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
    QVERIFY2(outcome.text.contains(u"Λείπουν οι πίνακες Param, Company."_s), qPrintable(outcome.text));
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

namespace {

// The files a folder holds, hidden ones too.
QStringList filesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// A database of about the given length: MakeOrvaDatabase with as many employees as it takes.
void makeDatabaseOfLength(const QString& path, const QString& generation, qint64 length) {
    MakeOrvaDatabase(path, generation, int(length / 60));
}

void exec(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"exec"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(RegisterGreekCollation(db));
        QSqlQuery query(db);
        for (const QString& statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"exec"_s);
}

int companies(const QString& path) {
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"count"_s);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(u"Select Count(*) From Company"_s) && query.next())
                count = query.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(u"count"_s);
    return count;
}

} // namespace

void BackupLogicTest::makeLoggedDatabase(const QString& path, const QString& generation) {
    MakeOrvaDatabase(path, u"old"_s, 200);
    const QString live = path + u".live"_s;
    QVERIFY(QFile::rename(path, live));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"logger"_s);
        db.setDatabaseName(live);
        QVERIFY(db.open());
        QVERIFY(RegisterGreekCollation(db));
        QSqlQuery query(db);
        QVERIFY(query.exec(u"PRAGMA journal_mode=WAL"_s));
        QVERIFY(query.exec(u"PRAGMA wal_autocheckpoint=0"_s));
        QVERIFY(query.exec(u"Update Param Set Cepon='%1'"_s.arg(generation)));
        QVERIFY(query.exec(u"Insert Into Company (Ccode, Cemail) Values ('C1', 'c@example.gr')"_s));
        // The copies are taken while the program still holds the file open.
        QVERIFY(QFile::copy(live, path));
        QVERIFY(QFile::copy(live + u"-wal"_s, path + u"-wal"_s));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"logger"_s);
    QFile::remove(live);
    QFile::remove(live + u"-wal"_s);
    QFile::remove(live + u"-shm"_s);
    QVERIFY(QFileInfo(path + u"-wal"_s).size() > 0);
}

void BackupLogicTest::anOldLargerBackupGivesWayOnlyWhenAllowed() {
    // A database of 1.2 MB and an older backup of 1.5 MB on a stick of 2 MB: the new copy
    // does not fit beside the old one, but does in its place.
    makeDatabaseOfLength(file(u"IntTvx.db"_s), u"new"_s, 1'200'000);
    makeDatabaseOfLength(file(u"old.db"_s), u"old"_s, 1'500'000);
    const qint64 length = QFileInfo(file(u"IntTvx.db"_s)).size();
    const qint64 oldLength = QFileInfo(file(u"old.db"_s)).size();
    QVERIFY(oldLength > length);
    SmallDisk stick(oldLength + length / 2);
    REQUIRE_MOUNTED(stick);
    QVERIFY(QFile::copy(file(u"old.db"_s), stick.file(DatabaseFileName)));
    const QByteArray old = FileBytes(stick.file(DatabaseFileName));
    const BackupVolume volume = VolumeOfFolder(stick.path());
    QCOMPARE(RoomForBackup(volume, DatabaseFileName, length), BackupRoom::InPlaceOfOld);
    QVERIFY(RemoveOldBackupQuestion(volume).contains(u"Το παλιό αντίγραφο θα διαγραφεί πρώτα"_s));

    // Not allowed: refused, and the old backup is as it was.
    const MaintenanceOutcome refused = BackupDatabase(file(u"IntTvx.db"_s), volume);
    QVERIFY(!refused.ok());
    QCOMPARE(refused.side, MaintenanceOutcome::Side::Target);
    QVERIFY2(refused.text.contains(u"μόνο αν διαγραφεί πρώτα το παλιό"_s), qPrintable(refused.text));
    QCOMPARE(FileBytes(stick.file(DatabaseFileName)), old);
    QCOMPARE(filesOf(stick.path()), QStringList{DatabaseFileName});

    // Allowed: the old one goes first, the new one is whole, nothing else is left.
    const MaintenanceOutcome done =
        BackupDatabase(file(u"IntTvx.db"_s), VolumeOfFolder(stick.path()), {}, true);
    QVERIFY2(done.ok(), qPrintable(done.text));
    QCOMPARE(FileBytes(stick.file(DatabaseFileName)), FileBytes(file(u"IntTvx.db"_s)));
    QCOMPARE(ReadDatabase(stick.file(DatabaseFileName)).generation, u"new"_s);
    QCOMPARE(filesOf(stick.path()), QStringList{DatabaseFileName});
}

void BackupLogicTest::aDiskThatFillsDuringTheCopyIsToldAsFullAndTheOldBackupStays() {
    makeDatabaseOfLength(file(u"IntTvx.db"_s), u"new"_s, 600'000);
    makeDatabaseOfLength(file(u"old.db"_s), u"old"_s, 100'000);
    // Room for the new copy beside the old one, with half of it to spare.
    const qint64 length = QFileInfo(file(u"IntTvx.db"_s)).size();
    SmallDisk stick(QFileInfo(file(u"old.db"_s)).size() + length * 3 / 2);
    REQUIRE_MOUNTED(stick);
    QVERIFY(QFile::copy(file(u"old.db"_s), stick.file(DatabaseFileName)));
    const QByteArray old = FileBytes(stick.file(DatabaseFileName));
    QCOMPARE(
        RoomForBackup(VolumeOfFolder(stick.path()), DatabaseFileName, QFileInfo(file(u"IntTvx.db"_s)).size()),
        BackupRoom::Beside);
    // Another program takes the room while the copy is on its way.
    bool filled = false;
    const MaintenanceOutcome outcome =
        BackupDatabase(file(u"IntTvx.db"_s), VolumeOfFolder(stick.path()), [&](qint64 done, qint64) {
            if (done == 0 || filled)
                return;
            filled = true;
            QFile filler(stick.file(u"other.bin"_s));
            if (filler.open(QIODevice::WriteOnly))
                while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
                }
        });
    QVERIFY(filled);
    QVERIFY(!outcome.ok());
    QCOMPARE(outcome.side, MaintenanceOutcome::Side::Target);
    QVERIFY2(outcome.text.contains(u"γέμισε"_s), qPrintable(outcome.text));
    QVERIFY2(!outcome.text.contains(u"Unknown"_s), qPrintable(outcome.text));
    QCOMPARE(FileBytes(stick.file(DatabaseFileName)), old);
    QCOMPARE(filesOf(stick.path()), (QStringList{DatabaseFileName, u"other.bin"_s}));
}

void BackupLogicTest::noRoomEvenInPlaceOfTheOldBackupIsToldBeforeAnythingChanges() {
    makeDatabaseOfLength(file(u"IntTvx.db"_s), u"new"_s, 900'000);
    makeDatabaseOfLength(file(u"old.db"_s), u"old"_s, 100'000);
    SmallDisk stick(600'000);
    REQUIRE_MOUNTED(stick);
    QVERIFY(QFile::copy(file(u"old.db"_s), stick.file(DatabaseFileName)));
    const QByteArray old = FileBytes(stick.file(DatabaseFileName));
    // The volume was chosen when it had room: the space of this moment decides.
    BackupVolume stale = VolumeOfFolder(stick.path());
    stale.bytesFree = 8'000'000'000;
    QCOMPARE(RoomForBackup(stale, DatabaseFileName, QFileInfo(file(u"IntTvx.db"_s)).size()),
             BackupRoom::None);
    const MaintenanceOutcome outcome = BackupDatabase(file(u"IntTvx.db"_s), stale, {}, true);
    QCOMPARE(outcome.message, 26);
    QCOMPARE(FileBytes(stick.file(DatabaseFileName)), old);
    QCOMPARE(filesOf(stick.path()), QStringList{DatabaseFileName});
}

void BackupLogicTest::aBackupIsRestoredFromAReadOnlyDisk() {
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"today"_s, 30);
    SmallDisk disc(4'000'000);
    REQUIRE_MOUNTED(disc);
    MakeOrvaDatabase(disc.file(u"IntTvx.db"_s), u"yesterday"_s, 20);
    QVERIFY(QDir(disc.path()).mkdir(u"logged"_s));
    makeLoggedDatabase(disc.file(u"logged/IntTvx.db"_s), u"from the log"_s);
    QVERIFY(disc.makeReadOnly());

    const BackupVolume volume = VolumeOfFolder(disc.path());
    QVERIFY(volume.readOnly);
    QVERIFY(!volume.readyForBackup());
    QVERIFY(!BackupDatabase(file(u"IntTvx.db"_s), volume).ok());

    QCOMPARE(CheckBackupFile(disc.file(u"IntTvx.db"_s)).message, 27);
    const MaintenanceOutcome restored = RestoreDatabase(file(u"IntTvx.db"_s), disc.file(u"IntTvx.db"_s));
    QVERIFY2(restored.ok(), qPrintable(restored.text));
    QCOMPARE(ReadDatabase(file(u"IntTvx.db"_s)).generation, u"yesterday"_s);
    // A backup with its log beside it on a disc: the log's changes come along, and the disc
    // is not written to.
    const QByteArray logged = FileBytes(disc.file(u"logged/IntTvx.db"_s));
    const MaintenanceOutcome withLog =
        RestoreDatabase(file(u"IntTvx.db"_s), disc.file(u"logged/IntTvx.db"_s));
    QVERIFY2(withLog.ok(), qPrintable(withLog.text));
    QCOMPARE(ReadDatabase(file(u"IntTvx.db"_s)).generation, u"from the log"_s);
    QCOMPARE(companies(file(u"IntTvx.db"_s)), 1);
    QCOMPARE(FileBytes(disc.file(u"logged/IntTvx.db"_s)), logged);
    QCOMPARE(filesOf(m_dir->path()), QStringList{u"IntTvx.db"_s});
}

void BackupLogicTest::restoreChecksEveryTableAndColumnBeforeTouchingAnything() {
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"mine"_s, 50);
    const QByteArray before = FileBytes(file(u"IntTvx.db"_s));
    // All four tables, but Param with one of its columns only.
    exec(file(u"thin.db"_s),
         {u"Create Table Param (IkaCode)"_s, u"Insert Into Param Values ('')"_s,
          u"Create Table Ergaz (Eafm, Eepon, Eypo)"_s, u"Create Table Kins (Eafm, Kdate, Korario, Kparat)"_s,
          u"Create Table Company (Ccode, Cemail)"_s});
    const MaintenanceOutcome outcome = RestoreDatabase(file(u"IntTvx.db"_s), file(u"thin.db"_s));
    QVERIFY(!outcome.ok());
    QCOMPARE(outcome.side, MaintenanceOutcome::Side::Source);
    QVERIFY2(outcome.text.contains(u"Param.IkaPass"_s) && outcome.text.contains(u"Param.NewsDat"_s),
             qPrintable(outcome.text));
    QCOMPARE(FileBytes(file(u"IntTvx.db"_s)), before);
    QCOMPARE(filesOf(m_dir->path()), (QStringList{u"IntTvx.db"_s, u"thin.db"_s}));
}

void BackupLogicTest::aRestoredDatabaseThatDoesNotOpenGivesWayToThePreviousOne() {
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"mine"_s, 50);
    const QByteArray before = FileBytes(file(u"IntTvx.db"_s));
    MakeOrvaDatabase(file(u"backup.db"_s), u"backup"_s, 10);
    QString opened;
    // The restored file is in place, and the previous one aside, when the opening is tried.
    const MaintenanceOutcome outcome =
        RestoreDatabase(file(u"IntTvx.db"_s), file(u"backup.db"_s), {}, [&](const QString& path) {
            opened = ReadDatabase(path).generation;
            return u"κλειδωμένο"_s;
        });
    QCOMPARE(opened, u"backup"_s);
    QVERIFY(!outcome.ok());
    QVERIFY2(outcome.text.contains(u"κλειδωμένο"_s), qPrintable(outcome.text));
    QVERIFY2(outcome.text.contains(u"Η προηγούμενη βάση δεδομένων μπήκε πίσω στη θέση της."_s),
             qPrintable(outcome.text));
    QCOMPARE(FileBytes(file(u"IntTvx.db"_s)), before);
    QCOMPARE(filesOf(m_dir->path()), (QStringList{u"IntTvx.db"_s, u"backup.db"_s}));

    // Opened as the program opens it: the previous one is not kept.
    QVERIFY(RestoreDatabase(file(u"IntTvx.db"_s), file(u"backup.db"_s)).ok());
    QCOMPARE(ReadDatabase(file(u"IntTvx.db"_s)).generation, u"backup"_s);
    QCOMPARE(filesOf(m_dir->path()), (QStringList{u"IntTvx.db"_s, u"backup.db"_s}));
}

void BackupLogicTest::copiesKeepTheModeAndOwnerOfTheFileTheyReplace() {
    const mode_t mask = ::umask(022);
    const auto modeOf = [](const QString& path) {
        struct stat info {};
        ::stat(QFile::encodeName(path).constData(), &info);
        return info;
    };
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"mine"_s, 20);
    QVERIFY(::chmod(QFile::encodeName(file(u"IntTvx.db"_s)).constData(), 0664) == 0);
    const bool root = ::geteuid() == 0;
    if (root)
        QVERIFY(::chown(QFile::encodeName(file(u"IntTvx.db"_s)).constData(), 1234, 5678) == 0);
    QDir().mkpath(file(u"stick"_s));
    const BackupVolume stick = volumeAt(file(u"stick"_s), 1'000'000'000);

    // A new backup gets the mode of a new file of the user's.
    QVERIFY(BackupDatabase(file(u"IntTvx.db"_s), stick).ok());
    QCOMPARE(modeOf(file(u"stick/IntTvx.db"_s)).st_mode & 07777, mode_t(0644));
    // A backup that replaces another keeps that one's mode.
    QVERIFY(::chmod(QFile::encodeName(file(u"stick/IntTvx.db"_s)).constData(), 0640) == 0);
    QVERIFY(BackupDatabase(file(u"IntTvx.db"_s), stick).ok());
    QCOMPARE(modeOf(file(u"stick/IntTvx.db"_s)).st_mode & 07777, mode_t(0640));

    // A restore keeps the database's mode, and its owner and group where it may.
    MakeOrvaDatabase(file(u"backup.db"_s), u"backup"_s, 10);
    QVERIFY(RestoreDatabase(file(u"IntTvx.db"_s), file(u"backup.db"_s)).ok());
    const struct stat restored = modeOf(file(u"IntTvx.db"_s));
    QCOMPARE(restored.st_mode & 07777, mode_t(0664));
    if (root) {
        QCOMPARE(restored.st_uid, uid_t(1234));
        QCOMPARE(restored.st_gid, gid_t(5678));
    }
    ::umask(mask);
}

void BackupLogicTest::aWriteAheadLogIsCopiedAndSettledIntoTheCopy() {
    MakeOrvaDatabase(file(u"IntTvx.db"_s), u"today"_s, 30);
    QDir().mkpath(file(u"stick"_s));
    makeLoggedDatabase(file(u"stick/IntTvx.db"_s), u"committed"_s);
    const QByteArray backup = FileBytes(file(u"stick/IntTvx.db"_s));
    const QByteArray log = FileBytes(file(u"stick/IntTvx.db-wal"_s));

    const MaintenanceOutcome outcome = RestoreDatabase(file(u"IntTvx.db"_s), file(u"stick/IntTvx.db"_s));
    QVERIFY2(outcome.ok(), qPrintable(outcome.text));
    const DatabaseContents restored = ReadDatabase(file(u"IntTvx.db"_s));
    QVERIFY2(restored.problem.isEmpty(), qPrintable(restored.problem));
    QCOMPARE(restored.generation, u"committed"_s);
    QCOMPARE(companies(file(u"IntTvx.db"_s)), 1);
    // The restored file stands alone, and the backup is as it was.
    QCOMPARE(filesOf(m_dir->path()), QStringList{u"IntTvx.db"_s});
    QCOMPARE(FileBytes(file(u"stick/IntTvx.db"_s)), backup);
    QCOMPARE(FileBytes(file(u"stick/IntTvx.db-wal"_s)), log);
    QCOMPARE(FileBytes(file(u"IntTvx.db"_s)).at(18), char(1));
}

void BackupLogicTest::aDatabaseInWriteAheadModeIsBackedUpWhole() {
    makeLoggedDatabase(file(u"IntTvx.db"_s), u"committed"_s);
    QDir().mkpath(file(u"stick"_s));
    const MaintenanceOutcome outcome =
        BackupDatabase(file(u"IntTvx.db"_s), volumeAt(file(u"stick"_s), 1'000'000'000));
    QVERIFY2(outcome.ok(), qPrintable(outcome.text));
    QCOMPARE(filesOf(file(u"stick"_s)), QStringList{u"IntTvx.db"_s});
    const DatabaseContents copy = ReadDatabase(file(u"stick/IntTvx.db"_s));
    QCOMPARE(copy.generation, u"committed"_s);
    QCOMPARE(companies(file(u"stick/IntTvx.db"_s)), 1);
    // A copy in the plain journal mode reads from a write-protected stick without a log.
    QCOMPARE(FileBytes(file(u"stick/IntTvx.db"_s)).at(18), char(1));
}

void BackupLogicTest::networkSharesAndTheDesktopsSharesAreOffered() {
    QCOMPARE(ClassifyMount({u"nas:/export/backup"_s, u"/mnt/nas"_s, "nfs4"}), MountKind::Network);
    QCOMPARE(ClassifyMount({u"//nas/backup"_s, u"/mnt/office"_s, "cifs"}), MountKind::Network);
    QCOMPARE(ClassifyMount({u"gvfsd-fuse"_s, u"/run/user/1000/gvfs"_s, "fuse.gvfsd-fuse"}),
             MountKind::DesktopShares);
    QCOMPARE(ClassifyMount({u"/dev/sdb1"_s, u"/media/user/STICK"_s, "vfat"}), MountKind::Disk);
    QCOMPARE(ClassifyMount({u"tmpfs"_s, u"/run"_s, "tmpfs"}), MountKind::Skip);
    QCOMPARE(ClassifyMount({u"overlay"_s, u"/"_s, "overlay"}), MountKind::Skip);
    QCOMPARE(DesktopShareName(u"smb-share:server=nas.local,share=backup"_s), u"backup στο nas.local"_s);
    QCOMPARE(DesktopShareName(u"sftp:host=server,user=bob"_s), u"sftp στο server"_s);
    QCOMPARE(DesktopShareName(u"something"_s), u"something"_s);

    // The desktop's folder of shares: each of its folders is a share of its own.
    QDir().mkpath(file(u"gvfs/smb-share:server=nas,share=backup"_s));
    QDir().mkpath(file(u"gvfs/smb-share:server=nas,share=docs"_s));
    QDir().mkpath(file(u"nfs"_s));
    const QList<BackupVolume> volumes =
        VolumesOfMounts({{u"gvfsd-fuse"_s, file(u"gvfs"_s), "fuse.gvfsd-fuse"},
                         {u"nas:/export"_s, file(u"nfs"_s), "nfs"},
                         {u"proc"_s, u"/proc"_s, "proc"}});
    QStringList names;
    for (const BackupVolume& volume : volumes) {
        names << volume.name;
        QVERIFY(volume.network);
        QVERIFY(volume.readyForBackup());
    }
    QCOMPARE(names, (QStringList{u"backup στο nas"_s, u"docs στο nas"_s, u"nas:/export"_s}));
    QCOMPARE(volumes.first().rootPath, file(u"gvfs/smb-share:server=nas,share=backup"_s));

    // Offered after the disks, before the home folder.
    BackupVolume data{u"DATA"_s, u"/srv/data"_s};
    const QList<BackupVolume> offered =
        ArrangeBackupVolumes({volumes.first(), data}, {u"home"_s, u"/home/u"_s});
    QCOMPARE(offered.at(0).rootPath, u"/srv/data"_s);
    QVERIFY(offered.at(1).network);
    QVERIFY(offered.at(2).home);
}

QTEST_GUILESS_MAIN(BackupLogicTest)
#include "BackupLogicTest.moc"
