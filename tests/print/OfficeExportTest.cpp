#include "ExportTestSupport.h"
#include "Golden.h"
#include "OfficeFiles.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/ExcelExport.h"
#include "logic/print/WordExport.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace JobBuilder;
using namespace ExportTestSupport;
using namespace Qt::StringLiterals;
using Golden::IndentedXml;

// The Word and Excel files of the preview's export, read back from their zip parts.
class OfficeExportTest : public QObject {
    Q_OBJECT

    // n plain lines "Γραμμή i" of width w, one title.
    static void fillNumbered(PrintJob& job, int n, int width, const QList<QChar>& markers = {}) {
        job.InitTitles({}, {});
        for (int i = 1; i <= n; ++i) {
            const QChar marker = i <= markers.size() ? markers[i - 1] : u' ';
            job.PutLine(Line(u"Γραμμή %1"_s.arg(i), width, 1, marker), {});
        }
        job.FixTitles(u"ΚΑΤΑΣΤΑΣΗ"_s, 0, 0);
        job.Initprint(width, 1, 0, 0, false, true, false, {}, {}, {});
    }

    static QString line(int i, int width) { return u"Γραμμή %1"_s.arg(i).leftJustified(width - 1); }

    ZipContents writeWord(const PrintJob& job) {
        const QString path = m_folder->file(u"Prt.docx"_s);
        QString error;
        if (!WriteWordDocument(job, path, &error))
            return ZipContents{{}, {}, error, {}};
        return ReadZip(path);
    }

    ZipContents writeExcel(const PrintJob& job) {
        const QString path = m_folder->file(u"Prt.xlsx"_s);
        QString error;
        if (!WriteExcelWorkbook(job, path, &error))
            return ZipContents{{}, {}, error, {}};
        return ReadZip(path);
    }

    // A report with three columns: name (bold), amount and code (italic).
    static void fillColumns(PrintJob& job) {
        job.InitTitles({}, {});
        const auto row = [](const QString& name, const QString& amount, const QString& code,
                            QChar marker = u' ') {
            return Line(name.leftJustified(16) + u' ' + amount.rightJustified(11) + u' ' +
                            code.leftJustified(8),
                        38, 1, marker);
        };
        job.PutLine(row(u"ΠΑΠΑΔΟΠΟΥΛΟΣ"_s, u"1.234,50"_s, u"12345"_s), {});
        job.PutLine(row(u"ΝΙΚΟΛΑΟΥ"_s, u"-12,00"_s, u"7,5 ώρες"_s), {});
        job.PutLine(Line(QString(), 38, 1, u'^'), {});
        job.PutLine(row(u"Α & Β <ΟΕ>"_s, u"100.000,01"_s, u"1,2,3"_s), {});
        job.FixTitles(u"ΚΑΤΑΣΤΑΣΗ ΠΟΣΩΝ"_s, 0, 0);
        job.FixTitles(u"ΟΝΟΜΑ           |       ΠΟΣΟ|ΚΩΔΙΚΟΣ |"_s, 1, 1, {1, 0, 2});
        job.Initprint(38, 2, 0, 0, true, true, false, {}, {}, {});
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        InstallFixedClock(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        Program.WorkDate = QDate(2026, 12, 8);
    }
    void cleanup() { m_folder.reset(); }

    void theDocumentIsAZipOfOfficeParts() {
        PrintJob job;
        fillNumbered(job, 3, 52);
        const ZipContents zip = writeWord(job);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        QCOMPARE(zip.names.first(), u"[Content_Types].xml"_s);
        for (const QString& entryName : {u"_rels/.rels"_s, u"word/document.xml"_s, u"word/styles.xml"_s,
                                         u"word/_rels/document.xml.rels"_s, u"docProps/core.xml"_s}) {
            QVERIFY2(zip.names.contains(entryName), qPrintable(entryName));
            QXmlStreamReader reader(zip.data[entryName]);
            while (!reader.atEnd())
                reader.readNext();
            QVERIFY2(!reader.hasError(), qPrintable(entryName + u": "_s + reader.errorString()));
        }
        QVERIFY(zip.data[u"[Content_Types].xml"_s].contains("/word/document.xml"));
        // The file ends with the zip's end record (office programs refuse padding after it).
        const QByteArray bytes = ReadAll(m_folder->file(u"Prt.docx"_s));
        QVERIFY(bytes.size() > 22);
        QCOMPARE(bytes.right(22).left(4), QByteArray("PK\x05\x06"));
        QVERIFY(zip.data[u"docProps/core.xml"_s].contains("ΚΑΤΑΣΤΑΣΗ"));
    }

    // Width 52: Courier New 15, 17 points a line, 42 lines between the margins of 60 points.
    // Each page: the page number line, the title, its rule and 39 lines (the last page 2).
    void aNarrowReportIsPortraitWithLargeLettersAndShortPages() {
        const WordPage page = WordPageFor(52);
        QCOMPARE(page.landscape, false);
        QCOMPARE(page.fontSize, 15);
        QCOMPARE(page.capacity, 42);

        PrintJob job;
        fillNumbered(job, 80, 52);
        const ZipContents zip = writeWord(job);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        QVERIFY(zip.data[u"word/styles.xml"_s].contains(R"(<w:sz w:val="30"/>)"));
        QVERIFY(zip.data[u"word/styles.xml"_s].contains(R"(w:ascii="Courier New")"));
        GOLDEN_COMPARE(IndentedXml(zip.data[u"word/document.xml"_s]), u"print/word/80-lines-portrait.xml"_s);
    }

    void aWideReportIsLandscape() {
        const WordPage page = WordPageFor(133);
        QCOMPARE(page.landscape, true);
        QCOMPARE(page.fontSize, 8);
        QCOMPARE(page.capacity, 52);
        QCOMPARE(WordPageFor(132).landscape, false);

        PrintJob job;
        fillNumbered(job, 60, 133);
        const WordDocument doc = ReadWordDocument(writeWord(job).data[u"word/document.xml"_s]);
        QCOMPARE(doc.pageSize.value(u"w:orient"_s), u"landscape"_s);
        QCOMPARE(doc.pageSize.value(u"w:w"_s).toInt(), 16838);
        QCOMPARE(doc.pageSize.value(u"w:h"_s).toInt(), 11906);
        QCOMPARE(doc.breaks().size(), 1);
        QCOMPARE(doc.paragraphs[doc.breaks().first() - 1].text, line(49, 133));
    }

    // Every page of the document holds no more lines, its header and titles included, than
    // the height between its own margins takes at the line height of its font, and a full
    // page could not take one more.
    void wordPagesHoldWhatFitsOnThem_data() {
        QTest::addColumn<int>("width");
        for (const int width : {52, 80, 132, 133, 161})
            QTest::addRow("%d columns", width) << width;
    }
    void wordPagesHoldWhatFitsOnThem() {
        QFETCH(int, width);
        // The schedule index's header: date and page, the title and its rule, a blank layout
        // line (not written) and the column headings with their rule.
        PrintJob job;
        job.InitTitles({}, {});
        for (int i = 1; i <= 200; ++i)
            job.PutLine(Line(u"Γραμμή %1"_s.arg(i), width, 1, i % 7 == 0 ? u'^' : u' '), {});
        job.FixTitles(u"ΕΥΡΕΤΗΡΙΟ"_s, 0, 0);
        job.FixTitles(QString(width - 1, u' ') + u'|', 1, 1);
        job.FixTitles(u"Ημερομηνία|Α.Φ.Μ.        |"_s, 2, 1);
        job.Initprint(width, 3, 0, 0, true, true, false, {}, {}, {});
        const ZipContents zip = writeWord(job);
        const WordDocument doc = ReadWordDocument(zip.data[u"word/document.xml"_s]);
        QVERIFY2(doc.error.isEmpty(), qPrintable(doc.error));

        const double usable = (doc.pageSize.value(u"w:h"_s).toInt() - doc.margins.value(u"w:top"_s).toInt() -
                               doc.margins.value(u"w:bottom"_s).toInt()) /
                              20.0;
        const QByteArray styles = zip.data[u"word/styles.xml"_s];
        const qsizetype at = styles.indexOf("<w:sz w:val=\"");
        QVERIFY(at >= 0);
        const double fontSize = styles.mid(at + 13, styles.indexOf('"', at + 13) - at - 13).toInt() / 2.0;
        const double lineHeight = TextLineHeight(fontSize) / 20;

        QList<int> starts = doc.breaks();
        starts.prepend(0);
        starts << int(doc.paragraphs.size());
        QVERIFY(starts.size() >= 4); // at least three pages
        for (int p = 0; p + 1 < starts.size(); ++p) {
            const int lines = starts[p + 1] - starts[p];
            QVERIFY2(lines * lineHeight <= usable,
                     qPrintable(u"page %1: %2 lines of %3 pt in %4 pt"_s.arg(p + 1)
                                    .arg(lines)
                                    .arg(lineHeight)
                                    .arg(usable)));
            // A page before the last is full: a line and its rule would not have fitted.
            if (p + 2 < starts.size())
                QVERIFY2((lines + 2) * lineHeight > usable,
                         qPrintable(u"page %1: %2 lines"_s.arg(p + 1).arg(lines)));
        }
        QCOMPARE(doc.paragraphs[1].text.trimmed(), u"ΕΥΡΕΤΗΡΙΟ"_s);
    }

    // Line 1 ends its page, 2 repeats the title, 3 has a rule under it; line 5, the last, ends
    // no page: no empty page after it.
    void rowMarkersInTheDocument() {
        PrintJob job;
        fillNumbered(job, 5, 40, {u'#', u'@', u'^', u' ', u'#'});
        GOLDEN_COMPARE(IndentedXml(writeWord(job).data[u"word/document.xml"_s]),
                       u"print/word/row-markers.xml"_s);
    }

    void textIsEscapedAndKeepsItsBlanks() {
        PrintJob job;
        fillColumns(job);
        const QByteArray xml = writeWord(job).data[u"word/document.xml"_s];
        const WordDocument doc = ReadWordDocument(xml);
        QVERIFY2(doc.error.isEmpty(), qPrintable(doc.error));
        const int at = doc.find(VisibleText(job.line(3)).left(37));
        QVERIFY(at >= 0);
        QVERIFY(doc.paragraphs[at].text.startsWith(u"Α & Β <ΟΕ>      "_s));
        QVERIFY(xml.contains("Α &amp; Β &lt;ΟΕ&gt;"));
    }

    void wordExportAsksForTheFileAndReplacesAnOldOne() {
        PrintJob job;
        fillNumbered(job, 2, 40);
        const QString path = m_folder->file(u"Έκθεση.docx"_s);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        m_dialogs->fileNames = {path};
        m_dialogs->answers = {MsgAnswer::Ok};
        ExportToWord(job);
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, m_folder->file(u"Prt.docx"_s));
        QCOMPARE(m_dialogs->boxes.size(), 2);
        QCOMPARE(m_dialogs->boxes.first().text, u"To αρχείο υπάρχει ήδη."_s);
        QCOMPARE(m_dialogs->boxes.last().text, u"Η μεταφορά ολοκληρώθηκε."_s);
        const ZipContents zip = ReadZip(path);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        QCOMPARE(ReadWordDocument(zip.data[u"word/document.xml"_s]).paragraphs.last().text, line(2, 40));
    }

    // Row 1 holds the column titles (the report title has no columns); "1.234,50" is the number
    // 1234.5, "12345" has no comma and stays text, as does a comma in words; the rule row is a
    // row of its own, empty.
    void theSheetHoldsRedHeadersAndTypedCells() {
        PrintJob job;
        fillColumns(job);
        const ZipContents zip = writeExcel(job);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        GOLDEN_COMPARE(IndentedXml(zip.data[u"xl/worksheets/sheet1.xml"_s]),
                       u"print/excel/three-columns.xml"_s);
        const Workbook book = ReadWorkbook(zip);
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));

        // The column titles red, bold, Courier New 10.
        for (const QString& ref : {u"A1"_s, u"B1"_s, u"C1"_s}) {
            const CellFormat f = book.format(ref);
            QVERIFY2(f.bold, qPrintable(ref));
            QCOMPARE(f.colour, u"FFFF0000"_s);
            QCOMPARE(f.font, u"Courier New"_s);
            QCOMPARE(f.size, u"10"_s);
        }
        // Numbers right-aligned with two decimals; text left-aligned and in its column's style.
        QCOMPARE(book.format(u"B2"_s).numberFormat, u"#,###,##0.00"_s);
        QCOMPARE(book.format(u"B2"_s).align, u"right"_s);
        QCOMPARE(book.format(u"C2"_s).numberFormat, u"@"_s);
        QCOMPARE(book.format(u"C2"_s).align, u"left"_s);
        QVERIFY(book.format(u"C2"_s).italic);
        // The name column is bold and not red.
        QVERIFY(book.format(u"A2"_s).bold);
        QVERIFY(book.format(u"A2"_s).colour != u"FFFF0000"_s);

        // A:Z are as wide as their longest text, the whole sheet is text.
        QVERIFY(book.width(1) > book.width(3));
        QVERIFY(book.width(1) >= 12);
        QVERIFY(book.width(2) >= 10);           // "100.000,01"
        QVERIFY(book.width(4) < book.width(3)); // no text: the default width
        QCOMPARE(book.width(4), book.width(26));
        for (const QXmlStreamAttributes& col : book.columns)
            QCOMPARE(book.formats.value(col.value(u"style"_s).toInt()).numberFormat, u"@"_s);
        QCOMPARE(book.columns.last().value(u"max"_s).toInt(), 16384);
    }

    // Every part of a workbook whose columns use every style the report knows: bold, italic,
    // underlined and framed columns, numbers among them, the characters XML escapes, a blank
    // row, a control character and a tab. The parts are those office programs read, in the
    // order they are written.
    void theWorkbookPartsOfEveryStyle() {
        PrintJob job;
        job.InitTitles({}, {});
        const auto row = [](const QStringList& cells, QChar marker = u' ') {
            QString text;
            for (const QString& cell : cells)
                text += cell.leftJustified(10, u' ', true) + u' ';
            return Line(text, 99, 1, marker);
        };
        job.PutLine(row({u"ΕΝΤΟΝΑ"_s, u"πλάγια"_s, u"υπογρ."_s, u"πλαίσιο"_s, u"έντ.πλ."_s, u"πλάγ.πλ."_s,
                         u"υπογ.πλ."_s, u"1.234,50"_s, u"A & <B>"_s}),
                    {});
        job.PutLine(row({u"\"ναι\""_s, u"'όχι'"_s, u"-0,75"_s, u"7,5 ώρες"_s, u"α\tβ"_s, u"γ\u0001δ"_s,
                         u"12345"_s, u"0,00"_s, u"ΤΕΛΟΣ"_s},
                        u'%'),
                    {});
        job.PutLine(Line(QString(), 99, 1, u'^'), {});
        job.PutLine(row({{}, {}, {}, {}, {}, {}, {}, {}, u"μόνο εδώ"_s}), {});
        job.FixTitles(u"ΟΛΑ ΤΑ ΣΤΥΛ"_s, 0, 0);
        QString heading;
        for (const QString& title : {u"ΕΝΤΟΝΑ"_s, u"ΠΛΑΓΙΑ"_s, u"ΥΠΟΓΡ."_s, u"ΠΛΑΙΣΙΟ"_s, u"ΕΝΤ.ΠΛ."_s,
                                     u"ΠΛΑΓ.ΠΛ."_s, u"ΥΠΟΓ.ΠΛ."_s, u"ΠΟΣΟ"_s, u"ΚΕΙΜΕΝΟ"_s})
            heading += title.leftJustified(10) + u'|';
        job.FixTitles(heading, 1, 1, {1, 2, 3, 4, 5, 6, 7, 0, 0});
        job.Initprint(99, 2, 0, 0, true, true, false, {}, {}, {});

        const ZipContents zip = writeExcel(job);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        const QStringList parts = {u"[Content_Types].xml"_s,
                                   u"_rels/.rels"_s,
                                   u"xl/_rels/workbook.xml.rels"_s,
                                   u"xl/worksheets/sheet1.xml"_s,
                                   u"xl/workbook.xml"_s,
                                   u"xl/theme/theme1.xml"_s,
                                   u"xl/styles.xml"_s,
                                   u"docProps/core.xml"_s,
                                   u"docProps/app.xml"_s};
        QCOMPARE(zip.names, parts);
        for (const QString& part : parts) {
            QString golden = part;
            golden.replace(u'/', u'-').remove(u'[').remove(u']');
            GOLDEN_COMPARE(IndentedXml(zip.data[part]), u"print/excel/every-style/"_s + golden);
        }
    }

    // A sheet of many rows goes through a file of its own before it is packed: every row
    // arrives, in its order, and the sheet's dimension covers them.
    void aLongSheetKeepsEveryRow() {
        PrintJob job;
        job.InitTitles({}, {});
        constexpr int Rows = 12000;
        for (int i = 1; i <= Rows; ++i)
            job.PutLine(Line(u"Γραμμή %1 & <%2>"_s.arg(i).arg(i % 7), 40), {});
        job.FixTitles(u"ΚΑΤΑΣΤΑΣΗ"_s, 0, 0);
        job.FixTitles(QString(40, u' ') + u'|', 1, 1);
        job.Initprint(40, 2, 0, 0, false, true, false, {}, {}, {});
        const ZipContents zip = writeExcel(job);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        QVERIFY(zip.data[u"xl/worksheets/sheet1.xml"_s].size() > 1 << 20);
        const Workbook book = ReadWorkbook(zip);
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
        QCOMPARE(book.cells.size(), Rows);
        for (int i : {1, 5000, 5001, Rows})
            QCOMPARE(book.text(u"A%1"_s.arg(i)), u"Γραμμή %1 & <%2>"_s.arg(i).arg(i % 7));
        QVERIFY(zip.data[u"xl/worksheets/sheet1.xml"_s].contains("<dimension ref=\"A1:XFD12000\"/>"));
    }

    // The same report at the same time of the program's clock makes the same file: the
    // parts are dated as office programs date them, the document by the clock alone.
    void theFilesCarryNoTimeButTheClocks() {
        PrintJob job;
        fillColumns(job);
        const QByteArray created =
            "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" +
            QDateTime(QDate(2026, 12, 8), QTime(9, 0)).toUTC().toString(Qt::ISODate).toLatin1();
        for (const ZipContents& zip : {writeWord(job), writeExcel(job)}) {
            QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
            for (const QString& name : zip.names)
                QCOMPARE(zip.times.value(name), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
            QVERIFY2(zip.data[u"docProps/core.xml"_s].contains(created),
                     zip.data[u"docProps/core.xml"_s].constData());
        }
    }

    void greekDecimalNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("thousands and decimals") << u"1.234,50"_s << true << 1234.5;
        QTest::newRow("negative") << u" -0,75 "_s << true << -0.75;
        QTest::newRow("no comma") << u"12345"_s << false << 0.0;
        QTest::newRow("thousands only") << u"1.234"_s << false << 0.0;
        QTest::newRow("two commas") << u"1,2,3"_s << false << 0.0;
        QTest::newRow("words") << u"7,5 ώρες"_s << false << 0.0;
        QTest::newRow("a date") << u"08/12/2026"_s << false << 0.0;
    }
    void greekDecimalNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        const std::optional<double> read = GreekDecimalNumber(text);
        QCOMPARE(read.has_value(), number);
        if (number)
            QCOMPARE(*read, value);
    }

    void excelExportAsksForTheFile() {
        PrintJob job;
        fillColumns(job);
        Program.LastExportFolder = m_folder->path() + u'/';
        m_dialogs->fileNames = {m_folder->file(u"Ποσά.xlsx"_s)};
        ExportToExcel(job);
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, m_folder->file(u"Prt.xlsx"_s));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, u"Εξαγωγή στοιχείων"_s);
        const ZipContents zip = ReadZip(m_folder->file(u"Ποσά.xlsx"_s));
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        QCOMPARE(ReadWorkbook(zip).cells[u"A2"_s].value, u"ΠΑΠΑΔΟΠΟΥΛΟΣ"_s);
        // Nothing is left behind beside it.
        QCOMPARE(QDir(m_folder->path()).entryList({u"*.xlsx"_s}, QDir::Files | QDir::Hidden).size(), 1);
    }

    void aFolderThatCannotBeWrittenIsReported() {
        PrintJob job;
        fillColumns(job);
        m_dialogs->fileNames = {m_folder->file(u"missing/Prt.xlsx"_s)};
        ExportToExcel(job);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Critical);
        m_dialogs->clear();
        m_dialogs->fileNames = {m_folder->file(u"missing/Prt.docx"_s)};
        ExportToWord(job);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Critical);
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_MAIN(OfficeExportTest)
#include "OfficeExportTest.moc"
