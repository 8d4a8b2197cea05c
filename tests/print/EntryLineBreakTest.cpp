// Hours and remarks typed on two lines in the entry form stay on one line of the index
// report, the two lines two blanks apart, in the report itself and in every export of it.
#include "../records/RecordWindows.h"
#include "Controls.h"
#include "ExportTestSupport.h"
#include "Golden.h"
#include "OfficeFiles.h"
#include "PdfText.h"
#include "logic/print/ExcelExport.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PdfExport.h"
#include "logic/print/TextExport.h"
#include "logic/print/WordExport.h"
#include "windows/print/Lbprint.h"
#include "windows/print/Reports.h"
#include "windows/records/Kins.h"

#include <QBuffer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace ExportTestSupport;
using namespace Qt::StringLiterals;
using Golden::IndentedXml;

class EntryLineBreakTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordWindows> m_windows;

    // Types lines into a multi-line box, pressing Enter between them.
    static void typeLines(QPlainTextEdit* box, const QStringList& lines) {
        box->setFocus();
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            RecordWindows::typeText(box, lines[i]);
        }
    }

    // The visible text of the report lines, trimmed.
    static QStringList reportLines(const PrintJob& job) {
        QStringList lines;
        for (int i = 0; i < job.LineCount(); ++i)
            lines << VisibleText(job.line(i)).trimmed();
        return lines;
    }

private slots:
    void init() {
        m_windows = std::make_unique<RecordWindows>(QDate(2016, 3, 10));
        RecordWindows::addEmployee(u"094019245"_s, u"ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ"_s, u"7"_s);
    }
    void cleanup() { m_windows.reset(); }

    void twoTypedLinesPrintAsOneLineEverywhere() {
        auto* form = m_windows->open<Kins>(u"Kins"_s);
        QVERIFY(form);
        RecordWindows::typeAndLeave(Controls::LineEdit(form, "Eafm"), u"094019245"_s);
        RecordWindows::typeAndLeave(Controls::LineEdit(form, "Kdate"), u"07"_s);
        auto* korario = Controls::TextBox(form, "Korario");
        auto* kparat = Controls::TextBox(form, "Kparat");
        typeLines(korario, {u"08:00-16:00"_s, u"17:00-19:00"_s});
        typeLines(kparat, {u"Υπερωρία"_s, u"Σάββατο"_s});
        QTest::keyClick(kparat, Qt::Key_F10);
        QVERIFY(m_windows->dialogs().boxes.isEmpty());
        // What the user typed is stored as typed: a bare line feed between the lines.
        QCOMPARE(SelectEntry(u"094019245"_s, u"20160307"_s)->Korario, u"08:00-16:00\n17:00-19:00"_s);
        // Line breaks of the other kinds, as an older file or an import may hold them.
        RecordWindows::addEntry(u"094019245"_s, u"20160308"_s, u"07:00-11:00\r12:00-15:00"_s);
        RecordWindows::addEntry(u"094019245"_s, u"20160309"_s, u"06:00-10:00\r\n\r\n11:00-14:00"_s);

        Lbprint* preview = PrintEntryIndex({}, {}, {}, u"01/03/2016"_s, u"31/03/2016"_s, 0);
        QVERIFY(preview);
        const PrintJob& job = preview->job();
        const QString hours = u"08:00-16:00  17:00-19:00"_s;
        const QString remarks = u"Υπερωρία  Σάββατο"_s;
        QCOMPARE(reportLines(job), (QStringList{u"07/03/2016 094019245      ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ"_s, hours,
                                                remarks, u"08/03/2016 094019245      ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ"_s,
                                                u"07:00-11:00  12:00-15:00"_s,
                                                u"09/03/2016 094019245      ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ"_s,
                                                u"06:00-10:00    11:00-14:00"_s}));
        for (int i = 0; i < job.LineCount(); ++i) {
            QCOMPARE(job.line(i).size(), 161 + 5);
            QVERIFY(!job.line(i).contains(u'\n') && !job.line(i).contains(u'\r'));
        }
        // The hours stand in one column, under the AFM.
        QCOMPARE(job.line(1).indexOf(hours), 11);

        // Every export writes each entry's lines so: the import file byte for byte, the Word
        // document's and the sheet's XML, the PDF's words where they stand (the second line of
        // the hours on the row of the first, two blanks on).
        QBuffer text;
        text.open(QIODevice::WriteOnly);
        WriteTextExport(job, ImportTextFile, WindowsGreek, text);
        GOLDEN_COMPARE(text.data(), u"print/line-breaks/index.asc"_s, Golden::ShownAs::Windows1253);

        QString error;
        const QString docx = m_windows->folder().file(u"Prt.docx"_s);
        QVERIFY2(WriteWordDocument(job, docx, &error), qPrintable(error));
        GOLDEN_COMPARE(IndentedXml(ReadZip(docx).data.value(u"word/document.xml"_s)),
                       u"print/line-breaks/index.docx.xml"_s);

        const QString xlsx = m_windows->folder().file(u"Prt.xlsx"_s);
        QVERIFY2(WriteExcelWorkbook(job, xlsx, &error), qPrintable(error));
        GOLDEN_COMPARE(IndentedXml(ReadZip(xlsx).data.value(u"xl/worksheets/sheet1.xml"_s)),
                       u"print/line-breaks/index.xlsx.xml"_s);

        const QString pdf = m_windows->folder().file(u"Prt.pdf"_s);
        QVERIFY2(WritePdf(job, pdf, &error), qPrintable(error));
        GOLDEN_COMPARE(PdfWords(pdf), u"print/line-breaks/index.pdf.txt"_s);
    }
};

QTEST_MAIN(EntryLineBreakTest)
#include "EntryLineBreakTest.moc"
