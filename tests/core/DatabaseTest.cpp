#include "logic/core/database/Database.h"
#include "LatinSentences.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "TestEngine.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"
#include "logic/core/database/ParamStatements.h"
#include "logic/core/database/ProgramSchema.h"
#include "logic/core/database/ReportStatements.h"
#include "logic/core/program/ProgramValues.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Makes a database at path from the statements and tells what it lacks of the program's
// schema.
SchemaGaps gapsOf(const QString& path, const QStringList& statements) {
    SchemaGaps gaps;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema-test"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
        gaps = FindSchemaGaps(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("schema-test"));
    return gaps;
}

// Each table of the program's schema with its columns alone: no types, keys or defaults.
QStringList bareSchema() {
    QStringList statements;
    for (const SchemaTable& table : ProgramSchema())
        statements << QStringLiteral("Create Table %1 (%2)").arg(table.name, table.columns.join(u','));
    return statements;
}

} // namespace

// The database layer against a real SQLite file in a new data folder.
class DatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dialogs = &InstallScriptedDialogs(); }

    void newFolderHasSchemaAndOneEmptyParamRow() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QSqlQuery count(DbConnection());
        QVERIFY(count.exec(QStringLiteral("Select Count(*) From Param")));
        QVERIFY(count.next());
        QCOMPARE(count.value(0).toInt(), 1);
        QCOMPARE(Program.Params, ParamValues{});
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void emptyParamTableLeavesValuesEmpty() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        folder.exec(QStringLiteral("Delete From Param"));
        Program.Params.IkaCode = QStringLiteral("stale");
        CloseDatabase();
        QVERIFY(folder.openDatabase());
        QCOMPARE(Program.Params, ParamValues{});
    }

    void parameterValuesAreTrimmedOnLoading() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        folder.exec(QStringLiteral("Update Param Set IkaCode='  user ',Cepon=' Εταιρεία Α.Ε.  '"));
        CloseDatabase();
        QVERIFY(folder.openDatabase());
        QCOMPARE(Program.Params.IkaCode, QStringLiteral("user"));
        QCOMPARE(Program.Params.Cepon, QStringLiteral("Εταιρεία Α.Ε."));
    }

    void missingDatabaseFileIsReportedAndNotCreated() {
        if (TestOnPostgres())
            QSKIP("The file IntTvx.db");
        TestDataFolder folder(false);
        QVERIFY(!folder.openDatabase());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Critical);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("IntTvx.db"))));
    }

    // A file the program cannot use is refused in Greek, naming the file and the way back
    // (the backup), and is left byte for byte as it was, with no journal beside it.
    void unusableDatabaseFilesAreRefusedAndLeftAsTheyWere_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("problem");
        QTest::newRow("an Access file") << "access"
                                        << "δεν είναι αρχείο βάσης δεδομένων.";
        QTest::newRow("an empty file") << "empty"
                                       << "δεν είναι αρχείο βάσης δεδομένων.";
        QTest::newRow("a damaged schema page") << "schema"
                                               << "είναι κατεστραμμένο";
        QTest::newRow("cut short") << "truncated"
                                   << "είναι κατεστραμμένο";
    }
    void unusableDatabaseFilesAreRefusedAndLeftAsTheyWere() {
        if (TestOnPostgres())
            QSKIP("The file IntTvx.db");
        QFETCH(QString, damage);
        QFETCH(QString, problem);
        TestDataFolder folder;
        const QString path = folder.file(QStringLiteral("IntTvx.db"));
        QByteArray bytes = readAll(path);
        QVERIFY(bytes.size() >= 8192);
        if (damage == QLatin1String("access")) {
            bytes = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(4076, 'x');
        } else if (damage == QLatin1String("empty")) {
            bytes.clear();
        } else if (damage == QLatin1String("schema")) {
            // The header stays; the page that describes the tables is overwritten.
            for (int i = 100; i < 4096; ++i)
                bytes[i] = char(0xA5 ^ i);
        } else {
            bytes.truncate(1024);
        }
        writeAll(path, bytes);
        const QDateTime modified = QFileInfo(path).lastModified();

        QVERIFY(!folder.openDatabase());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        const MessageBox box = m_dialogs->boxes.first();
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        QVERIFY2(box.text.contains(path), qPrintable(box.text));
        QVERIFY2(box.text.contains(problem), qPrintable(box.text));
        QVERIFY(box.text.contains(QStringLiteral("τελευταίο αντίγραφο ασφαλείας")));
        QVERIFY(box.text.contains(QStringLiteral("Το αρχείο δεν άλλαξε.")));
        // The driver's English waits under «Λεπτομέρειες», never in the message.
        QVERIFY(box.text.startsWith(QStringLiteral("Το αρχείο της βάσης δεδομένων\r\n")));
        QVERIFY2(LatinSentences(box.text).isEmpty(), qPrintable(box.text));
        if (problem.contains(QStringLiteral("κατεστραμμένο")))
            QVERIFY(!box.details.isEmpty());

        QVERIFY(!DbConnection().isOpen());
        QCOMPARE(readAll(path), bytes);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("IntTvx.db*")}, QDir::Files),
                 QStringList{QStringLiteral("IntTvx.db")});
    }

    void aFolderInPlaceOfTheDatabaseIsNotADatabase() {
        if (TestOnPostgres())
            QSKIP("The file IntTvx.db");
        TestDataFolder folder;
        const QString path = folder.file(QStringLiteral("IntTvx.db"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        QVERIFY(!folder.openDatabase());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->boxes.first().text.contains(QStringLiteral("δεν είναι αρχείο βάσης δεδομένων.")));
        QVERIFY(QFileInfo(path).isDir());
    }

    void anUnreadableDatabaseSaysSo() {
        if (::geteuid() == 0 || TestOnPostgres())
            QSKIP("root reads every file; a server has no file");
        TestDataFolder folder;
        const QString path = folder.file(QStringLiteral("IntTvx.db"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QVERIFY(!folder.openDatabase());
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->boxes.first().text.contains(QStringLiteral("δεν μπορεί να διαβαστεί.")));
        QVERIFY(m_dialogs->boxes.first().text.contains(path));
    }

    void quotesAreStoredAndReadBackUnchanged() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        const Employee tricky{QStringLiteral("090000045"), QStringLiteral("Ο'Νήλ \"Μπ\"; Drop Table Kins"),
                              QStringLiteral("12'")};
        QVERIFY(InsertEmployee(tricky).ok());
        QCOMPARE(SelectEmployee(tricky.Eafm).value(), tricky);
        ParamValues params;
        params.IkaPass = QStringLiteral("pa'ss\"word");
        params.Cepon = QStringLiteral("Α'Β");
        QVERIFY(UpdateParam(params).ok());
        QCOMPARE(SelectParam().value(), params);
    }

    void duplicateKeyIsRecognised() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QVERIFY(InsertEmployee({QStringLiteral("123456789"), QStringLiteral("Α"), QStringLiteral("1")}).ok());
        const DbStatus again =
            InsertEmployee({QStringLiteral("123456789"), QStringLiteral("Β"), QStringLiteral("2")});
        QVERIFY(again.duplicate());
        QVERIFY(
            InsertEntry({QStringLiteral("123456789"), QStringLiteral("20160305"), QStringLiteral("9-17"), {}})
                .ok());
        QVERIFY(
            InsertEntry({QStringLiteral("123456789"), QStringLiteral("20160305"), QStringLiteral("8-16"), {}})
                .duplicate());
    }

    void afmLookupsIgnoreTrailingBlanks() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QVERIFY(InsertEmployee({QStringLiteral("123456789"), QStringLiteral("Α"), QStringLiteral("1")}).ok());
        QVERIFY(SelectEmployee(QStringLiteral("123456789   ")).has_value());
        QVERIFY(InsertEmployee({QStringLiteral("123456789 "), QStringLiteral("Β"), QStringLiteral("2")})
                    .duplicate());
        QVERIFY(!SelectEmployee(QStringLiteral(" 123456789")).has_value());
    }

    void nullValuesAreStoredAsEmptyText() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QVERIFY(InsertEntry({QStringLiteral("1"), QStringLiteral("20160101"), QString(), QString()}).ok());
        QSqlQuery query(DbConnection());
        QVERIFY(query.exec(QStringLiteral("Select Count(*) From Kins Where Korario='' And Kparat=''")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 1);
    }

    void monthFilterTakesEveryDayOfTheMonthFromTheChosenDay() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QVERIFY(InsertEmployee({QStringLiteral("111111111"), QStringLiteral("Α"), QStringLiteral("1")}).ok());
        for (const char* day : {"20160229", "20160301", "20160315", "20160331", "20160401"})
            QVERIFY(
                InsertEntry({QStringLiteral("111111111"), QString::fromLatin1(day), QStringLiteral("x"), {}})
                    .ok());
        // An entry whose employee is gone is not listed.
        QVERIFY(
            InsertEntry({QStringLiteral("999999999"), QStringLiteral("20160310"), QStringLiteral("x"), {}})
                .ok());

        auto days = [](QSqlQuery query) {
            QStringList found;
            while (query.next())
                found << query.value(QStringLiteral("Kdate")).toString();
            return found;
        };
        QCOMPARE(days(SelectMonthEntries(QStringLiteral("20160301"), QStringLiteral("201604"),
                                         EntryOrder::ByDate, PageRead::First, {}, 100)),
                 (QStringList{"20160301", "20160315", "20160331"}));
        QCOMPARE(days(SelectMonthEntries(QStringLiteral("20160315"), QStringLiteral("201604"),
                                         EntryOrder::ByAfm, PageRead::First, {}, 100)),
                 (QStringList{"20160315", "20160331"}));
    }

    void deletingAnEmployeeDeletesHisEntriesToo() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QVERIFY(InsertEmployee({QStringLiteral("111111111"), QStringLiteral("Α"), QStringLiteral("1")}).ok());
        QVERIFY(InsertEmployee({QStringLiteral("222222222"), QStringLiteral("Β"), QStringLiteral("1")}).ok());
        QVERIFY(
            InsertEntry({QStringLiteral("111111111"), QStringLiteral("20160301"), QStringLiteral("x"), {}})
                .ok());
        QVERIFY(
            InsertEntry({QStringLiteral("111111111"), QStringLiteral("20160302"), QStringLiteral("x"), {}})
                .ok());
        QVERIFY(
            InsertEntry({QStringLiteral("222222222"), QStringLiteral("20160301"), QStringLiteral("x"), {}})
                .ok());
        QVERIFY(DeleteEmployeeAndEntries(*SelectEmployee(QStringLiteral("111111111"))).ok());
        QVERIFY(!SelectEmployee(QStringLiteral("111111111")));
        QSqlQuery query(DbConnection());
        QVERIFY(query.exec(QStringLiteral("Select Eafm From Kins")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("222222222"));
        QVERIFY(!query.next());
    }

    void failedEntryDeleteKeepsTheEmployee() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QVERIFY(InsertEmployee({QStringLiteral("111111111"), QStringLiteral("Α"), QStringLiteral("1")}).ok());
        QVERIFY(
            InsertEntry({QStringLiteral("111111111"), QStringLiteral("20160301"), QStringLiteral("x"), {}})
                .ok());
        // A trigger makes the second delete fail: the first must be undone.
        if (TestOnPostgres()) {
            folder.exec(QStringLiteral("Create Function NoKinsDelete() Returns Trigger Language plpgsql As "
                                       "$$Begin Raise Exception 'kins locked'; End$$"));
            folder.exec(QStringLiteral("Create Trigger NoKinsDelete Before Delete On Kins For Each Row "
                                       "Execute Function NoKinsDelete()"));
        } else {
            folder.exec(QStringLiteral("Create Trigger NoKinsDelete Before Delete On Kins "
                                       "Begin Select Raise(Abort, 'kins locked'); End"));
        }
        const DbStatus status = DeleteEmployeeAndEntries(*SelectEmployee(QStringLiteral("111111111")));
        QVERIFY(!status.ok());
        QVERIFY(!status.duplicate());
        QVERIFY(SelectEmployee(QStringLiteral("111111111")).has_value());
        QVERIFY(SelectEntry(QStringLiteral("111111111"), QStringLiteral("20160301")).has_value());
    }

    void entryIndexHonoursRangeMaskDatesAndOrder() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        for (const char* afm : {"120000001", "130000001", "200000001"})
            QVERIFY(
                InsertEmployee({QString::fromLatin1(afm), QStringLiteral("Ν"), QStringLiteral("1")}).ok());
        QVERIFY(
            InsertEntry({QStringLiteral("120000001"), QStringLiteral("20160302"), QStringLiteral("x"), {}})
                .ok());
        QVERIFY(
            InsertEntry({QStringLiteral("130000001"), QStringLiteral("20160301"), QStringLiteral("x"), {}})
                .ok());
        QVERIFY(
            InsertEntry({QStringLiteral("200000001"), QStringLiteral("20160301"), QStringLiteral("x"), {}})
                .ok());
        QVERIFY(
            InsertEntry({QStringLiteral("120000001"), QStringLiteral("20160501"), QStringLiteral("x"), {}})
                .ok());
        const QString low = QStringLiteral("         ");
        const QString high(9, QChar(255));
        auto keys = [](QSqlQuery query) {
            QStringList found;
            while (query.next())
                found << query.value(QStringLiteral("Eafm")).toString() + QLatin1Char('/') +
                             query.value(QStringLiteral("Kdate")).toString();
            return found;
        };
        QCOMPARE(keys(SelectEntryIndex({low, high, QStringLiteral("1%")}, QStringLiteral("20160301"),
                                       QStringLiteral("20160331"), EntryOrder::ByAfm)),
                 (QStringList{"120000001/20160302", "130000001/20160301"}));
        QCOMPARE(keys(SelectEntryIndex({low, high, QStringLiteral("*********")}, QStringLiteral("20160301"),
                                       QStringLiteral("20160331"), EntryOrder::ByDate)),
                 (QStringList{"130000001/20160301", "200000001/20160301", "120000001/20160302"}));
        QCOMPARE(
            keys(SelectEntryIndex({QStringLiteral("130000001"), QStringLiteral("130000001"), {}},
                                  QStringLiteral("20160101"), QStringLiteral("20161231"), EntryOrder::ByAfm)),
            (QStringList{"130000001/20160301"}));
    }

    // The check that guards a restore and any database taken in: every table and column the
    // program reads.
    void aNewDatabaseHasEveryTableAndColumnTheProgramReads() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("IntTvx.db"));
        QCOMPARE(CreateDatabaseFile(path), QString());
        const SchemaGaps gaps = gapsOf(path, {});
        QVERIFY2(gaps.empty(), qPrintable(gaps.text()));
    }

    void aParamTableAloneLacksTheOtherTablesAndColumns() {
        QTemporaryDir dir;
        const SchemaGaps gaps =
            gapsOf(dir.filePath(QStringLiteral("x.db")), {QStringLiteral("Create Table Param (IkaCode)")});
        QCOMPARE(gaps.missingTables, (QStringList{"Ergaz", "Kins", "Company"}));
        QCOMPARE(gaps.missingColumns,
                 (QStringList{"Param.IkaPass", "Param.TaxisCode", "Param.TaxisPass", "Param.SmtpServer",
                              "Param.Cemail", "Param.Lemail", "Param.Cepon", "Param.NewsDat"}));
        QVERIFY(gaps.unreadable.isEmpty());
        QCOMPARE(gaps.text(), QStringLiteral("Λείπουν οι πίνακες Ergaz, Kins, Company. Λείπουν οι στήλες "
                                             "Param.IkaPass, Param.TaxisCode, Param.TaxisPass, "
                                             "Param.SmtpServer, Param.Cemail, Param.Lemail, Param.Cepon, "
                                             "Param.NewsDat."));
    }

    void oneMissingColumnIsFound() {
        QTemporaryDir dir;
        QStringList statements = bareSchema();
        statements.replaceInStrings(QStringLiteral("Kdate,Korario,Kparat"), QStringLiteral("Kdate,Korario"));
        const SchemaGaps gaps = gapsOf(dir.filePath(QStringLiteral("x.db")), statements);
        QCOMPARE(gaps.missingColumns, QStringList{"Kins.Kparat"});
        QCOMPARE(gaps.text(), QStringLiteral("Λείπει η στήλη Kins.Kparat."));
    }

    void namesInCapitalsAndExtraColumnsAreAccepted() {
        QTemporaryDir dir;
        QStringList statements;
        for (const QString& statement : bareSchema())
            statements << statement.toUpper().replace(QStringLiteral(")"), QStringLiteral(",EXTRA)"));
        const SchemaGaps gaps = gapsOf(dir.filePath(QStringLiteral("x.db")), statements);
        QVERIFY2(gaps.empty(), qPrintable(gaps.text()));
    }

    void aViewOverAMissingTableIsNotReadable() {
        QTemporaryDir dir;
        QStringList statements = bareSchema();
        statements.removeLast();
        statements << QStringLiteral("Create Table Gone (Ccode, Cemail)")
                   << QStringLiteral("Create View Company As Select Ccode, Cemail From Gone")
                   << QStringLiteral("Drop Table Gone");
        const SchemaGaps gaps = gapsOf(dir.filePath(QStringLiteral("x.db")), statements);
        QVERIFY(!gaps.empty());
        QVERIFY2(gaps.text().contains(QStringLiteral("Company")), qPrintable(gaps.text()));
    }

    // What the check lets through is enough for every statement of the program: a database
    // made of the listed columns alone opens, and its statements run.
    void theListedColumnsAloneServeEveryStatement() {
        TestDataFolder folder;
        const QString path = folder.file(QStringLiteral("IntTvx.db"));
        QVERIFY(QFile::remove(path));
        QVERIFY(
            gapsOf(path, bareSchema() << QStringLiteral("Insert Into Param (IkaCode) Values ('')")).empty());
        QVERIFY(folder.openDatabase());

        const Employee employee{QStringLiteral("123456789"), QStringLiteral("Παπάς"), QStringLiteral("12")};
        const Entry entry{employee.Eafm, QStringLiteral("20160301"), QStringLiteral("9-17"),
                          QStringLiteral("x")};
        QVERIFY(InsertEmployee(employee).ok());
        QVERIFY(UpdateEmployee(employee, employee).ok());
        QVERIFY(InsertEntry(entry).ok());
        QVERIFY(UpdateEntry(entry, entry).ok());
        QCOMPARE(SelectEmployee(employee.Eafm).value(), employee);
        QCOMPARE(SelectEntry(entry.Eafm, entry.Kdate).value(), entry);
        QVERIFY(SelectEmployeeNameAndBranch(employee.Eafm).has_value());
        QVERIFY(SelectEmployeeName(employee.Eafm).has_value());
        QVERIFY(InsertImportedEmployee(QStringLiteral("987654321"), QStringLiteral("Β")).ok());
        QVERIFY(UpdateParam(ParamValues{}).ok());
        QVERIFY(UpdateNewsDat(QStringLiteral("01/03/2016")).ok());
        DbStatus status;
        QCOMPARE(SelectNewsDat(&status), QStringLiteral("01/03/2016"));
        QVERIFY(status.ok());
        SelectCompanyEmail(QStringLiteral("1"), &status);
        QVERIFY(status.ok());

        auto rows = [](QSqlQuery query, const DbStatus& status) {
            if (!status.ok())
                return -1;
            int count = 0;
            while (query.next())
                ++count;
            return count;
        };
        const AfmRange all{QStringLiteral(" "), QString(9, QChar(255)), QString()};
        QCOMPARE(rows(SelectEmployees(EmployeeOrder::ByName, &status), status), 2);
        QCOMPARE(SelectEmployeePage(EmployeeOrder::ByName, PageRead::First, {}, 10, &status).size(), 2);
        QVERIFY(status.ok());
        QCOMPARE(rows(SelectMonthEntries(QStringLiteral("20160301"), QStringLiteral("201604"),
                                         EntryOrder::ByAfm, PageRead::First, {}, 10, &status),
                      status),
                 1);
        QCOMPARE(rows(SelectEntryIndex(all, QStringLiteral("20160101"), QStringLiteral("20161231"),
                                       EntryOrder::ByDate, &status),
                      status),
                 1);
        QCOMPARE(rows(SelectEmployeeNamesWithEntries(QStringLiteral("20160101"), QStringLiteral("20161231"),
                                                     &status),
                      status),
                 1);
        QCOMPARE(rows(SelectEmployeeAfmsWithEntries(QStringLiteral("20160101"), QStringLiteral("20161231"),
                                                    &status),
                      status),
                 1);
        QCOMPARE(rows(SelectEmployeesWithEntries(QStringLiteral("20160101"), QStringLiteral("20161231"), all,
                                                 &status),
                      status),
                 1);
        QCOMPARE(rows(SelectEmployeeEntries(employee.Eafm, QStringLiteral("20160101"),
                                            QStringLiteral("20161231"), &status),
                      status),
                 1);
        QVERIFY(DeleteEntry(entry).ok());
        QVERIFY(DeleteEmployeeAndEntries(employee).ok());
    }

private:
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "DatabaseTest.moc"
