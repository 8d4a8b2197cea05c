// Hours and remarks typed on two lines in the entry form stay on one line of the index
// report, the two lines two blanks apart, in the report itself and in every export of it.
#include "../records/RecordWindows.h"
#include "ExportTestSupport.h"
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
        RecordWindows::typeAndLeave(form->findChild<QLineEdit*>(u"Eafm"_s), u"094019245"_s);
        RecordWindows::typeAndLeave(form->findChild<QLineEdit*>(u"Kdate"_s), u"07"_s);
        auto* korario = form->findChild<QPlainTextEdit*>(u"Korario"_s);
        auto* kparat = form->findChild<QPlainTextEdit*>(u"Kparat"_s);
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

        QBuffer text;
        text.open(QIODevice::WriteOnly);
        WriteTextExport(job, ImportTextFile, WindowsGreek, text);
        QVERIFY(text.data().contains(Cp1253(u"           "_s + hours + u' ')));
        QVERIFY(text.data().contains(Cp1253(u"           "_s + remarks + u' ')));

        const QString docx = m_windows->folder().file(u"Prt.docx"_s);
        QString error;
        QVERIFY2(WriteWordDocument(job, docx, &error), qPrintable(error));
        const QByteArray document = ReadZip(docx).data.value(u"word/document.xml"_s);
        QVERIFY(document.contains(hours.toUtf8()));
        QVERIFY(document.contains(remarks.toUtf8()));
        QVERIFY(!document.contains("16:0017:00"));

        const QString xlsx = m_windows->folder().file(u"Prt.xlsx"_s);
        QVERIFY2(WriteExcelWorkbook(job, xlsx, &error), qPrintable(error));
        const ZipContents workbook = ReadZip(xlsx);
        const QByteArray cells = workbook.data.value(u"xl/worksheets/sheet1.xml"_s) +
                                 workbook.data.value(u"xl/sharedStrings.xml"_s);
        QVERIFY(cells.contains(hours.toUtf8()));
        QVERIFY(cells.contains(remarks.toUtf8()));

        const QString pdfPath = m_windows->folder().file(u"Prt.pdf"_s);
        QVERIFY2(WritePdf(job, pdfPath, &error), qPrintable(error));
        // In the PDF the second line of the hours stands on the row of the first, two blanks on.
        PdfText page(pdfPath, 0);
        QVERIFY(page.loaded());
        const QRectF first = page.box(u"08:00-16:00"_s);
        const QRectF second = page.box(u"17:00-19:00"_s);
        QVERIFY2(!first.isNull() && !second.isNull(), qPrintable(page.text()));
        QVERIFY(qAbs(first.top() - second.top()) < 1);
        const double advance = (second.left() - first.left()) / 13;
        QVERIFY2(advance > 7.5 * 0.55 && advance < 7.5 * 0.65, qPrintable(QString::number(advance)));
        QVERIFY(qAbs(page.x(u"Σάββατο"_s) - page.x(u"Υπερωρία"_s) - 10 * advance) < advance / 4);
    }
};

QTEST_MAIN(EntryLineBreakTest)
#include "EntryLineBreakTest.moc"
