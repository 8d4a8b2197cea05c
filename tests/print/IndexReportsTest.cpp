#include "logic/print/IndexReports.h"
#include "ReportData.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/PrintJob.h"

#include <QTest>

using namespace ReportData;

// The two index reports built from a real database: their lines, titles and keys.
class IndexReportsTest : public QObject {
    Q_OBJECT

    // The entry lines of a job (layout 2) as "date afm".
    static QStringList entryLines(const PrintJob& job) {
        QStringList found;
        for (int i = 0; i < job.LineCount(); ++i) {
            if (ParseLineSuffix(job.line(i)).layout == 2)
                found << VisibleText(job.line(i)).left(24).simplified();
        }
        return found;
    }

    static EntryIndexRequest march(int sort = 0) {
        return {{}, {}, {}, QStringLiteral("01/03/2016"), QStringLiteral("31/03/2016"), sort};
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        QVERIFY(m_folder->openDatabase());
        AddMarch2016();
    }
    void cleanup() { m_folder.reset(); }

    void entriesByDateThenByAfm() {
        PrintJob job;
        QVERIFY(FillEntryIndex(job, march(0)));
        QCOMPARE(entryLines(job), QStringList({"01/03/2016 012345678", "01/03/2016 090000045",
                                               "02/03/2016 090000045", "15/03/2016 012345678"}));
        PrintJob byAfm;
        QVERIFY(FillEntryIndex(byAfm, march(1)));
        QCOMPARE(entryLines(byAfm), QStringList({"01/03/2016 012345678", "15/03/2016 012345678",
                                                 "01/03/2016 090000045", "02/03/2016 090000045"}));
    }

    void twoLinesPerEntryAndThreeWithRemarks() {
        PrintJob job;
        QVERIFY(FillEntryIndex(job, march(0)));
        QCOMPARE(job.LineCount(), 2 + 2 + 3 + 2);
        // The entry of 02/03 with its hours of two lines and its remarks.
        const QString entry = job.line(4);
        QCOMPARE(entry.size(), 161 + 5);
        QCOMPARE(entry.right(5), QStringLiteral("2    "));
        QCOMPARE(VisibleText(entry).trimmed(),
                 QStringLiteral("02/03/2016 090000045      ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"));
        QCOMPARE(job.line(5), QString(11, u' ') +
                                  QStringLiteral("08:00-16:00  17:00-19:00").leftJustified(150) +
                                  QStringLiteral("1    "));
        QCOMPARE(VisibleText(job.line(6)).trimmed(), QStringLiteral("Υπερωρία"));
        // All three lines lead to the employee and to the entry.
        for (int i = 4; i <= 6; ++i) {
            QCOMPARE(job.keyField(i, 0), QStringLiteral("090000045"));
            QCOMPARE(job.keys(i).mid(47), QStringLiteral("090000045     02/03/2016"));
        }
    }

    void titlesAndLayouts() {
        PrintJob job;
        QVERIFY(PrepareEntryIndex(job, march(0)));
        QCOMPARE(job.caption(),
                 QStringLiteral("Ευρετήριο Ηλεκτρονικών Αποστολών (Από:01/03/2016 Εως 31/03/2016)"));
        QVERIFY(!job.isColumnTitle(0));
        QCOMPARE(job.columnWidth(1, 0), 161);
        QCOMPARE(job.columnWidth(2, 0), 10);
        QCOMPARE(job.columnWidth(2, 1), 14);
        QCOMPARE(job.columnStart(2, 2), 27);
        QCOMPARE(job.columnWidth(2, 2), 31);
        QCOMPARE(job.bridgeForms().mid(0, 2), QStringList({"Ergaz", "Kins"}));
        QVERIFY(job.landscape());
        QCOMPARE(job.geometry().fontSize, 7.5);
        QVERIFY(job.Pdate() && job.Ppage());
        QCOMPARE(job.Pepon(), QStringLiteral("Tavrinex SA"));
    }

    void rangeAndMaskNarrowTheSelection() {
        PrintJob job;
        EntryIndexRequest request = march(0);
        request.afmFrom = QStringLiteral("05");
        QVERIFY(FillEntryIndex(job, request));
        QCOMPARE(entryLines(job), QStringList({"01/03/2016 090000045", "02/03/2016 090000045"}));

        request = march(0);
        request.mask = QStringLiteral("01*");
        QVERIFY(FillEntryIndex(job, request));
        QCOMPARE(entryLines(job), QStringList({"01/03/2016 012345678", "15/03/2016 012345678"}));

        // The upper bound takes every AFM that begins with it.
        request = march(1);
        request.afmFrom = QStringLiteral("01");
        request.afmTo = QStringLiteral("05");
        QVERIFY(FillEntryIndex(job, request));
        QCOMPARE(entryLines(job), QStringList({"01/03/2016 012345678", "15/03/2016 012345678"}));
    }

    void anEmptySelectionLeavesTheJobAlone() {
        PrintJob job;
        job.InitTitles({}, {});
        job.PutLine(QStringLiteral("kept1    "), {});
        EntryIndexRequest request = march(0);
        request.fromDate = QStringLiteral("01/05/2016");
        request.toDate = QStringLiteral("31/05/2016");
        QVERIFY(!FillEntryIndex(job, request));
        QCOMPARE(job.LineCount(), 1);
    }

    void entriesOfDeletedEmployeesAreLeftOut() {
        m_folder->exec(QStringLiteral("Delete From Ergaz Where Eafm='012345678'"));
        PrintJob job;
        QVERIFY(FillEntryIndex(job, march(0)));
        QCOMPARE(entryLines(job), QStringList({"01/03/2016 090000045", "02/03/2016 090000045"}));
    }

    void employeeIndexInTheOrderGiven() {
        const QList<Employee> employees = {
            {QStringLiteral("111111111"), QStringLiteral("ΒΑΣΙΛΕΙΟΥ ΚΩΝΣΤΑΝΤΙΝΟΣ ΤΟΥ ΓΕΩΡΓΙΟΥ"),
             QStringLiteral("12")},
            {QStringLiteral("012345678"), QStringLiteral("ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"), QStringLiteral("1")}};
        PrintJob job;
        QVERIFY(FillEmployeeIndex(job, employees));
        QCOMPARE(job.LineCount(), 2);
        // A name too long for its column is cut, so that the branch keeps its place.
        QCOMPARE(job.line(0), QStringLiteral("111111111      ") +
                                  QStringLiteral("ΒΑΣΙΛΕΙΟΥ ΚΩΝΣΤΑΝΤΙΝΟΣ ΤΟΥ ΓΕΩ ") +
                                  QStringLiteral("12   1    "));
        QCOMPARE(job.keys(1), QStringLiteral("012345678"));
        QCOMPARE(job.bridgeForms().first(), QStringLiteral("Ergaz"));
        QCOMPARE(job.bridgeCaptions().first(), QStringLiteral("Εργ/μενος"));

        QVERIFY(PrepareEmployeeIndex(job, employees));
        QVERIFY(!job.landscape());
        QCOMPARE(job.Pepon(), QStringLiteral("Tavrinex SA"));
        QCOMPARE(job.caption(), QStringLiteral("Ευρετήριο Εργαζομένων"));
        QCOMPARE(job.columnWidth(1, 1), 30);
        QCOMPARE(job.columnStart(1, 2), 47);
        QCOMPARE(VisibleText(job.line(0)).mid(46, 5), QStringLiteral("12   "));
        QCOMPARE(job.geometry().fontSize, 15.0);
        QVERIFY(!FillEmployeeIndex(job, {}));
        QCOMPARE(job.LineCount(), 2);
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
};

QTEST_MAIN(IndexReportsTest)
#include "IndexReportsTest.moc"
