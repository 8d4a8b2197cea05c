#include "logic/core/files/DataFolder.h"
#include "logic/core/files/ApplicationRecord.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/files/ShippedFiles.h"
#include "shell/SettingsJoin.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void writeReadOnly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
}

} // namespace

// Choosing and preparing the data folder, the files it receives, and its settings file.
class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { JoinOrvaSettings(); }

    void dataDirArgumentWinsThenAPortableFolderThenTheUsersFolder() {
        QTemporaryDir exe;
        QCOMPARE(ChooseDataFolder({"orva", "--data-dir", "/tmp/x/../y"}, exe.path()),
                 QStringLiteral("/tmp/y"));
        QCOMPARE(ChooseDataFolder({"orva", "--data-dir=/srv/orva"}, exe.path()), QStringLiteral("/srv/orva"));
        QCOMPARE(ChooseDataFolder({"orva"}, exe.path()),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QFile record(QDir(exe.path()).filePath(QStringLiteral("Appl.Bt")));
        QVERIFY(record.open(QIODevice::WriteOnly));
        record.close();
        QCOMPARE(ChooseDataFolder({"orva"}, exe.path()), exe.path());
    }

    void aNewFolderGetsRecordDatabaseSettingsAndPictures() {
        QTemporaryDir parent;
        const QString folder = QDir(parent.path()).filePath(QStringLiteral("new/data"));
        QVERIFY(IsNewDataFolder(folder));
        QCOMPARE(PrepareDataFolder(folder), QString());
        QVERIFY(!IsNewDataFolder(folder));

        QFile record(QDir(folder).filePath(QStringLiteral("Appl.Bt")));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const ApplicationRecord read = ApplicationRecord::fromBytes(record.readAll());
        QCOMPARE(record.size(), qint64(ApplicationRecord::RecordSize));
        QCOMPARE(read.dataVersion(), QStringLiteral("1.01"));
        QCOMPARE(read.internetEnabled(), quint8(0));
        QCOMPARE(read.databaseServer(), quint16(0));
        QCOMPARE(read.installationCode().size(), 5);
        QVERIFY(!read.installationCode().contains(QLatin1Char(' ')));
        // Every shipped file arrives, byte for byte, taken from the build tree's copy.
        const QString shipped = ShippedFolder();
        QCOMPARE(QFileInfo(shipped).canonicalFilePath(),
                 QFileInfo(QStringLiteral(ORVA_BUILD_DIR "/share/orva")).canonicalFilePath());
        QCOMPARE(readAll(QDir(folder).filePath(QStringLiteral("Int.Bmp"))),
                 readAll(QStringLiteral(ORVA_SOURCE_DIR "/data/Int.Bmp")));
        QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            const QString source = it.next();
            QCOMPARE(readAll(QDir(folder).filePath(QDir(shipped).relativeFilePath(source))), readAll(source));
            ++files;
        }
        QVERIFY(files >= 2);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(QDir(folder).filePath(QStringLiteral("IntTvx.db")));
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(
                QStringLiteral("Select Name From sqlite_master Where Type='table' Order By Name")));
            QStringList tables;
            while (query.next())
                tables << query.value(0).toString();
            QCOMPARE(tables, (QStringList{"ApiLogin", "Company", "Ergaz", "Kins", "Param", "Submissions"}));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
    }

    void anInstalledProgramTakesShareOrvaBesideItsBinFolderThenTheSystemsDataFolders() {
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("usr/bin")) && dir.mkpath(QStringLiteral("usr/share/orva")));
        QCOMPARE(ShippedFolderFor(dir.filePath(QStringLiteral("usr/bin"))),
                 dir.filePath(QStringLiteral("usr/share/orva")));

        QVERIFY(dir.mkpath(QStringLiteral("opt/bin")) && dir.mkpath(QStringLiteral("xdg/orva")) &&
                dir.mkpath(QStringLiteral("home")));
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("home")).toUtf8());
        qputenv("XDG_DATA_DIRS", dir.filePath(QStringLiteral("xdg")).toUtf8());
        QCOMPARE(ShippedFolderFor(dir.filePath(QStringLiteral("opt/bin"))),
                 dir.filePath(QStringLiteral("xdg/orva")));
        QVERIFY(dir.rmdir(QStringLiteral("xdg/orva")));
        QCOMPARE(ShippedFolderFor(dir.filePath(QStringLiteral("opt/bin"))), QString());
    }

    void shippedFilesKeepTheirSubfoldersAndNeverReplaceTheUsersCopy() {
        QTemporaryDir shipped;
        QTemporaryDir data;
        const QDir from(shipped.path());
        QVERIFY(from.mkpath(QStringLiteral("News")));
        writeReadOnly(from.filePath(QStringLiteral("Int.Bmp")), "picture");
        writeReadOnly(from.filePath(QStringLiteral("News/Icon1.ico")), "icon");
        writeReadOnly(from.filePath(QStringLiteral("Version.Txt")), "new notes");
        const QDir to(data.path());
        {
            QFile kept(to.filePath(QStringLiteral("Version.Txt")));
            QVERIFY(kept.open(QIODevice::WriteOnly));
            kept.write("the user's notes");
        }
        QCOMPARE(RefreshShippedFiles(shipped.path(), data.path()), QString());
        QCOMPARE(readAll(to.filePath(QStringLiteral("Int.Bmp"))), QByteArray("picture"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("News/Icon1.ico"))), QByteArray("icon"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Version.Txt"))), QByteArray("the user's notes"));
        // The copies of read-only installed files can be changed by their owner.
        QVERIFY(QFileInfo(to.filePath(QStringLiteral("News/Icon1.ico"))).permission(QFileDevice::WriteOwner));
    }

    // An upgrade ships new notes, pictures and forms: the copies the program put into the
    // folder and nobody changed are replaced; what the user changed, removed or added stays.
    void anUpgradeRefreshesTheProgramsUnchangedCopiesOnly() {
        QTemporaryDir shipped;
        QTemporaryDir data;
        const QDir from(shipped.path());
        const QDir to(data.path());
        QVERIFY(from.mkpath(QStringLiteral("Forms")));
        writeReadOnly(from.filePath(QStringLiteral("Version.Txt")), "notes of 1.01");
        writeReadOnly(from.filePath(QStringLiteral("Int.Bmp")), "picture");
        writeReadOnly(from.filePath(QStringLiteral("Forms/E4.jpg")), "form E4");
        writeReadOnly(from.filePath(QStringLiteral("Manual.pdf")), "manual of 1.01");
        QCOMPARE(RefreshShippedFiles(shipped.path(), data.path()), QString());
        QCOMPARE(readAll(to.filePath(QStringLiteral("Version.Txt"))), QByteArray("notes of 1.01"));

        // The user's doings in the folder.
        writeFile(to.filePath(QStringLiteral("Int.Bmp")), "the user's own picture");
        QVERIFY(QFile::remove(to.filePath(QStringLiteral("Forms/E4.jpg"))));
        writeFile(to.filePath(QStringLiteral("Notes.txt")), "the user's file");
        // The next release.
        for (const char* name : {"Version.Txt", "Int.Bmp", "Forms/E4.jpg", "Manual.pdf"})
            QVERIFY(QFile::remove(from.filePath(QString::fromLatin1(name))));
        writeReadOnly(from.filePath(QStringLiteral("Version.Txt")), "notes of 1.02, longer");
        writeReadOnly(from.filePath(QStringLiteral("Int.Bmp")), "new picture");
        writeReadOnly(from.filePath(QStringLiteral("Forms/E4.jpg")), "form E4 of 1.02");
        writeReadOnly(from.filePath(QStringLiteral("Forms/E5.jpg")), "a new form");
        writeReadOnly(from.filePath(QStringLiteral("Manual.pdf")), "manual of 1.02");

        QCOMPARE(RefreshShippedFiles(shipped.path(), data.path()), QString());
        QCOMPARE(readAll(to.filePath(QStringLiteral("Version.Txt"))), QByteArray("notes of 1.02, longer"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Manual.pdf"))), QByteArray("manual of 1.02"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Forms/E5.jpg"))), QByteArray("a new form"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Int.Bmp"))), QByteArray("the user's own picture"));
        QVERIFY(!QFile::exists(to.filePath(QStringLiteral("Forms/E4.jpg"))));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Notes.txt"))), QByteArray("the user's file"));
        QVERIFY(QFileInfo(to.filePath(QStringLiteral("Version.Txt"))).permission(QFileDevice::WriteOwner));

        // The user's picture stays the user's at the release after, too.
        QVERIFY(QFile::remove(from.filePath(QStringLiteral("Int.Bmp"))));
        writeReadOnly(from.filePath(QStringLiteral("Int.Bmp")), "picture of 1.03");
        QCOMPARE(RefreshShippedFiles(shipped.path(), data.path()), QString());
        QCOMPARE(readAll(to.filePath(QStringLiteral("Int.Bmp"))), QByteArray("the user's own picture"));
    }

    // A folder made by a release that kept no record: a copy that is an edition an earlier
    // release shipped is the program's, anything else is the user's.
    void aFolderWithoutARecordGetsNewEditionsOfTheEarlierReleasesCopies() {
        QTemporaryDir shipped;
        QTemporaryDir data;
        const QDir from(shipped.path());
        const QDir to(data.path());
        writeReadOnly(from.filePath(QStringLiteral("Version.Txt")), "notes of the next release");
        writeReadOnly(from.filePath(QStringLiteral("Int.Bmp")), "the corrected picture");
        writeReadOnly(from.filePath(QStringLiteral("Orva.png")), "the new logo");
        writeFile(to.filePath(QStringLiteral("Version.Txt")),
                  readAll(QStringLiteral(ORVA_SOURCE_DIR "/data/Version.Txt")));
        writeFile(to.filePath(QStringLiteral("Int.Bmp")),
                  readAll(QStringLiteral(ORVA_SOURCE_DIR "/data/Int.Bmp")));
        writeFile(to.filePath(QStringLiteral("Orva.png")), "a logo the user drew");
        // Every build writes its own manual; the user's own PDF under a shipped name is not one.
        writeReadOnly(from.filePath(QStringLiteral("Manual.pdf")), "the new manual");
        writeReadOnly(from.filePath(QStringLiteral("Odigies.pdf")), "the new instructions");
        writeFile(to.filePath(QStringLiteral("Manual.pdf")),
                  readAll(QStringLiteral(ORVA_BUILD_DIR "/share/orva/Manual.pdf")));
        writeFile(to.filePath(QStringLiteral("Odigies.pdf")), "%PDF-1.4\n/Creator (the user's scanner)\n");
        QVERIFY(!QFile::exists(to.filePath(ShippedRecordFile)));

        QCOMPARE(RefreshShippedFiles(shipped.path(), data.path()), QString());
        QCOMPARE(readAll(to.filePath(QStringLiteral("Version.Txt"))),
                 QByteArray("notes of the next release"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Int.Bmp"))), QByteArray("the corrected picture"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Orva.png"))), QByteArray("a logo the user drew"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Manual.pdf"))), QByteArray("the new manual"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Odigies.pdf"))),
                 QByteArray("%PDF-1.4\n/Creator (the user's scanner)\n"));
        QVERIFY(QFile::exists(to.filePath(ShippedRecordFile)));
    }

    // Started on a folder it made before, the program brings back what the folder lacks of
    // the shipped files unless it put it there itself, and keeps the user's files.
    void aStartOnAnExistingFolderKeepsTheUsersFiles() {
        QTemporaryDir parent;
        const QString folder = QDir(parent.path()).filePath(QStringLiteral("data"));
        QCOMPARE(PrepareDataFolder(folder), QString());
        const QDir dir(folder);
        writeFile(dir.filePath(QStringLiteral("Version.Txt")), "my own notes");
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Orva.png"))));
        QCOMPARE(PrepareDataFolder(folder), QString());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("Version.Txt"))), QByteArray("my own notes"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Orva.png"))));
        // Without the record (a folder of an earlier release) the missing file comes back.
        QVERIFY(QFile::remove(dir.filePath(ShippedRecordFile)));
        QCOMPARE(PrepareDataFolder(folder), QString());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("Orva.png"))),
                 readAll(QStringLiteral(ORVA_SOURCE_DIR "/data/Orva.png")));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("Version.Txt"))), QByteArray("my own notes"));
    }

    void aFolderWithOnlyOneOfTheTwoFilesIsLeftAlone() {
        QTemporaryDir folder;
        QFile database(QDir(folder.path()).filePath(QStringLiteral("IntTvx.db")));
        QVERIFY(database.open(QIODevice::WriteOnly));
        database.close();
        QVERIFY(!IsNewDataFolder(folder.path()));
        QCOMPARE(PrepareDataFolder(folder.path()), QString());
        QVERIFY(!QFile::exists(QDir(folder.path()).filePath(QStringLiteral("Appl.Bt"))));
        QCOMPARE(QFileInfo(database.fileName()).size(), 0);
    }

    void theSettingsFileListsEveryKnownSettingWithItsDefault() {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("Orva.ini"));
        QVERIFY(WriteDefaultSettingsFile(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        IniSettings settings(path);
        for (const SettingDefinition& setting : KnownSettings()) {
            QVERIFY2(text.contains(QStringLiteral("; ") + setting.comment), qPrintable(setting.key));
            QCOMPARE(settings.value(setting.key), setting.defaultValue);
        }
    }

    // Each subsystem declares its own settings; a new file holds every one of them.
    void aNewSettingsFileHoldsTheSettingsOfEverySubsystem() {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("Orva.ini"));
        QVERIFY(WriteDefaultSettingsFile(path));
        // The sections in the order a new file has always listed them.
        QFile text(path);
        QVERIFY(text.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList sections;
        for (const QByteArray& line : text.readAll().split('\n')) {
            if (line.trimmed().startsWith('['))
                sections << QString::fromUtf8(line.trimmed());
        }
        QCOMPARE(
            sections,
            QStringList({QStringLiteral("[Database]"), QStringLiteral("[Mail]"), QStringLiteral("[Internet]"),
                         QStringLiteral("[Update]"), QStringLiteral("[Support]"), QStringLiteral("[Portals]"),
                         QStringLiteral("[Links]"), QStringLiteral("[News]"), QStringLiteral("[Api]")}));
        QSettings written(path, QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("Mail/SmtpMailProgram")).toString(),
                 QStringLiteral("SmtpMail"));
        QCOMPARE(written.value(QStringLiteral("Internet/EservicesBase")).toString(),
                 QStringLiteral("https://eservices.yeka.gr"));
        QCOMPARE(written.value(QStringLiteral("Links/Link18")).toString(),
                 QStringLiteral("/pelmora/erotiseis"));
        QCOMPARE(written.value(QStringLiteral("News/Port")).toString(), QStringLiteral("1433"));
        QCOMPARE(written.value(QStringLiteral("Update/UpdaterProgram")).toString(),
                 QStringLiteral("LiveUpd"));
        QCOMPARE(written.value(QStringLiteral("Support/RemoteSupport8Program")).toString(),
                 QStringLiteral("B_Remote"));
    }

    void aStoredSettingWinsAndAMissingOneGivesItsDefault() {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("Orva.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Mail]\nSmtpMailLicense=\"A,B;C\"\n");
        file.close();
        IniSettings settings(path);
        QCOMPARE(settings.value(QStringLiteral("Mail/SmtpMailLicense")), QStringLiteral("A,B;C"));
        QCOMPARE(settings.value(QStringLiteral("Mail/SmtpMailProgram")), QStringLiteral("SmtpMail"));
    }
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "DataFolderTest.moc"
