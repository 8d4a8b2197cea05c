#include "ExportTestSupport.h"
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

namespace {

// A paragraph of word/document.xml.
struct Paragraph {
    QString text;
    bool breakBefore = false;
};

struct WordDocument {
    QList<Paragraph> paragraphs;
    QXmlStreamAttributes pageSize;
    QXmlStreamAttributes margins;
    QString error;

    QList<int> breaks() const {
        QList<int> found;
        for (int i = 0; i < paragraphs.size(); ++i) {
            if (paragraphs[i].breakBefore)
                found << i;
        }
        return found;
    }
    int find(const QString& text) const {
        for (int i = 0; i < paragraphs.size(); ++i) {
            if (paragraphs[i].text == text)
                return i;
        }
        return -1;
    }
};

WordDocument ParseDocument(const QByteArray& xml) {
    WordDocument doc;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = reader.name();
        if (name == u"p")
            doc.paragraphs << Paragraph{};
        else if (name == u"pageBreakBefore")
            doc.paragraphs.last().breakBefore = true;
        else if (name == u"t")
            doc.paragraphs.last().text += reader.readElementText();
        else if (name == u"pgSz")
            doc.pageSize = reader.attributes();
        else if (name == u"pgMar")
            doc.margins = reader.attributes();
    }
    if (reader.hasError())
        doc.error = reader.errorString();
    return doc;
}

// A cell of the sheet and the format it carries, from xl/worksheets/sheet1.xml and
// xl/styles.xml.
struct Cell {
    QString type; // "" for a number, "inlineStr" or "s" for text
    QString value;
    int style = 0;
};

struct CellFormat {
    QString numberFormat;
    QString align;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString colour;
    QString font;
    QString size;
};

struct Workbook {
    QMap<QString, Cell> cells;
    QList<CellFormat> formats;
    QList<QXmlStreamAttributes> columns;
    QString error;

    CellFormat format(const QString& ref) const { return formats.value(cells.value(ref).style); }
    double width(int column) const {
        for (const QXmlStreamAttributes& col : columns) {
            if (col.value(u"min"_s).toInt() <= column && column <= col.value(u"max"_s).toInt())
                return col.value(u"width"_s).toDouble();
        }
        return 0;
    }
};

Workbook ParseWorkbook(const ZipContents& zip) {
    Workbook book;
    QXmlStreamReader sheet(zip.data.value(u"xl/worksheets/sheet1.xml"_s));
    QString ref;
    while (!sheet.atEnd()) {
        if (sheet.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (sheet.name() == u"c") {
            ref = sheet.attributes().value(u"r"_s).toString();
            book.cells[ref].type = sheet.attributes().value(u"t"_s).toString();
            book.cells[ref].style = sheet.attributes().value(u"s"_s).toInt();
        } else if (sheet.name() == u"v" || sheet.name() == u"t") {
            book.cells[ref].value = sheet.readElementText();
        } else if (sheet.name() == u"col") {
            book.columns << sheet.attributes();
        }
    }
    if (sheet.hasError())
        book.error = sheet.errorString();

    QMap<int, QString> numberFormats{{0, u"General"_s}, {49, u"@"_s}};
    QList<CellFormat> fonts;
    QXmlStreamReader styles(zip.data.value(u"xl/styles.xml"_s));
    bool inFonts = false;
    bool inCellXfs = false;
    while (!styles.atEnd()) {
        styles.readNext();
        if (styles.isEndElement() && styles.name() == u"fonts")
            inFonts = false;
        if (styles.isEndElement() && styles.name() == u"cellXfs")
            inCellXfs = false;
        if (!styles.isStartElement())
            continue;
        const QStringView name = styles.name();
        const QXmlStreamAttributes a = styles.attributes();
        if (name == u"numFmt") {
            numberFormats[a.value(u"numFmtId"_s).toInt()] = a.value(u"formatCode"_s).toString();
        } else if (name == u"fonts") {
            inFonts = true;
        } else if (name == u"cellXfs") {
            inCellXfs = true;
        } else if (inFonts && name == u"font") {
            fonts << CellFormat{};
        } else if (inFonts && name == u"b") {
            fonts.last().bold = true;
        } else if (inFonts && name == u"i") {
            fonts.last().italic = true;
        } else if (inFonts && name == u"u") {
            fonts.last().underline = true;
        } else if (inFonts && name == u"color") {
            fonts.last().colour = a.value(u"rgb"_s).toString();
        } else if (inFonts && name == u"name") {
            fonts.last().font = a.value(u"val"_s).toString();
        } else if (inFonts && name == u"sz") {
            fonts.last().size = a.value(u"val"_s).toString();
        } else if (inCellXfs && name == u"xf") {
            CellFormat format = fonts.value(a.value(u"fontId"_s).toInt());
            format.numberFormat = numberFormats.value(a.value(u"numFmtId"_s).toInt());
            book.formats << format;
        } else if (inCellXfs && name == u"alignment") {
            book.formats.last().align = a.value(u"horizontal"_s).toString();
        }
    }
    if (styles.hasError())
        book.error = styles.errorString();
    return book;
}

} // namespace

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
            return ZipContents{{}, {}, error};
        return ReadZip(path);
    }

    ZipContents writeExcel(const PrintJob& job) {
        const QString path = m_folder->file(u"Prt.xlsx"_s);
        QString error;
        if (!WriteExcelWorkbook(job, path, &error))
            return ZipContents{{}, {}, error};
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

    void aNarrowReportIsPortraitWithLargeLettersAndShortPages() {
        // Width 52: Courier New 15, 17 points a line, 42 lines between the margins.
        const WordPage page = WordPageFor(52);
        QCOMPARE(page.landscape, false);
        QCOMPARE(page.fontSize, 15);
        QCOMPARE(page.capacity, 42);

        PrintJob job;
        fillNumbered(job, 80, 52);
        const ZipContents zip = writeWord(job);
        const WordDocument doc = ParseDocument(zip.data[u"word/document.xml"_s]);
        QVERIFY2(doc.error.isEmpty(), qPrintable(doc.error));
        QCOMPARE(doc.pageSize.value(u"w:w"_s).toInt(), 11906);
        QCOMPARE(doc.pageSize.value(u"w:h"_s).toInt(), 16838);
        QVERIFY(!doc.pageSize.hasAttribute(u"w:orient"_s));
        for (const QString& side : {u"w:top"_s, u"w:right"_s, u"w:bottom"_s, u"w:left"_s})
            QCOMPARE(doc.margins.value(side).toInt(), 1200); // 60 points
        QVERIFY(zip.data[u"word/styles.xml"_s].contains(R"(<w:sz w:val="30"/>)"));
        QVERIFY(zip.data[u"word/styles.xml"_s].contains(R"(w:ascii="Courier New")"));

        // Each page: page number line, title, rule, 39 lines (the last page 2).
        const QList<int> breaks = doc.breaks();
        QCOMPARE(breaks.size(), 2);
        QCOMPARE(doc.paragraphs[breaks[0]].text.trimmed(), u"Σελίδα:2"_s);
        QCOMPARE(doc.paragraphs[breaks[0] - 1].text, line(39, 52));
        QCOMPARE(doc.paragraphs[breaks[0] + 3].text, line(40, 52));
        QCOMPARE(doc.paragraphs[breaks[1]].text.trimmed(), u"Σελίδα:3"_s);
        QCOMPARE(doc.paragraphs[breaks[1] - 1].text, line(78, 52));
        QCOMPARE(doc.paragraphs.last().text, line(80, 52));
        QCOMPARE(doc.paragraphs.size(), 3 * 3 + 80);
    }

    void aWideReportIsLandscape() {
        const WordPage page = WordPageFor(133);
        QCOMPARE(page.landscape, true);
        QCOMPARE(page.fontSize, 8);
        QCOMPARE(page.capacity, 52);
        QCOMPARE(WordPageFor(132).landscape, false);

        PrintJob job;
        fillNumbered(job, 60, 133);
        const WordDocument doc = ParseDocument(writeWord(job).data[u"word/document.xml"_s]);
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
        const WordDocument doc = ParseDocument(zip.data[u"word/document.xml"_s]);
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

    void rowMarkersInTheDocument() {
        PrintJob job;
        // 1 ends its page, 2 repeats the titles, 3 has a rule under it, 5 (the last) ends a page.
        fillNumbered(job, 5, 40, {u'#', u'@', u'^', u' ', u'#'});
        const WordDocument doc = ParseDocument(writeWord(job).data[u"word/document.xml"_s]);
        const QString rule(40, u'-');
        QCOMPARE(doc.breaks().size(), 1); // no empty page after the last line
        const int second = doc.breaks().first();
        QCOMPARE(doc.paragraphs[second - 1].text, line(1, 40));
        QCOMPARE(doc.paragraphs[second + 3].text, line(2, 40));
        // After line 2: the title and its rule again, then line 3 and its rule.
        QCOMPARE(doc.paragraphs[second + 4].text.trimmed(), u"ΚΑΤΑΣΤΑΣΗ"_s);
        QCOMPARE(doc.paragraphs[second + 5].text, rule);
        QCOMPARE(doc.paragraphs[second + 6].text, line(3, 40));
        QCOMPARE(doc.paragraphs[second + 7].text, rule);
        QCOMPARE(doc.paragraphs.last().text, line(5, 40));
    }

    void textIsEscapedAndKeepsItsBlanks() {
        PrintJob job;
        fillColumns(job);
        const QByteArray xml = writeWord(job).data[u"word/document.xml"_s];
        const WordDocument doc = ParseDocument(xml);
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
        QCOMPARE(ParseDocument(zip.data[u"word/document.xml"_s]).paragraphs.last().text, line(2, 40));
    }

    void theSheetHoldsRedHeadersAndTypedCells() {
        PrintJob job;
        fillColumns(job);
        const ZipContents zip = writeExcel(job);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        const Workbook book = ParseWorkbook(zip);
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));

        // Row 1: the column titles, red, bold, Courier New 10. The report title has no columns.
        QCOMPARE(book.cells[u"A1"_s].value, u"ΟΝΟΜΑ"_s);
        QCOMPARE(book.cells[u"B1"_s].value, u"ΠΟΣΟ"_s);
        QCOMPARE(book.cells[u"C1"_s].value, u"ΚΩΔΙΚΟΣ"_s);
        for (const QString& ref : {u"A1"_s, u"B1"_s, u"C1"_s}) {
            const CellFormat f = book.format(ref);
            QVERIFY2(f.bold, qPrintable(ref));
            QCOMPARE(f.colour, u"FFFF0000"_s);
            QCOMPARE(f.font, u"Courier New"_s);
            QCOMPARE(f.size, u"10"_s);
        }

        // "1.234,50" is the number 1234.5, right-aligned with two decimals.
        QCOMPARE(book.cells[u"B2"_s].type, QString());
        QCOMPARE(book.cells[u"B2"_s].value.toDouble(), 1234.5);
        QCOMPARE(book.format(u"B2"_s).numberFormat, u"#,###,##0.00"_s);
        QCOMPARE(book.format(u"B2"_s).align, u"right"_s);
        QCOMPARE(book.cells[u"B3"_s].value.toDouble(), -12.0);
        QCOMPARE(book.cells[u"B5"_s].value.toDouble(), 100000.01);
        // "12345" has no comma and stays text, as does a comma in words.
        QCOMPARE(book.cells[u"C2"_s].type, u"inlineStr"_s);
        QCOMPARE(book.cells[u"C2"_s].value, u"12345"_s);
        QCOMPARE(book.format(u"C2"_s).numberFormat, u"@"_s);
        QCOMPARE(book.format(u"C2"_s).align, u"left"_s);
        QVERIFY(book.format(u"C2"_s).italic);
        QCOMPARE(book.cells[u"C3"_s].value, u"7,5 ώρες"_s);
        QCOMPARE(book.cells[u"C5"_s].type, u"inlineStr"_s);
        // The name column is bold and not red.
        QCOMPARE(book.cells[u"A2"_s].value, u"ΠΑΠΑΔΟΠΟΥΛΟΣ"_s);
        QVERIFY(book.format(u"A2"_s).bold);
        QVERIFY(book.format(u"A2"_s).colour != u"FFFF0000"_s);
        QCOMPARE(book.cells[u"A5"_s].value, u"Α & Β <ΟΕ>"_s);
        // The rule row is a row of its own, empty.
        QVERIFY(!book.cells.contains(u"A4"_s));

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
        QCOMPARE(ParseWorkbook(zip).cells[u"A2"_s].value, u"ΠΑΠΑΔΟΠΟΥΛΟΣ"_s);
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
