// The column headings of a report stand over their columns: the PDF of each index report is
// read back and the x of every heading word is compared with the x of the values under it.
#include "PdfText.h"
#include "PreviewFixture.h"
#include "ReportData.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/PdfExport.h"
#include "windows/print/Lbprint.h"
#include "windows/print/Reports.h"

#include <QTest>

using namespace ReportData;
using namespace Qt::StringLiterals;

class ColumnGridTest : public QObject {
    Q_OBJECT

    PreviewFixture m_fx;
    std::unique_ptr<TestDataFolder> m_folder;

    // A heading word and a value of its column.
    struct Column {
        QString heading;
        QString value;
    };

    // Each heading starts at the x of its value, to within the tolerance (points).
    static void standOver(PdfText& page, const QList<Column>& columns, double tolerance) {
        for (const Column& column : columns) {
            const double heading = page.x(column.heading);
            const double value = page.x(column.value);
            QVERIFY2(heading > 0 && value > 0, qPrintable(column.heading + u' ' + column.value));
            QVERIFY2(qAbs(heading - value) <= tolerance,
                     qPrintable(u"%1 at %2 pt, %3 at %4 pt"_s.arg(column.heading)
                                    .arg(heading)
                                    .arg(column.value)
                                    .arg(value)));
        }
    }

    QString writePdf(Lbprint* preview) {
        const QString path = m_folder->file(u"Prt.pdf"_s);
        QString error;
        if (!preview || !WritePdf(preview->job(), path, &error))
            qWarning("no PDF: %s", qPrintable(error));
        return path;
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        QVERIFY(m_folder->openDatabase());
        m_fx.setUp();
        Program.WorkDate = QDate(2026, 12, 8);
    }
    void cleanup() {
        m_fx.tearDown();
        m_folder.reset();
    }

    void scheduleIndexHeadingsStandOverTheirValues() {
        AddMarch2016();
        Lbprint* preview = PrintEntryIndex({}, {}, {}, u"01/03/2016"_s, u"31/03/2016"_s, 0);
        QVERIFY(preview);
        PdfText page(writePdf(preview), 0);
        QVERIFY(page.loaded());
        // A quarter of a character of the 7.5-point font (0.6 em wide).
        const double quarter = 7.5 * 0.6 / 4;
        const QList<Column> columns{
            {u"Ημερομηνία"_s, u"02/03/2016"_s},
            {u"Α.Φ.Μ."_s, u"090000045"_s},
            {u"Εργαζόμενος"_s, u"ΠΑΠΑΔΟΠΟΥΛΟΣ"_s},
            // The hours line starts under the AFM column.
            {u"Α.Φ.Μ."_s, u"08:00-16:00"_s},
        };
        standOver(page, columns, quarter);
    }

    void employeeIndexHeadingsStandOverTheirValues() {
        const QList<Employee> employees{{u"012345678"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s, u"9876"_s},
                                        {u"090000045"_s, u"ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"_s, u"789"_s}};
        Lbprint* preview = PrintEmployeeIndex(employees);
        QVERIFY(preview);
        PdfText page(writePdf(preview), 0);
        QVERIFY(page.loaded());
        // The 52-column report has the automatic 15-point font.
        const double quarter = 15 * 0.6 / 4;
        const QList<Column> columns{
            {u"Α.Φ.Μ."_s, u"012345678"_s},
            {u"Ονοματεπώνυμο"_s, u"ΑΝΤΩΝΙΟΥ"_s},
            {u"Υποκ."_s, u"9876"_s},
            {u"Υποκ."_s, u"789"_s},
        };
        standOver(page, columns, quarter);
    }
};

QTEST_MAIN(ColumnGridTest)
#include "ColumnGridTest.moc"
