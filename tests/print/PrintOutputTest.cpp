#include "logic/print/PrintOutput.h"
#include "Golden.h"
#include "JobBuilder.h"
#include "PdfText.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/PrintJob.h"

#include <QPdfDocument>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace JobBuilder;

// The job on a paged device, here a PDF writer read back with Qt PDF.
class PrintOutputTest : public QObject {
    Q_OBJECT

    QString m_file;
    QTemporaryDir m_dir;

    static void fill(PrintJob& job, int lines, double fontSize, int plen = 40) {
        FillNumbered(job, lines, plen);
        job.Initprint(plen, 2, fontSize, 0, true, true, false, {}, QStringLiteral("Tavrinex SA"), {});
    }

    int pages() {
        QPdfDocument document;
        return document.load(m_file) == QPdfDocument::Error::None ? document.pageCount() : -1;
    }
    QString text(int page) {
        QPdfDocument document;
        document.load(m_file);
        return document.getAllText(page).text();
    }

private slots:
    void init() {
        ResetProgramValues();
        Program.WorkDate = QDate(2016, 3, 5);
        Program.Colours = ColourSettings::defaults();
        m_file = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    }

    void thePreparedSheetHoldsThePreviewPage() {
        for (const bool landscape : {false, true}) {
            QPdfWriter writer(m_file);
            PrepareDevicePage(writer, landscape);
            PrintJob job;
            fill(job, 1, 0, landscape ? 150 : 52);
            const PageGeometry g = DeviceGeometry(job, writer);
            QCOMPARE(g.width, landscape ? 16350.0 : 11435.0);
            QCOMPARE(g.height, landscape ? 11435.0 : 16350.0);
            QCOMPARE(g.fontSize, job.geometry().fontSize);
        }
    }

    void theFontIsTheAutomaticOneUnlessTheJobsIsLarger() {
        QPdfWriter writer(m_file);
        PrepareDevicePage(writer, false);
        PrintJob job;
        fill(job, 1, 10); // the preview shows 10 points
        QCOMPARE(job.geometry().fontSize, 10.0);
        QCOMPARE(DeviceGeometry(job, writer).fontSize, 20.0); // the page takes 20 for 40 columns
        fill(job, 1, 24);
        QCOMPARE(DeviceGeometry(job, writer).fontSize, 24.0);
        QCOMPARE(DeviceGeometry(job, writer).charWidth, 312);
    }

    void allPagesAndARange() {
        PrintJob job;
        fill(job, 300, 0);
        job.lastPage();
        const int shown = job.CurrentPage();
        QVERIFY(shown >= 5);
        {
            QPdfWriter writer(m_file);
            PrepareDevicePage(writer, false);
            QCOMPARE(PrintJobPages(job, writer, true), shown);
        }
        QCOMPARE(pages(), shown);
        QVERIFY(text(0).contains(QStringLiteral("Line 0")));
        QVERIFY(text(shown - 1).contains(QStringLiteral("Line 299")));
        // Printing leaves the preview's page alone.
        QCOMPARE(job.CurrentPage(), shown);
        {
            QPdfWriter writer(m_file);
            PrepareDevicePage(writer, false);
            QCOMPARE(PrintJobPages(job, writer, false, 2, 3), 2);
        }
        // Pages 2 and 3 as the preview shows them: their numbers, their lines where they stand.
        GOLDEN_COMPARE(PdfWords(m_file), QStringLiteral("print/printer/pages-2-and-3.txt"));
    }

    void aRangeWithoutPagesOpensNothing() {
        PrintJob job;
        fill(job, 20, 0);
        {
            QPdfWriter writer(m_file);
            QCOMPARE(PrintJobPages(job, writer, false, 3, 2), 0);
        }
        QVERIFY(!QFile::exists(m_file) || QFileInfo(m_file).size() == 0);
    }
};

QTEST_MAIN(PrintOutputTest)
#include "PrintOutputTest.moc"
