#include "AscLines.h"
#include "OrvaCommand.h"
#include "TestDataFolder.h"
#include "logic/core/commandline/CommandLine.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/files/UserLock.h"
#include "logic/records/EmployeeList.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// "orva import FILE" run as a process on a data folder: the employees it stores, the counts
// it prints, and its refusals.
class ImportCommandTest : public QObject {
    Q_OBJECT

    QString writeFile(const QStringList& lines) {
        const QString path = m_folder->file(u"employees.asc"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the file");
        file.write(AscFileBytes(lines));
        return path;
    }

    CommandRun import(const QString& path) {
        return RunOrva({u"import"_s, path, u"--data-dir"_s, m_folder->path()});
    }

    QList<Employee> employees() {
        if (!m_folder->openDatabase())
            qFatal("cannot open the database");
        const QList<Employee> rows = ReadEmployees(EmployeeOrder::ByAfm);
        CloseDatabase();
        return rows;
    }

private slots:
    void init() { m_folder = std::make_unique<TestDataFolder>(); }
    void cleanup() { m_folder.reset(); }

    void countsOfAFileAndNothingNewTheSecondTime() {
        QVERIFY(m_folder->openDatabase());
        m_folder->exec(u"Insert Into Ergaz (Eafm,Eepon,Eypo) Values ('123456789','ΑΛΛΟ ΟΝΟΜΑ','5')"_s);
        // The table refuses AFMs that start with 9: line 6 cannot be stored.
        m_folder->refuseEmployees(u"substr(Eafm,1,1)='9'"_s);
        CloseDatabase();
        const QString path =
            writeFile({AscHeadingLine(), AscEmployeeLine(1, u"ΑΛΕΞΙΟΥ"_s, u"ΜΑΡΙΑ"_s, u"090000045"_s),
                       AscEmployeeLine(2, u"ΒΑΣΙΛΕΙΟΥ"_s, {}, u"094019245"_s),
                       AscEmployeeLine(3, u"ΓΕΩΡΓΙΟΥ"_s, u"ΝΙΚΟΣ"_s, u"123456789"_s),
                       AscEmployeeLine(4, u"ΔΗΜΟΥ"_s, u"ΕΛΕΝΗ"_s, u"111111111"_s),
                       AscEmployeeLine(5, u"ΖΑΧΟΥ"_s, u"ΑΝΝΑ"_s, u"900000001"_s), AscTotalsLine(5)});

        // The refused line leaves the others stored, and the status says so.
        const CommandRun first = import(path);
        QVERIFY(first.finished);
        QCOMPARE(first.exitCode, int(CommandFailed));
        QCOMPARE(first.out, u"Προστέθηκαν: 3\nΥπήρχαν ήδη: 1\nΔεν καταχωρήθηκαν: 1 (γραμμή 6)\n"_s);
        // The database's own words follow on the line of the details.
        QVERIFY2(first.err.startsWith(u"orva: Η γραμμή 6 δεν καταχωρήθηκε στη βάση δεδομένων.\n"
                                      u"Λεπτομέρειες: "_s) &&
                     first.err.contains(u"refused"_s),
                 qPrintable(first.err));
        const QList<Employee> stored = {
            {u"090000045"_s, u"ΑΛΕΞΙΟΥ ΜΑΡΙΑ"_s, u"0"_s},
            {u"094019245"_s, u"ΒΑΣΙΛΕΙΟΥ "_s, u"0"_s},
            {u"111111111"_s, u"ΔΗΜΟΥ ΕΛΕΝΗ"_s, u"0"_s},
            {u"123456789"_s, u"ΑΛΛΟ ΟΝΟΜΑ"_s, u"5"_s},
        };
        QCOMPARE(employees(), stored);

        const CommandRun second = import(path);
        QCOMPARE(second.exitCode, int(CommandFailed));
        QCOMPARE(second.out, u"Προστέθηκαν: 0\nΥπήρχαν ήδη: 4\nΔεν καταχωρήθηκαν: 1 (γραμμή 6)\n"_s);
        QCOMPARE(employees(), stored);

        // Without the refusal the file goes in whole, and a second time adds nothing.
        QVERIFY(m_folder->openDatabase());
        m_folder->acceptEmployees();
        CloseDatabase();
        const CommandRun whole = import(path);
        QCOMPARE(whole.exitCode, int(CommandDone));
        QCOMPARE(whole.out, u"Προστέθηκαν: 1\nΥπήρχαν ήδη: 4\nΔεν καταχωρήθηκαν: 0\n"_s);
        QCOMPARE(whole.err, QString());
        const CommandRun again = import(path);
        QCOMPARE(again.exitCode, int(CommandDone));
        QCOMPARE(again.out, u"Προστέθηκαν: 0\nΥπήρχαν ήδη: 5\nΔεν καταχωρήθηκαν: 0\n"_s);
        QCOMPARE(employees().size(), 5);
    }

    void aFileWithoutEmployeesFindsNothing() {
        const CommandRun run = import(writeFile({AscHeadingLine(), AscTotalsLine(0), u"short line"_s}));
        QCOMPARE(run.exitCode, int(NothingFound));
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, u"orva: Δεν υπάρχουν εγγραφές.\n"_s);
    }

    void aFileThatIsNotTextStoresNothing() {
        const QString path = m_folder->file(u"picture.asc"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes = AscFileBytes({AscEmployeeLine(1, u"ΑΛΕΞΙΟΥ"_s, u"ΜΑΡΙΑ"_s, u"090000045"_s)});
        bytes += QByteArray("\x89PNG\r\n\x1A\n\x00\x00\x00\rIHDR", 16);
        file.write(bytes);
        file.close();
        const CommandRun run = import(path);
        QCOMPARE(run.exitCode, int(BadArguments));
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(u"δεν είναι αρχείο κειμένου με εργαζόμενους"_s), qPrintable(run.err));
        QCOMPARE(employees(), QList<Employee>());
    }

    void aUtf8FileImportsAndBadAfmsAreCounted() {
        const QString path = m_folder->file(u"utf8.asc"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const QString& line :
             {AscHeadingLine(), AscEmployeeLine(1, u"ΑΛΕΞΙΟΥ"_s, u"ΜΑΡΙΑ"_s, u"090000045"_s),
              AscEmployeeLine(2, u"ΒΑΘΗΣ"_s, {}, u"0940Χ9245"_s)})
            file.write(line.toUtf8() + "\n");
        file.close();
        const CommandRun run = import(path);
        QCOMPARE(run.exitCode, int(CommandFailed));
        QCOMPARE(run.out, u"Προστέθηκαν: 1\nΥπήρχαν ήδη: 0\nΔεν καταχωρήθηκαν: 0\n"
                          u"Με ΑΦΜ που δεν είναι μόνο ψηφία: 1 (γραμμή 3)\n"_s);
        QCOMPARE(employees(), (QList<Employee>{{u"090000045"_s, u"ΑΛΕΞΙΟΥ ΜΑΡΙΑ"_s, u"0"_s}}));
    }

    void aMissingFileIsABadArgument() {
        const QString path = m_folder->file(u"missing.asc"_s);
        const CommandRun run = import(path);
        QCOMPARE(run.exitCode, int(BadArguments));
        QCOMPARE(run.err, u"orva: "_s + path + u": To αρχείο δεν υπάρχει.\n"_s);
        const CommandRun folder = import(m_folder->path());
        QCOMPARE(folder.exitCode, int(BadArguments));
    }

    void aRunningOrvaKeepsTheImportOut() {
        const QString path = writeFile({AscEmployeeLine(1, u"ΑΛΕΞΙΟΥ"_s, u"ΜΑΡΙΑ"_s, u"090000045"_s)});
        // This process holds the data folder's lock as a running Orva does.
        QVERIFY(TakeUserLock());
        const CommandRun refused = import(path);
        ReleaseUserLock();
        QCOMPARE(refused.exitCode, int(DataFolderInUse));
        QCOMPARE(refused.out, QString());
        QVERIFY2(refused.err.startsWith(u"orva: Το προγραμμά σας δεν υποστηρίζει περισσότερους χρήστες.\n"
                                        u"orva: Το Orva είναι ανοιχτό στον φάκελο δεδομένων "_s),
                 qPrintable(refused.err));
        QCOMPARE(employees(), QList<Employee>());

        const CommandRun after = import(path);
        QCOMPARE(after.exitCode, int(CommandDone));
        QCOMPARE(employees().size(), 1);
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
};

QTEST_GUILESS_MAIN(ImportCommandTest)
#include "ImportCommandTest.moc"
