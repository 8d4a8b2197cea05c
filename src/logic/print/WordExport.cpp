#include "logic/print/WordExport.h"

#include "logic/core/services/Services.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PrintJob.h"
#include "logic/print/ZipArchive.h"

#include <QBuffer>
#include <QXmlStreamWriter>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString WordNs = u"http://schemas.openxmlformats.org/wordprocessingml/2006/main"_s;
const QString RelationshipsNs = u"http://schemas.openxmlformats.org/package/2006/relationships"_s;

// Margins of 60 points on every side, in twentieths of a point; an A4 sheet.
constexpr int MarginTwips = 1200;
constexpr int A4ShortTwips = 11906;
constexpr int A4LongTwips = 16838;
constexpr double TwipsPerPoint = 20;

// An XML part written through QXmlStreamWriter into memory.
class XmlPart {
public:
    XmlPart() : m_buffer(&m_data), m_xml(&m_buffer) {
        m_buffer.open(QIODevice::WriteOnly);
        m_xml.writeStartDocument(u"1.0"_s, true);
    }
    QXmlStreamWriter& xml() { return m_xml; }
    QByteArray finish() {
        m_xml.writeEndDocument();
        m_buffer.close();
        return m_data;
    }

private:
    QByteArray m_data;
    QBuffer m_buffer;
    QXmlStreamWriter m_xml;
};

QByteArray contentTypes() {
    XmlPart part;
    QXmlStreamWriter& x = part.xml();
    x.writeDefaultNamespace(u"http://schemas.openxmlformats.org/package/2006/content-types"_s);
    x.writeStartElement(u"Types"_s);
    const auto defaultType = [&x](const QString& extension, const QString& type) {
        x.writeEmptyElement(u"Default"_s);
        x.writeAttribute(u"Extension"_s, extension);
        x.writeAttribute(u"ContentType"_s, type);
    };
    const auto overrideType = [&x](const QString& part, const QString& type) {
        x.writeEmptyElement(u"Override"_s);
        x.writeAttribute(u"PartName"_s, part);
        x.writeAttribute(u"ContentType"_s, type);
    };
    defaultType(u"rels"_s, u"application/vnd.openxmlformats-package.relationships+xml"_s);
    defaultType(u"xml"_s, u"application/xml"_s);
    overrideType(u"/word/document.xml"_s,
                 u"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"_s);
    overrideType(u"/word/styles.xml"_s,
                 u"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"_s);
    overrideType(u"/docProps/core.xml"_s, u"application/vnd.openxmlformats-package.core-properties+xml"_s);
    x.writeEndElement();
    return part.finish();
}

QByteArray relationships(const QList<std::pair<QString, QString>>& targets) {
    XmlPart part;
    QXmlStreamWriter& x = part.xml();
    x.writeDefaultNamespace(RelationshipsNs);
    x.writeStartElement(u"Relationships"_s);
    int id = 0;
    for (const auto& [type, target] : targets) {
        x.writeEmptyElement(u"Relationship"_s);
        x.writeAttribute(u"Id"_s, u"rId%1"_s.arg(++id));
        x.writeAttribute(u"Type"_s, type);
        x.writeAttribute(u"Target"_s, target);
    }
    x.writeEndElement();
    return part.finish();
}

QByteArray coreProperties(const PrintJob& job) {
    XmlPart part;
    QXmlStreamWriter& x = part.xml();
    const QString dcterms = u"http://purl.org/dc/terms/"_s;
    x.writeNamespace(u"http://schemas.openxmlformats.org/package/2006/metadata/core-properties"_s, u"cp"_s);
    x.writeNamespace(u"http://purl.org/dc/elements/1.1/"_s, u"dc"_s);
    x.writeNamespace(dcterms, u"dcterms"_s);
    x.writeNamespace(u"http://www.w3.org/2001/XMLSchema-instance"_s, u"xsi"_s);
    x.writeStartElement(u"http://schemas.openxmlformats.org/package/2006/metadata/core-properties"_s,
                        u"coreProperties"_s);
    x.writeTextElement(u"http://purl.org/dc/elements/1.1/"_s, u"title"_s, PrintableText(job.caption()));
    x.writeTextElement(u"http://purl.org/dc/elements/1.1/"_s, u"creator"_s, u"Orva"_s);
    x.writeStartElement(dcterms, u"created"_s);
    x.writeAttribute(u"http://www.w3.org/2001/XMLSchema-instance"_s, u"type"_s, u"dcterms:W3CDTF"_s);
    x.writeCharacters(Services::clock().now().toUTC().toString(Qt::ISODate));
    x.writeEndElement();
    x.writeEndElement();
    return part.finish();
}

// The document's defaults: the report font at the page's size, lines without spacing.
QByteArray styles(const WordPage& page) {
    XmlPart part;
    QXmlStreamWriter& x = part.xml();
    x.writeNamespace(WordNs, u"w"_s);
    x.writeStartElement(WordNs, u"styles"_s);
    x.writeStartElement(WordNs, u"docDefaults"_s);
    x.writeStartElement(WordNs, u"rPrDefault"_s);
    x.writeStartElement(WordNs, u"rPr"_s);
    x.writeEmptyElement(WordNs, u"rFonts"_s);
    for (const QString& script : {u"ascii"_s, u"hAnsi"_s, u"eastAsia"_s, u"cs"_s})
        x.writeAttribute(WordNs, script, QString::fromLatin1(ReportFontFamily));
    for (const QString& size : {u"sz"_s, u"szCs"_s}) {
        x.writeEmptyElement(WordNs, size);
        x.writeAttribute(WordNs, u"val"_s, QString::number(page.fontSize * 2));
    }
    x.writeEmptyElement(WordNs, u"lang"_s);
    x.writeAttribute(WordNs, u"val"_s, u"el-GR"_s);
    x.writeEndElement(); // rPr
    x.writeEndElement(); // rPrDefault
    x.writeStartElement(WordNs, u"pPrDefault"_s);
    x.writeStartElement(WordNs, u"pPr"_s);
    x.writeEmptyElement(WordNs, u"spacing"_s);
    x.writeAttribute(WordNs, u"after"_s, u"0"_s);
    x.writeAttribute(WordNs, u"line"_s, u"240"_s);
    x.writeAttribute(WordNs, u"lineRule"_s, u"auto"_s);
    x.writeEndElement(); // pPr
    x.writeEndElement(); // pPrDefault
    x.writeEndElement(); // docDefaults
    x.writeStartElement(WordNs, u"style"_s);
    x.writeAttribute(WordNs, u"type"_s, u"paragraph"_s);
    x.writeAttribute(WordNs, u"default"_s, u"1"_s);
    x.writeAttribute(WordNs, u"styleId"_s, u"Normal"_s);
    x.writeEmptyElement(WordNs, u"name"_s);
    x.writeAttribute(WordNs, u"val"_s, u"Normal"_s);
    x.writeEndElement(); // style
    x.writeEndElement(); // styles
    return part.finish();
}

// The body: one paragraph per written line. A page counter counts every line of the page,
// its header and titles included; a line that would not fit any more, or a line that asks
// for it, begins a new page with the header and the titles.
class DocumentWriter {
public:
    DocumentWriter(const PrintJob& job, const WordPage& page)
        : m_job(job), m_page(page), m_width(ExportWidth(job)) {}

    QByteArray write() {
        QXmlStreamWriter& x = m_part.xml();
        x.writeNamespace(WordNs, u"w"_s);
        x.writeStartElement(WordNs, u"document"_s);
        x.writeStartElement(WordNs, u"body"_s);
        ExportTitlesToWord(true);
        const int count = m_job.LineCount();
        for (int i = 0; i < count; ++i) {
            const QString& line = m_job.line(i);
            const bool last = i == count - 1;
            const LineSuffix suffix = ParseLineSuffix(line);
            // A line and the rule under it stay together.
            if (m_counter + (suffix.marker == u'^' ? 2 : 1) > m_page.capacity)
                newPage();
            paragraph(line.left(m_width - 1));
            ++m_counter;
            ++m_lines;
            switch (suffix.marker.unicode()) {
            case '#':
                if (!last)
                    newPage();
                break;
            case '@':
                if (m_lines != 0)
                    repeatTitles(last);
                break;
            case '*':
                // As in the text file: the page breaks when the kept rows are fewer than the
                // lines left on it.
                if (!last && suffix.keep < m_page.capacity - m_counter)
                    newPage();
                break;
            case '^':
                paragraph(QString(m_width, u'-'));
                ++m_counter;
                break;
            default:
                break;
            }
        }
        sectionProperties();
        x.writeEndElement(); // body
        x.writeEndElement(); // document
        return m_part.finish();
    }

private:
    void ExportTitlesToWord(bool doAll) {
        const QStringList lines = ExportTitleLines(m_job, doAll, m_pageNumber);
        for (const QString& line : lines)
            paragraph(line);
        m_counter += int(lines.size());
    }

    // The title lines again, on this page when they fit, else at the top of the next (after
    // the last line, nowhere).
    void repeatTitles(bool last) {
        int pageNumber = m_pageNumber;
        if (m_counter + int(ExportTitleLines(m_job, false, pageNumber).size()) <= m_page.capacity)
            ExportTitlesToWord(false);
        else if (!last)
            newPage();
    }

    // A new page, unless the page has no report line yet.
    void newPage() {
        if (m_lines == 0)
            return;
        m_counter = 0;
        m_lines = 0;
        m_breakBefore = true;
        ExportTitlesToWord(true);
    }

    void paragraph(const QString& text) {
        QXmlStreamWriter& x = m_part.xml();
        x.writeStartElement(WordNs, u"p"_s);
        if (m_breakBefore) {
            x.writeStartElement(WordNs, u"pPr"_s);
            x.writeEmptyElement(WordNs, u"pageBreakBefore"_s);
            x.writeEndElement();
            m_breakBefore = false;
        }
        const QString clean = PrintableText(text);
        if (!clean.isEmpty()) {
            x.writeStartElement(WordNs, u"r"_s);
            x.writeStartElement(WordNs, u"t"_s);
            x.writeAttribute(u"xml:space"_s, u"preserve"_s);
            x.writeCharacters(clean);
            x.writeEndElement();
            x.writeEndElement();
        }
        x.writeEndElement();
    }

    void sectionProperties() {
        QXmlStreamWriter& x = m_part.xml();
        x.writeStartElement(WordNs, u"sectPr"_s);
        x.writeEmptyElement(WordNs, u"pgSz"_s);
        x.writeAttribute(WordNs, u"w"_s, QString::number(m_page.landscape ? A4LongTwips : A4ShortTwips));
        x.writeAttribute(WordNs, u"h"_s, QString::number(m_page.landscape ? A4ShortTwips : A4LongTwips));
        if (m_page.landscape)
            x.writeAttribute(WordNs, u"orient"_s, u"landscape"_s);
        x.writeEmptyElement(WordNs, u"pgMar"_s);
        for (const QString& side : {u"top"_s, u"right"_s, u"bottom"_s, u"left"_s})
            x.writeAttribute(WordNs, side, QString::number(MarginTwips));
        for (const QString& side : {u"header"_s, u"footer"_s, u"gutter"_s})
            x.writeAttribute(WordNs, side, u"0"_s);
        x.writeEndElement();
    }

    const PrintJob& m_job;
    const WordPage m_page;
    const int m_width;
    XmlPart m_part;
    int m_counter = 0; // lines on the page
    int m_lines = 0;   // report lines on the page
    int m_pageNumber = 0;
    bool m_breakBefore = false;
};

} // namespace

WordPage WordPageFor(int width) {
    WordPage page;
    width = qMax(1, width);
    page.landscape = width > PortraitColumns;
    page.fontSize = qMax(1, (page.landscape ? 1110 : 810) / width);
    page.lineHeight = TextLineHeight(page.fontSize) / TwipsPerPoint;
    const int height = (page.landscape ? A4ShortTwips : A4LongTwips) - 2 * MarginTwips;
    page.capacity = qMax(1, int(std::floor(height / TwipsPerPoint / page.lineHeight)));
    return page;
}

QList<ZipEntry> WordDocumentParts(const PrintJob& job) {
    const WordPage page = WordPageFor(ExportWidth(job));
    const QString officeDocument = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships"_s;
    return {
        {u"[Content_Types].xml"_s, contentTypes()},
        {u"_rels/.rels"_s,
         relationships(
             {{officeDocument + u"/officeDocument"_s, u"word/document.xml"_s},
              {u"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties"_s,
               u"docProps/core.xml"_s}})},
        {u"docProps/core.xml"_s, coreProperties(job)},
        {u"word/_rels/document.xml.rels"_s,
         relationships({{officeDocument + u"/styles"_s, u"styles.xml"_s}})},
        {u"word/styles.xml"_s, styles(page)},
        {u"word/document.xml"_s, DocumentWriter(job, page).write()},
    };
}

bool WriteWordDocument(const PrintJob& job, const QString& path, QString* error) {
    return WriteZip(path, WordDocumentParts(job), error);
}

void ExportToWord(const PrintJob& job) {
    const std::optional<QString> chosen = AskExportFile(u"Prt.docx"_s, {u"Έγγραφα Word (*.docx)"_s});
    if (!chosen)
        return;
    // The old file is replaced only once the new one is complete.
    QString error;
    if (!WriteWordDocument(job, *chosen, &error)) {
        ShowExportError(*chosen, error);
        return;
    }
    ShowExportDone();
}
