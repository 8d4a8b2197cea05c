#include "logic/core/files/DataFolder.h"
#include "logic/core/files/ApplicationRecord.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/files/ShippedFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
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
            QCOMPARE(tables, (QStringList{"Company", "Ergaz", "Kins", "Param"}));
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
        QCOMPARE(CopyShippedFiles(shipped.path(), data.path()), QString());
        QCOMPARE(readAll(to.filePath(QStringLiteral("Int.Bmp"))), QByteArray("picture"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("News/Icon1.ico"))), QByteArray("icon"));
        QCOMPARE(readAll(to.filePath(QStringLiteral("Version.Txt"))), QByteArray("the user's notes"));
        // The copies of read-only installed files can be changed by their owner.
        QVERIFY(QFileInfo(to.filePath(QStringLiteral("News/Icon1.ico"))).permission(QFileDevice::WriteOwner));
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
