#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "TestEngine.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/core/database/ReportStatements.h"
#include "logic/records/EmployeeList.h"

#include <QSqlQuery>
#include <QTest>

namespace {
// Twelve names in the Greek order: capitals, lower case, accents and final sigma mixed.
// Names of the same letters stand together (unaccented before accented, then lower case
// before capitals); ς is the letter σ.
const QStringList GreekOrder = {
    QStringLiteral("Αθηνά"),        QStringLiteral("ΑΝΝΑ"),         QStringLiteral("άννα"),
    QStringLiteral("Άννα"),         QStringLiteral("ΒΑΣΙΛΗΣ"),      QStringLiteral("ηλίας"),
    QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), QStringLiteral("Παπαδόπουλος"), QStringLiteral("ΠΑΠΑΣ"),
    QStringLiteral("παπάς"),        QStringLiteral("ΠΑΠΑΣΤΑΘΗΣ"),   QStringLiteral("ΩΡΑΙΟΣ")};

QString afm(int i) {
    return QStringLiteral("1%1").arg(i, 8, 10, QLatin1Char('0'));
}

// Stores the names in an order of their own, AFMs counting down, so that neither the order
// of the rows nor that of the AFMs gives the Greek order by accident.
void addNamesShuffled(const QStringList& names) {
    const QList<int> shuffle = {7, 2, 11, 0, 9, 4, 1, 10, 5, 3, 8, 6};
    for (int n = 0; n < names.size(); ++n) {
        const int i = shuffle.at(n % shuffle.size()) + 12 * (n / shuffle.size());
        QVERIFY(InsertEmployee({afm(100 - n), names.at(i), QStringLiteral("1")}).ok());
    }
}

QStringList names(QSqlQuery&& query, int column = 0) {
    QStringList read;
    while (query.next())
        read << query.value(column).toString();
    return read;
}

QStringList namesOf(const QList<Employee>& employees) {
    QStringList read;
    for (const Employee& e : employees)
        read << e.Eepon;
    return read;
}

// The indexes of table Ergaz besides its key.
QStringList indexNames() {
    QSqlQuery query(DbConnection());
    query.exec(TestOnPostgres()
                   ? QStringLiteral("Select Case indexname When 'ergazeepongreek' Then "
                                    "'ErgazEeponGreek' Else indexname End From pg_indexes Where "
                                    "tablename='ergaz' And indexname Not Like '%pkey' Order By 1")
                   : QStringLiteral("Select Name From sqlite_master Where Type='index' And "
                                    "Tbl_Name='Ergaz' And Sql Is Not Null Order By Name"));
    return names(std::move(query));
}

// The collation's order of two texts on a connection: negative, 0 or positive.
int collated(const QSqlDatabase& db, const QString& left, const QString& right) {
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("Select Case When ? < ? Collate GREEK Then -1 When ? = ? Collate GREEK Then 0 "
                       "Else 1 End"));
    for (const QString& value : {left, right, left, right})
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        qFatal("No comparison: %s", qPrintable(query.lastError().text()));
    return query.value(0).toInt();
}

// How the engine reads a statement: SQLite's query plan, PostgreSQL's Explain (with sequential
// scans ruled out, as a table of many rows rules them out: the tests' tables are small).
QString queryPlan(const QString& statement) {
    QSqlQuery query(DbConnection());
    if (TestOnPostgres()) {
        query.exec(QStringLiteral("Set enable_seqscan=off"));
        const bool explained = query.exec(QStringLiteral("Explain ") + statement);
        QSqlQuery(DbConnection()).exec(QStringLiteral("Reset enable_seqscan"));
        return explained ? names(std::move(query))
                               .join(QLatin1Char('\n'))
                               .replace(QStringLiteral("ergazeepongreek"), QStringLiteral("ErgazEeponGreek"))
                         : query.lastError().text();
    }
    if (!query.exec(QStringLiteral("Explain Query Plan ") + statement))
        return query.lastError().text();
    return names(std::move(query), 3).join(QLatin1Char('\n'));
}
} // namespace

// The Greek order of names: the collation of the connection, the statements that order by
// name, the name search and the index of a file made before the order was Greek.
class GreekOrderTest : public QObject {
    Q_OBJECT
private slots:
    void init() { InstallScriptedDialogs(); }

    void twelveNamesInTheGreekOrder() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addNamesShuffled(GreekOrder);
        QCOMPARE(namesOf(ReadEmployees(EmployeeOrder::ByName)), GreekOrder);
        // The lists, pick lists and the batch all order through the one collation.
        for (int i = 0; i < GreekOrder.size(); ++i)
            QVERIFY(InsertEntry({afm(100 - i), QStringLiteral("20160310"), QStringLiteral("9-17"), {}}).ok());
        QCOMPARE(
            names(SelectEmployeeNamesWithEntries(QStringLiteral("20160301"), QStringLiteral("20160331"))),
            GreekOrder);
        const QStringList afms =
            names(SelectEmployeeAfmsWithEntries(QStringLiteral("20160301"), QStringLiteral("20160331")));
        AfmRange everyone{QString(14, QLatin1Char(' ')), QString(14, QChar(255)),
                          QString(14, QLatin1Char('*'))};
        QCOMPARE(names(SelectEmployeesWithEntries(QStringLiteral("20160301"), QStringLiteral("20160331"),
                                                  everyone)),
                 afms);
        QStringList byAfm;
        for (const QString& a : afms)
            byAfm << SelectEmployee(a)->Eepon;
        QCOMPARE(byAfm, GreekOrder);
    }

    void employeesOfOneSpellingFollowTheirAfm() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        for (const char* who : {"300000000", "100000000", "200000000"})
            QVERIFY(InsertEmployee({QString::fromLatin1(who), QStringLiteral("ΙΩΑΝΝΟΥ"), QStringLiteral("1")})
                        .ok());
        QVERIFY(InsertEmployee({QStringLiteral("050000000"), QStringLiteral("ιωάννου"), QStringLiteral("1")})
                    .ok());
        QStringList read;
        for (const Employee& e : ReadEmployees(EmployeeOrder::ByName))
            read << e.Eafm;
        QCOMPARE(read, (QStringList{"100000000", "200000000", "300000000", "050000000"}));
    }

    // A file keeps its text in UTF-8 or in UTF-16: the collation compares both alike.
    void theCollationComparesAsTheOrderSaysInBothEncodings() {
        if (TestOnPostgres())
            QSKIP("The collation of SQLite files");
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        const QString name = QStringLiteral("utf16");
        {
            QSqlDatabase utf16 = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            utf16.setDatabaseName(folder.file(QStringLiteral("utf16.db")));
            QVERIFY(utf16.open());
            QVERIFY(RegisterGreekCollation(utf16));
            QSqlQuery(utf16).exec(QStringLiteral("PRAGMA encoding='UTF-16le'"));
            QSqlQuery(utf16).exec(QStringLiteral("Create Table T (A Text)"));
            QSqlQuery encoding(utf16);
            QVERIFY(encoding.exec(QStringLiteral("PRAGMA encoding")) && encoding.next());
            QCOMPARE(encoding.value(0).toString(), QStringLiteral("UTF-16le"));
            for (const QSqlDatabase& db : {DbConnection(), utf16}) {
                QVERIFY(collated(db, QStringLiteral("ΑΝΝΑ"), QStringLiteral("Αθηνά")) > 0);
                QVERIFY(collated(db, QStringLiteral("αγγέλου"), QStringLiteral("ΕΛΕΝΑ")) < 0);
                QVERIFY(collated(db, QStringLiteral("Έλενα"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ")) < 0);
                QVERIFY(collated(db, QStringLiteral("ΩΡΑΙΟΣ"), QStringLiteral("αγγέλου")) > 0);
                QVERIFY(collated(db, QStringLiteral("ΑΝΝΑ"), QStringLiteral("άννα")) < 0);
                // Only equal texts are equal: the order is total.
                QCOMPARE(collated(db, QStringLiteral("Άννα"), QStringLiteral("Άννα")), 0);
                QVERIFY(collated(db, QStringLiteral("Άννα"),
                                 QString::fromUtf8("\u0391\u0301\u03bd\u03bd\u03b1")) != 0);
                // Every spelling of the letters is not below the search's bound.
                for (const QString& spelling :
                     {QStringLiteral("παπας"), QStringLiteral("παπάς"), QStringLiteral("ΠΑΠΑΣ"),
                      QStringLiteral("Παπάς"), QStringLiteral("ΠΆΠΑΣ")})
                    QVERIFY2(collated(db, spelling, NameSearchBound(QStringLiteral("ΠΑΠΆΣ"))) >= 0,
                             qPrintable(spelling));
            }
        }
        QSqlDatabase::removeDatabase(name);
    }

    void theSearchBoundDropsCaseAndAccents() {
        QCOMPARE(NameSearchBound(QStringLiteral("Πά")), QStringLiteral("πα"));
        QCOMPARE(NameSearchBound(QStringLiteral("ΠΑΠΑΣ")), QStringLiteral("παπασ"));
        QCOMPARE(NameSearchBound(QStringLiteral("ΐδΪ ς")), QStringLiteral("ιδι σ"));
        QCOMPARE(NameSearchBound(QStringLiteral("Zoë 12")), QStringLiteral("zoe 12"));
    }

    void theNameSearchFindsWhatAGreekUserTypes() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addNamesShuffled(GreekOrder);
        EmployeeList list;
        list.reload(EmployeeOrder::ByName, false);
        for (const QString& typed : {QStringLiteral("πα"), QStringLiteral("ΠΑ"), QStringLiteral("Πά")}) {
            list.search(typed);
            QVERIFY2(list.atGridRow(1), qPrintable(typed));
            QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
            QCOMPARE(list.atGridRow(6)->Eepon, QStringLiteral("ΩΡΑΙΟΣ"));
            QCOMPARE(list.atGridRow(7), nullptr);
        }
        // A whole name, however spelt, lands on the first of its spellings.
        for (const QString& typed :
             {QStringLiteral("παπάς"), QStringLiteral("ΠΑΠΑΣ"), QStringLiteral("Παπας")}) {
            list.search(typed);
            QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("ΠΑΠΑΣ"));
        }
        list.search(QStringLiteral("άνν"));
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("ΑΝΝΑ"));
        list.search(QStringLiteral("αθ"));
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("Αθηνά"));
        // Past the last name: a blank page.
        list.search(QStringLiteral("ωω"));
        QCOMPARE(list.atGridRow(1), nullptr);
        // The text is compared untrimmed: "ΩΡΑΙΟΣ" is below "ωραιος ".
        list.search(QStringLiteral("ωραιος"));
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("ΩΡΑΙΟΣ"));
        list.search(QStringLiteral("ωραιος "));
        QCOMPARE(list.atGridRow(1), nullptr);
    }

    void theAfmSearchStaysByCharacters() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        for (const char* who : {"090000045", "110000001", "120000002", "123456789", "130000003"})
            QVERIFY(
                InsertEmployee({QString::fromLatin1(who), QStringLiteral("Α"), QStringLiteral("1")}).ok());
        EmployeeList list;
        list.reload(EmployeeOrder::ByAfm, false);
        list.search(QStringLiteral("12"));
        QCOMPARE(list.atGridRow(1)->Eafm, QStringLiteral("120000002"));
        QCOMPARE(list.selectedKey(), QStringLiteral("120000002     "));
        list.search(QStringLiteral("123"));
        QCOMPARE(list.atGridRow(1)->Eafm, QStringLiteral("123456789"));
        QCOMPARE(list.atGridRow(3), nullptr);
        list.search(QStringLiteral("2"));
        QCOMPARE(list.atGridRow(1), nullptr);
        QCOMPARE(list.selectedKey(), QString());
        // Blanks alone do not search: the page stays blank.
        list.search(QStringLiteral("   "));
        QCOMPARE(list.atGridRow(1), nullptr);
    }

    void aFileFromBeforeGetsTheGreekIndexAndKeepsItsTables() {
        if (TestOnPostgres())
            QSKIP("A file of SQLite's");
        TestDataFolder folder(false);
        const QString path = folder.file(QStringLiteral("IntTvx.db"));
        QStringList tables;
        {
            // The schema as files were made before the order was Greek.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            for (const char* statement :
                 {"Create Table Ergaz (Eafm Varchar(14) Not Null Default '' Collate RTRIM Primary Key,"
                  " Eepon Varchar(30) Not Null Default '', Eypo Varchar(4) Not Null Default '')",
                  "Create Index ErgazEepon On Ergaz (Eepon)",
                  "Create Table Kins (Eafm Varchar(14) Not Null Default '' Collate RTRIM,"
                  " Kdate Varchar(8) Not Null Default '', Korario Varchar(150) Not Null Default '',"
                  " Kparat Varchar(150) Not Null Default '', Primary Key (Eafm, Kdate))",
                  "Create Table Param (IkaCode Varchar(20) Not Null Default '', IkaPass Varchar(20) Not Null "
                  "Default '', TaxisCode Varchar(20) Not Null Default '', TaxisPass Varchar(20) Not Null "
                  "Default '', SmtpServer Varchar(40) Not Null Default '', Cemail Varchar(40) Not Null "
                  "Default '', Lemail Varchar(40) Not Null Default '', Cepon Varchar(40) Not Null Default '',"
                  " NewsDat Varchar(20) Not Null Default '')",
                  "Insert Into Param Default Values",
                  "Create Table Company (Ccode Varchar(10) Not Null Default '' Primary Key,"
                  " Cemail Varchar(40) Not Null Default '')",
                  "Insert Into Ergaz Values ('3','ωραίος','1'),('2','ΑΝΝΑ','1'),('1','Ωμέγα','1'),"
                  "('4','άλφα','1')"})
                QVERIFY2(query.exec(QString::fromUtf8(statement)), qPrintable(query.lastError().text()));
            query.exec(QStringLiteral("Select Sql From sqlite_master Where Type='table' Order By Name"));
            tables = names(std::move(query));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));

        QVERIFY(folder.openDatabase());
        QCOMPARE(indexNames(), QStringList{"ErgazEeponGreek"});
        // The tables it had are as they were; those of the submissions come beside them.
        QSqlQuery query(DbConnection());
        query.exec(QStringLiteral("Select Sql From sqlite_master Where Type='table' And Name Not In "
                                  "('Submissions','ApiLogin') Order By Name"));
        QCOMPARE(names(std::move(query)), tables);
        query.exec(QStringLiteral("Select Name From sqlite_master Where Type='table' And Name In "
                                  "('Submissions','ApiLogin') Order By Name"));
        QCOMPARE(names(std::move(query)), (QStringList{"ApiLogin", "Submissions"}));
        QCOMPARE(namesOf(ReadEmployees(EmployeeOrder::ByName)),
                 (QStringList{"άλφα", "ΑΝΝΑ", "Ωμέγα", "ωραίος"}));
        QVERIFY(queryPlan(QStringLiteral("Select * From Ergaz Order By ") +
                          EmployeeOrderColumns(EmployeeOrder::ByName))
                    .contains(QLatin1String("ErgazEeponGreek")));
        // Opening it again changes nothing more; writing through the index works.
        CloseDatabase();
        QVERIFY(folder.openDatabase());
        QCOMPARE(indexNames(), QStringList{"ErgazEeponGreek"});
        QVERIFY(InsertEmployee({QStringLiteral("5"), QStringLiteral("Βήτα"), QStringLiteral("1")}).ok());
        QCOMPARE(ReadEmployees(EmployeeOrder::ByName).at(2).Eepon, QStringLiteral("Βήτα"));
    }

    void aNewFileHasOnlyTheGreekNameIndex() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QCOMPARE(indexNames(), QStringList{"ErgazEeponGreek"});
        // The list in the order of names reads through it, the name search too.
        QVERIFY(queryPlan(QStringLiteral("Select * From Ergaz Order By ") +
                          EmployeeOrderColumns(EmployeeOrder::ByName) + QStringLiteral(" Limit 14"))
                    .contains(QLatin1String("ErgazEeponGreek")));
        QVERIFY(queryPlan(QStringLiteral("Select * From Ergaz Where Eepon") + NameCollation(DbConnection()) +
                          QStringLiteral(">='πα' Order By ") + EmployeeOrderColumns(EmployeeOrder::ByName) +
                          QStringLiteral(" Limit 14"))
                    .contains(QLatin1String("ErgazEeponGreek")));
    }
};

QTEST_GUILESS_MAIN(GreekOrderTest)
#include "GreekOrderTest.moc"
