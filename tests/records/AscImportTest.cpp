#include "logic/records/AscImport.h"
#include "AscLines.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "TestEngine.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/records/AscFile.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace {
int employeeCount() {
    QSqlQuery query(DbConnection());
    query.exec(QStringLiteral("Select Count(*) From Ergaz"));
    query.next();
    return query.value(0).toInt();
}
} // namespace

// Reading the employee file and storing its employees.
class AscImportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { InstallScriptedDialogs(); }

    void linesEndWithCrLfCrOrLf() {
        QCOMPARE(SplitAscLines("a\r\nb\r\n"), (QStringList{"a", "b"}));
        QCOMPARE(SplitAscLines("a\rb\rc"), (QStringList{"a", "b", "c"}));
        QCOMPARE(SplitAscLines("a\nb\r\n\r\nc\r"), (QStringList{"a", "b", "", "c"}));
        QCOMPARE(SplitAscLines(""), QStringList{});
    }

    void textIsReadAsWindowsGreek() {
        // 0xC1 0xC8 0xC7 0xCD 0xC1 is "ΑΘΗΝΑ" in code page 1253.
        QCOMPARE(SplitAscLines("\xC1\xC8\xC7\xCD\xC1\r\n"), QStringList{QStringLiteral("ΑΘΗΝΑ")});
    }

    // A file of the code page is read line by line from its bytes: every byte the code page
    // has reads as the system's converter reads it, at any place of a line, whatever ends it.
    void aGreekFileReadsAsTheConverterReadsIt() {
        QByteArray bytes;
        for (int byte = 0x20; byte < 0x100; ++byte) {
            if (byte == 0x7F ||
                QByteArrayView("\x81\x88\x8A\x8C\x8D\x8E\x8F\x90\x98\x9A\x9C\x9D\x9E\x9F\xAA\xD2\xFF")
                    .contains(char(byte)))
                continue;
            bytes += char(byte);
            bytes += byte % 3 == 0 ? "\r\n" : byte % 3 == 1 ? "\n" : "\r";
        }
        bytes += "\xC1\xC8\xC7\xCD\xC1 \xE1\xE8\xDE\xED\xE1\r\n\r\n\t\xC1\f";
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("employees.asc")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QStringDecoder greek("windows-1253");
        const QStringList expected = SplitAscText(greek.decode(bytes));
        QVERIFY(!greek.hasError());
        QCOMPARE(ReadAscFile(file.fileName()).value_or(AscLines()).toList(), expected);
        QCOMPARE(SplitAscText(DecodeAscText(bytes).value_or(QString())), expected);
        QCOMPARE(expected.at(expected.size() - 3), QStringLiteral("ΑΘΗΝΑ αθήνα"));
    }

    void employeeLinesAreRecognisedByTheDigitAt131() {
        const QString employee = AscEmployeeLine(1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), QStringLiteral("ΓΙΩΡΓΟΣ"),
                                                 QStringLiteral("090000045"));
        QCOMPARE(ParseAscLine(employee),
                 (AscEmployee{QStringLiteral("090000045"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ")}));
        QVERIFY(!ParseAscLine(AscHeadingLine()));
        QVERIFY(!ParseAscLine(AscTotalsLine(3)));
        QVERIFY(!ParseAscLine(QString()));
        QVERIFY(!ParseAscLine(QString(200, QLatin1Char(' '))));
        // Cut just before position 131, and just after it.
        QVERIFY(!ParseAscLine(employee.left(130)));
        QCOMPARE(ParseAscLine(employee.left(131))->afm, QStringLiteral("0"));
        // A Greek letter or a sign at 131 is no digit.
        QString withLetter = employee;
        withLetter[130] = QChar(0x0391);
        QVERIFY(!ParseAscLine(withLetter));
    }

    void nameIsSurnameBlankFirstNameCutTo30() {
        const auto noFirst =
            ParseAscLine(AscEmployeeLine(1, QStringLiteral("  ΝΙΚΟΛΑΟΥ "), {}, QStringLiteral("1")));
        QCOMPARE(noFirst->name, QStringLiteral("ΝΙΚΟΛΑΟΥ "));
        const auto cut = ParseAscLine(AscEmployeeLine(
            2, QStringLiteral("ΚΩΝΣΤΑΝΤΙΝΟΠΟΥΛΟΥ"), QStringLiteral("ΑΙΚΑΤΕΡΙΝΗ-ΜΑΡΙΑ"), QStringLiteral("2")));
        QCOMPARE(cut->name, QStringLiteral("ΚΩΝΣΤΑΝΤΙΝΟΠΟΥΛΟΥ ΑΙΚΑΤΕΡΙΝΗ-Μ"));
        QCOMPARE(cut->name.size(), 30);
        const auto quoted = ParseAscLine(
            AscEmployeeLine(3, QStringLiteral("O'NEIL"), QStringLiteral("D'ARCY"), QStringLiteral("123'")));
        QCOMPARE(quoted->name, QStringLiteral("O`NEIL D`ARCY"));
        QCOMPARE(quoted->afm, QStringLiteral("123`"));
    }

    void headingThreeEmployeesAndTotalsImportThree() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        const QStringList lines = SplitAscLines(AscFileBytes(threeEmployeeFile(), "\r"));
        QCOMPARE(lines.size(), 5);
        const AscImportResult result = ImportAscLines(lines);
        QVERIFY(result.status.ok());
        QCOMPARE(result.added, 3);
        QCOMPARE(result.skipped, 0);
        QCOMPARE(employeeCount(), 3);
        QCOMPARE(
            SelectEmployee(QStringLiteral("090000045")).value(),
            (Employee{QStringLiteral("090000045"), QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ"), QStringLiteral("0")}));
        QCOMPARE(SelectEmployee(QStringLiteral("094019245"))->Eepon, QStringLiteral("ΒΑΣΙΛΕΙΟΥ "));

        const AscImportResult again = ImportAscLines(lines);
        QCOMPARE(again.added, 0);
        QCOMPARE(again.present, 3);
        QCOMPARE(employeeCount(), 3);
    }

    void presentEmployeeKeepsNameAndBranch() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        QVERIFY(
            InsertEmployee({QStringLiteral("090000045"), QStringLiteral("ΑΛΛΟ ΟΝΟΜΑ"), QStringLiteral("12")})
                .ok());
        const AscImportResult result = ImportAscLines(threeEmployeeFile());
        QCOMPARE(result.added, 2);
        QCOMPARE(result.present, 1);
        QCOMPARE(SelectEmployee(QStringLiteral("090000045")).value(),
                 (Employee{QStringLiteral("090000045"), QStringLiteral("ΑΛΛΟ ΟΝΟΜΑ"), QStringLiteral("12")}));
    }

    // The table's key tells an employee who is there already, also one of an earlier line.
    void anAfmTwiceInTheFileIsStoredOnce() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        const AscImportResult result =
            ImportAscLines({AscEmployeeLine(1, QStringLiteral("ΠΡΩΤΟΣ"), {}, QStringLiteral("090000045")),
                            AscEmployeeLine(2, QStringLiteral("ΔΕΥΤΕΡΟΣ"), {}, QStringLiteral("090000045")),
                            AscEmployeeLine(3, QStringLiteral("ΤΡΙΤΟΣ"), {}, QStringLiteral("123456789"))});
        QVERIFY(result.status.ok());
        QCOMPARE(result.added, 2);
        QCOMPARE(result.present, 1);
        QCOMPARE(result.skipped, 0);
        QCOMPARE(SelectEmployee(QStringLiteral("090000045"))->Eepon, QStringLiteral("ΠΡΩΤΟΣ "));
        QCOMPARE(employeeCount(), 2);
    }

    void linesThatCannotBeStoredAreCountedAndTheRestStays() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        // The table refuses AFMs that start with 9.
        folder.refuseEmployees(QStringLiteral("substr(Eafm,1,1)='9'"));
        QStringList lines{AscHeadingLine()};
        for (int i = 0; i < 14; ++i)
            lines << AscEmployeeLine(
                i + 1, QStringLiteral("ΕΡΓΑΖΟΜΕΝΟΣ %1").arg(i), {},
                QStringLiteral("%1%2").arg(i % 2 ? 9 : 1).arg(i, 8, 10, QLatin1Char('0')));
        QList<std::pair<int, int>> reports;
        const AscImportResult result = ImportAscLines(lines, [&](int done, int total) {
            reports << std::pair{done, total};
        });
        QVERIFY(result.status.ok());
        QCOMPARE(result.added, 7);
        QCOMPARE(result.skipped, 7);
        QCOMPARE(result.skippedLines, (QList<int>{3, 5, 7, 9, 11, 13, 15}));
        QVERIFY(result.firstSkipReason.errorText.contains(QStringLiteral("refused")));
        QCOMPARE(employeeCount(), 7);
        QCOMPARE(reports.last(), (std::pair{15, 15}));
        QCOMPARE(SkippedLinesText(result),
                 QStringLiteral("Δεν καταχωρήθηκαν 7 γραμμές του αρχείου (γραμμές 3, 5, 7, 9, 11, 13, 15)."));
    }

    void skippedTextNamesTheFirstTenLines() {
        AscImportResult result;
        QCOMPARE(SkippedLinesText(result), QString());
        result.skipped = 1;
        result.skippedLines = {4};
        QCOMPARE(SkippedLinesText(result),
                 QStringLiteral("Δεν καταχωρήθηκε 1 γραμμή του αρχείου (γραμμή 4)."));
        result.skipped = 12;
        result.skippedLines = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QCOMPARE(
            SkippedLinesText(result),
            QStringLiteral(
                "Δεν καταχωρήθηκαν 12 γραμμές του αρχείου (γραμμές 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, ...)."));
    }

    // What is not an employee file is refused before a line is read: the bytes of a
    // picture, a PDF or a spreadsheet's own file are no text.
    void filesThatAreNotTextAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray random;
        quint32 seed = 12345;
        for (int i = 0; i < 100000; ++i) {
            seed = seed * 1103515245 + 12345;
            random.append(char(seed >> 16));
        }
        QTest::newRow("random bytes") << random << QStringLiteral("χαρακτήρα ελέγχου");
        QTest::newRow("a PDF") << QByteArray(
                                      "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Length 20 /Filter "
                                      "/FlateDecode >>\nstream\n\x78\x9C\x03\x00\x00\x00\x00\x01\nendstream")
                               << QStringLiteral("χαρακτήρα ελέγχου");
        QTest::newRow("an xlsx") << QByteArray("PK\x03\x04\x14\x00\x06\x00\x08\x00\x00\x00!\x00", 14)
                                 << QStringLiteral("0x03");
        QTest::newRow("a byte the code page lacks")
            << (AscFileBytes({AscHeadingLine()}) + "\xAA\r\n") << QStringLiteral("κωδικοσελίδα");
    }
    void filesThatAreNotTextAreRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!DecodeAscText(bytes, &error));
        QVERIFY2(error.startsWith(QStringLiteral("Το αρχείο δεν είναι αρχείο κειμένου με εργαζόμενους")),
                 qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(error.endsWith(QStringLiteral("Δεν εισήχθη τίποτα.")));
    }

    void utf8IsReadAsUtf8AndTheOldEndsOfFileAreText() {
        const QStringList lines = threeEmployeeFile();
        const QByteArray greek = AscFileBytes(lines);
        QByteArray utf8;
        for (const QString& line : lines)
            utf8 += line.toUtf8() + "\r\n";
        QCOMPARE(SplitAscText(DecodeAscText(utf8).value_or(QString())), lines);
        QCOMPARE(SplitAscText(DecodeAscText("\xEF\xBB\xBF" + utf8).value_or(QString())), lines);
        QCOMPARE(SplitAscText(DecodeAscText(greek).value_or(QString())), lines);
        // The end-of-file mark of DOS programs and their page breaks.
        QCOMPARE(SplitAscText(DecodeAscText(greek + "\x1A").value_or(QString())), lines);
        QCOMPARE(SplitAscText(DecodeAscText("\f" + greek).value_or(QString())).at(1), lines.at(1));
        QString error;
        QVERIFY(!DecodeAscText("\xEF\xBB\xBF\xC1\xC2", &error));
        QVERIFY(error.contains(QStringLiteral("UTF-8")));

        // The same files read from disk, their lines decoded one by one.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("employees.asc"));
        for (const QByteArray& bytes :
             {utf8, "\xEF\xBB\xBF" + utf8, greek, greek + "\x1A", greek + "\x1A\x1A\0\0", greek.chopped(2)}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(bytes) == bytes.size());
            file.close();
            const std::optional<AscLines> read = ReadAscFile(path, &error);
            QVERIFY2(read, qPrintable(error));
            QCOMPARE(read->size(), lines.size());
            QCOMPARE(read->toList(), lines);
        }
    }

    void linesWhoseAfmIsNotDigitsAreSkippedAndCounted() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        const QStringList lines = {
            AscHeadingLine(),
            AscEmployeeLine(1, QStringLiteral("ΑΛΕΞΙΟΥ"), {}, QStringLiteral("090000045")),
            AscEmployeeLine(2, QStringLiteral("ΣΚΟΥΠΙΔΙ"), {}, QStringLiteral("2ώANs«νΕ³")),
            AscEmployeeLine(3, QStringLiteral("ΓΕΩΡΓΙΟΥ"), {}, QStringLiteral("12345678 9")),
            AscEmployeeLine(4, QStringLiteral("ΔΗΜΟΥ"), {}, QStringLiteral("111111111")),
            AscTotalsLine(4)};
        const AscImportResult result = ImportAscLines(lines);
        QVERIFY(result.status.ok());
        QCOMPARE(result.added, 2);
        QCOMPARE(result.skipped, 0);
        QCOMPARE(result.badAfmLines, (QList<int>{3, 4}));
        QCOMPARE(employeeCount(), 2);
        QCOMPARE(SkippedLinesText(result),
                 QStringLiteral("Παραλείφθηκαν 2 γραμμές με ΑΦΜ που δεν είναι μόνο ψηφία (γραμμές 3, 4)."));
    }

    // SQLite ends the transaction by itself after some failures (a full disk; here a trigger
    // that rolls back): the lines stored before are gone with it, and no later line may be
    // stored on its own.
    void aTransactionEndedByTheDatabaseStoresNothing() {
        if (TestOnPostgres())
            QSKIP("PostgreSQL ends a transaction only with the server, a case of the office's own tests");
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        folder.exec(QStringLiteral("Create Trigger Full Before Insert On Ergaz When New.Eafm='094019245' "
                                   "Begin Select Raise(Rollback,'database or disk is full'); End"));
        const AscImportResult result = ImportAscLines(threeEmployeeFile());
        QVERIFY(!result.status.ok());
        QVERIFY2(result.status.errorText.contains(QStringLiteral("disk is full")),
                 qPrintable(result.status.errorText));
        QCOMPARE(result.added, 0);
        QCOMPARE(employeeCount(), 0);
        // The connection is usable afterwards, and the next import stores the file.
        folder.exec(QStringLiteral("Drop Trigger Full"));
        QCOMPARE(ImportAscLines(threeEmployeeFile()).added, 3);
        QCOMPARE(employeeCount(), 3);
    }

    void aFailedStartStoresNothing() {
        // PostgreSQL takes a second Begin as the first one; a server gone at the start is a
        // case of the office's own tests.
        if (TestOnPostgres())
            QSKIP("SQLite refuses a transaction inside another");
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        DbConnection().transaction(); // a transaction cannot be started inside another one
        const AscImportResult result = ImportAscLines(threeEmployeeFile());
        DbConnection().rollback();
        QVERIFY(!result.status.ok());
        QCOMPARE(result.added, 0);
        QCOMPARE(employeeCount(), 0);
    }

private:
    static QStringList threeEmployeeFile() {
        return {AscHeadingLine(),
                AscEmployeeLine(1, QStringLiteral("ΑΛΕΞΙΟΥ"), QStringLiteral("ΜΑΡΙΑ"),
                                QStringLiteral("090000045")),
                AscEmployeeLine(2, QStringLiteral("ΒΑΣΙΛΕΙΟΥ"), {}, QStringLiteral("094019245")),
                AscEmployeeLine(3, QStringLiteral("ΓΕΩΡΓΙΟΥ"), QStringLiteral("ΝΙΚΟΣ"),
                                QStringLiteral("123456789")),
                AscTotalsLine(3)};
    }
};

QTEST_GUILESS_MAIN(AscImportTest)
#include "AscImportTest.moc"
