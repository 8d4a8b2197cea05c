#include "logic/print/PdfExport.h"
#include "ExportTestSupport.h"
#include "Golden.h"
#include "PdfText.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"

#include <QPdfDocument>
#include <QTest>

using namespace JobBuilder;
using namespace ExportTestSupport;
using namespace Qt::StringLiterals;

// The PDF of a report, read back with Qt PDF: its pages, their orientation and their text.
class PdfExportTest : public QObject {
    Q_OBJECT

    // 100 lines "Γραμμή n" under the title "ΚΑΤΑΣΤΑΣΗ ΑΠΟΣΤΟΛΩΝ" and one column, 20 rows a page:
    // the date and page row, the two titles and their rules take five rows and a page holds
    // 14 lines, so the report has 8 pages.
    static void fill(PrintJob& job, int width) {
        job.InitTitles({}, {});
        for (int i = 0; i < 100; ++i)
            job.PutLine(Line(u"Γραμμή %1"_s.arg(i), width), {});
        job.FixTitles(u"ΚΑΤΑΣΤΑΣΗ ΑΠΟΣΤΟΛΩΝ"_s, 0, 0);
        job.FixTitles(u"ΠΕΡΙΓΡΑΦΗ"_s.leftJustified(width - 1) + u'|', 1, 1);
        job.Initprint(width, 2, 10, 20, true, true, false, {}, {}, {});
    }

    // Pages of the PDF with their text, and whether each is wider than high.
    struct Read {
        int pages = -1;
        QStringList text;
        QList<bool> landscape;
    };
    static Read read(const QString& path) {
        QPdfDocument pdf;
        Read result;
        if (pdf.load(path) != QPdfDocument::Error::None)
            return result;
        result.pages = pdf.pageCount();
        for (int p = 0; p < pdf.pageCount(); ++p) {
            result.text << pdf.getAllText(p).text();
            const QSizeF size = pdf.pagePointSize(p);
            result.landscape << (size.width() > size.height());
        }
        return result;
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        Program.WorkDate = QDate(2026, 12, 8);
    }
    void cleanup() { m_folder.reset(); }

    // Each page holds the date, its number and the titles, and breaks where the preview
    // breaks it: "Γραμμή 0" to "Γραμμή 13" on the first page, 14 lines on each.
    void onePdfPagePerReportPageWithItsText() {
        PrintJob job;
        fill(job, 40);
        const QString path = m_folder->file(u"Prt.pdf"_s);
        QString error;
        int pages = 0;
        QVERIFY2(WritePdf(job, path, &error, &pages), qPrintable(error));
        QCOMPARE(pages, 8);
        GOLDEN_COMPARE(PdfWords(path), u"print/pdf/eight-portrait-pages.txt"_s);
        PrintJob preview;
        fill(preview, 40);
        preview.lastPage();
        QCOMPARE(preview.CurrentPage(), pages);
        // The report font goes into the file.
        const QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.contains("/FontFile2"));
        QVERIFY(bytes.contains("LiberationMono"));
    }

    void aWideReportGivesLandscapePages() {
        PrintJob job;
        fill(job, 133);
        const QString path = m_folder->file(u"wide.pdf"_s);
        QVERIFY(WritePdf(job, path, nullptr));
        const Read pdf = read(path);
        QVERIFY(pdf.pages > 0);
        QCOMPARE(pdf.landscape, QList<bool>(pdf.pages, true));
    }

    void aZoomedPreviewIsExportedAtItsNormalSize() {
        PrintJob job;
        fill(job, 40);
        job.firstPage();
        job.nextPage();
        QVERIFY(job.zoomIn());
        QVERIFY(job.zoomIn());
        job.nextPage();
        const int shownPage = job.CurrentPage();
        const QString path = m_folder->file(u"zoomed.pdf"_s);
        QVERIFY(WritePdf(job, path, nullptr));
        QCOMPARE(read(path).pages, 8);
        // The preview stays as it was.
        QCOMPARE(job.ZoomLevel(), 2);
        QCOMPARE(job.CurrentPage(), shownPage);
    }

    void theMenuExportProposesPrtPdfAndReportsTheFile() {
        PrintJob job;
        fill(job, 40);
        const QString path = m_folder->file(u"Αναφορά.pdf"_s);
        m_dialogs->fileNames = {path};
        QCOMPARE(ExportToPdf(job, true), path);
        QCOMPARE(m_dialogs->fileRequests.size(), 1);
        QCOMPARE(m_dialogs->fileRequests.first().title, u"Ονομα αρχείου εξόδου"_s);
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, m_folder->file(u"Prt.pdf"_s));
        QCOMPARE(m_dialogs->numbers(), QList<int>{43});
        QCOMPARE(read(path).pages, 8);
        QCOMPARE(Program.OutputFileName, path);

        // From the e-mail export: no message; the last folder is proposed again.
        m_dialogs->clear();
        Program.LastExportFolder = m_folder->file(u"out/"_s);
        QDir().mkpath(Program.LastExportFolder);
        m_dialogs->fileNames = {m_folder->file(u"out/mail.pdf"_s)};
        QCOMPARE(ExportToPdf(job, false), m_folder->file(u"out/mail.pdf"_s));
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, m_folder->file(u"out/Prt.pdf"_s));
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    void noNameChosenWritesNothingAndSaysNothing() {
        PrintJob job;
        fill(job, 40);
        QCOMPARE(ExportToPdf(job, true), QString());
        QVERIFY(m_dialogs->boxes.isEmpty());
        QVERIFY(Program.OutputFileName.isEmpty());
        QVERIFY(!QFile::exists(m_folder->file(u"Prt.pdf"_s)));
    }

    void aFileThatCannotBeWrittenIsReported() {
        PrintJob job;
        fill(job, 40);
        m_dialogs->fileNames = {m_folder->file(u"missing/Prt.pdf"_s)};
        QCOMPARE(ExportToPdf(job, true), QString());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Critical);
        QVERIFY(!m_dialogs->wasShown(43));
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_MAIN(PdfExportTest)
#include "PdfExportTest.moc"
