#include "logic/core/DataFolder.h"
#include "logic/core/ApplicationRecord.h"
#include "logic/core/IniSettings.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Choosing and preparing the data folder, and the settings file of a new folder.
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
        QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("Int.Bmp"))));
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
