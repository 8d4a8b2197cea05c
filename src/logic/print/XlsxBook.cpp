#include "logic/print/XlsxBook.h"

#include "logic/print/ZipArchive.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int FastestDeflate = 1;
constexpr qsizetype RowsFlushSize = 1 << 20;
constexpr qint64 ReadPiece = 1 << 18;
constexpr int FirstCustomNumberFormat = 164;

const QByteArray XmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const QByteArray MainNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray RelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// A number as Excel's own files hold it: up to 16 significant digits, never the locale's comma.
QByteArray numberText(double value) {
    char text[40];
    const std::to_chars_result end =
        std::to_chars(std::begin(text), std::end(text), value, std::chars_format::general, 16);
    QByteArray written(text, end.ptr - text);
    return written.replace('e', 'E');
}

void appendNumber(QByteArray& to, int n) {
    char digits[16];
    const std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), n);
    to.append(digits, end.ptr - digits);
}

// Column letters: A..Z, AA..
void appendColumnName(QByteArray& to, int column) {
    char letters[8];
    char* first = std::end(letters);
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        *--first = char('A' + (c - 1) % 26);
    to.append(first, std::end(letters) - first);
}

QByteArray cellName(int row, int column) {
    QByteArray name;
    appendColumnName(name, column);
    appendNumber(name, row + 1);
    return name;
}

// A width in characters as Excel stores it: whole pixels of a 7-pixel digit with 5 pixels of
// padding, in 256ths of a character. The report's columns are at least a character wide.
double storedWidth(double width) {
    constexpr double DigitPixels = 7;
    constexpr double PaddingPixels = 5;
    const double pixels = std::floor(qMax(width, 1.0) * DigitPixels + 0.5) + PaddingPixels;
    return std::floor(pixels / DigitPixels * 256.0) / 256.0;
}

void escapeInPlace(QByteArray& bytes, qsizetype from) {
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char* entity = nullptr;
        switch (bytes.at(i)) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '"':
            entity = "&quot;";
            break;
        default:
            continue;
        }
        bytes.replace(i, 1, entity);
        i += qsizetype(std::strlen(entity)) - 1;
    }
}

const QByteArray& contentTypes() {
    static const QByteArray xml =
        XmlDeclaration +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/docProps/app.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
        "<Override PartName=\"/docProps/core.xml\" "
        "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
        "<Override PartName=\"/xl/styles.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
        "<Override PartName=\"/xl/theme/theme1.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.theme+xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
        "</Types>";
    return xml;
}

QByteArray relationships(const QList<std::pair<QByteArray, QByteArray>>& typesAndTargets) {
    QByteArray xml = XmlDeclaration +
                     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    int id = 0;
    for (const auto& [type, target] : typesAndTargets)
        xml += "<Relationship Id=\"rId" + QByteArray::number(++id) + "\" Type=\"" + type + "\" Target=\"" +
               target + "\"/>";
    return xml + "</Relationships>";
}

const QByteArray& packageRelationships() {
    static const QByteArray xml = relationships(
        {{RelationshipsNamespace + "/officeDocument", "xl/workbook.xml"},
         {"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
          "docProps/core.xml"},
         {RelationshipsNamespace + "/extended-properties", "docProps/app.xml"}});
    return xml;
}

const QByteArray& workbookRelationships() {
    static const QByteArray xml =
        relationships({{RelationshipsNamespace + "/worksheet", "worksheets/sheet1.xml"},
                       {RelationshipsNamespace + "/theme", "theme/theme1.xml"},
                       {RelationshipsNamespace + "/styles", "styles.xml"}});
    return xml;
}

const QByteArray& workbook() {
    static const QByteArray xml =
        XmlDeclaration + "<workbook xmlns=\"" + MainNamespace + "\" xmlns:r=\"" + RelationshipsNamespace +
        "\"><fileVersion appName=\"xl\" lastEdited=\"4\" lowestEdited=\"4\" rupBuild=\"4505\"/>"
        "<workbookPr defaultThemeVersion=\"124226\"/><bookViews>"
        "<workbookView xWindow=\"240\" yWindow=\"15\" windowWidth=\"16095\" windowHeight=\"9660\"/>"
        "</bookViews><sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
        "<calcPr calcId=\"124519\" fullCalcOnLoad=\"1\"/></workbook>";
    return xml;
}

const QByteArray& appProperties() {
    static const QByteArray xml =
        XmlDeclaration +
        "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
        "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
        "<Application>Microsoft Excel</Application><DocSecurity>0</DocSecurity><ScaleCrop>false</ScaleCrop>"
        "<HeadingPairs><vt:vector size=\"2\" baseType=\"variant\"><vt:variant><vt:lpstr>Worksheets</vt:lpstr>"
        "</vt:variant><vt:variant><vt:i4>1</vt:i4></vt:variant></vt:vector></HeadingPairs><TitlesOfParts>"
        "<vt:vector size=\"1\" baseType=\"lpstr\"><vt:lpstr>Sheet1</vt:lpstr></vt:vector></TitlesOfParts>"
        "<Company></Company><LinksUpToDate>false</LinksUpToDate><SharedDoc>false</SharedDoc>"
        "<HyperlinksChanged>false</HyperlinksChanged><AppVersion>12.0000</AppVersion></Properties>";
    return xml;
}

// An entry whose data is one piece.
ZipStreamEntry wholeEntry(const QString& name, const QByteArray& data) {
    auto handed = std::make_shared<bool>(false);
    return {name, data.size(), [data, handed](QByteArray& piece) {
                piece = *handed ? QByteArray() : data;
                *handed = true;
                return true;
            }};
}

} // namespace

XlsxBook::XlsxBook(const QDateTime& created) : m_created(created) {
    m_rows.reserve(RowsFlushSize + 4096);
}

int XlsxBook::addFormat(const Style& style) {
    Format format{style, 0, 0};
    const auto sameFont = [&](const Style& font) {
        return font.bold == style.bold && font.italic == style.italic && font.underline == style.underline &&
               font.red == style.red;
    };
    qsizetype font = std::find_if(m_fonts.cbegin(), m_fonts.cend(), sameFont) - m_fonts.cbegin();
    if (font == m_fonts.size())
        m_fonts.append(style);
    format.font = int(font) + 1;
    const QByteArray code = style.number ? QByteArrayLiteral("#,###,##0.00") : QByteArrayLiteral("@");
    qsizetype number = m_numberFormats.indexOf(code);
    if (number < 0) {
        number = m_numberFormats.size();
        m_numberFormats.append(code);
    }
    format.numberFormat = FirstCustomNumberFormat + int(number);
    m_formats.append(format);
    return int(m_formats.size());
}

void XlsxBook::startCell(int row, int column, int format) {
    // Appended piece by piece: a sheet of a long report holds hundreds of thousands of cells.
    if (row != m_row) {
        if (m_row >= 0)
            m_rows += "</row>";
        if (m_rows.size() >= RowsFlushSize)
            flushRows();
        if (m_firstRow < 0)
            m_firstRow = row;
        m_row = row;
        m_rows += "<row r=\"";
        appendNumber(m_rows, row + 1);
        m_rows += "\">";
    }
    m_rows += "<c r=\"";
    appendColumnName(m_rows, column);
    appendNumber(m_rows, row + 1);
    m_rows += "\" s=\"";
    appendNumber(m_rows, format);
    m_rows += '"';
}

void XlsxBook::writeString(int row, int column, QStringView text, int format) {
    startCell(row, column, format);
    m_rows += " t=\"inlineStr\"><is><t>";
    const qsizetype from = m_rows.size();
    m_rows.resize(from + m_utf8.requiredSpace(text.size()));
    char* end = m_utf8.appendToBuffer(m_rows.data() + from, text);
    m_rows.truncate(end - m_rows.constData());
    escapeInPlace(m_rows, from);
    m_rows += "</t></is></c>";
}

void XlsxBook::writeNumber(int row, int column, double value, int format) {
    startCell(row, column, format);
    m_rows += "><v>";
    m_rows += numberText(value);
    m_rows += "</v></c>";
}

void XlsxBook::setColumns(int first, int last, double width, int format) {
    m_columns.append({first, last, width, format});
}

bool XlsxBook::flushRows() {
    if (m_failed)
        return false;
    if (!m_rowsFile.isOpen() && !m_rowsFile.open()) {
        m_failed = true;
        m_error = m_rowsFile.errorString();
        return false;
    }
    if (m_rowsFile.write(m_rows) != m_rows.size()) {
        m_failed = true;
        m_error = m_rowsFile.errorString();
        return false;
    }
    m_rows.clear();
    return true;
}

QByteArray XlsxBook::sheetHead() const {
    // The columns reach to the sheet's last; rows as far as cells were written.
    const int firstRow = m_firstRow < 0 ? 0 : m_firstRow;
    const int lastRow = m_row < 0 ? 0 : m_row;
    QByteArray xml = XmlDeclaration + "<worksheet xmlns=\"" + MainNamespace + "\" xmlns:r=\"" +
                     RelationshipsNamespace + "\"><dimension ref=\"" + cellName(firstRow, 0) + ':' +
                     cellName(lastRow, LastColumn) +
                     "\"/><sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"/></sheetViews>"
                     "<sheetFormatPr defaultRowHeight=\"15\"/>";
    if (!m_columns.isEmpty()) {
        xml += "<cols>";
        for (const Columns& c : m_columns) {
            xml += "<col min=\"" + QByteArray::number(c.first + 1) + "\" max=\"" +
                   QByteArray::number(c.last + 1) + "\" width=\"" + numberText(storedWidth(c.width)) +
                   "\" style=\"" + QByteArray::number(c.format) + '"';
            if (c.width != DefaultColumnWidth)
                xml += " customWidth=\"1\"";
            xml += "/>";
        }
        xml += "</cols>";
    }
    return xml + "<sheetData>";
}

QByteArray XlsxBook::styles() const {
    QByteArray xml = XmlDeclaration + "<styleSheet xmlns=\"" + MainNamespace + "\">";
    if (!m_numberFormats.isEmpty()) {
        xml += "<numFmts count=\"" + QByteArray::number(m_numberFormats.size()) + "\">";
        for (qsizetype i = 0; i < m_numberFormats.size(); ++i)
            xml += "<numFmt numFmtId=\"" + QByteArray::number(FirstCustomNumberFormat + i) +
                   "\" formatCode=\"" + m_numberFormats.at(i) + "\"/>";
        xml += "</numFmts>";
    }
    xml += "<fonts count=\"" + QByteArray::number(m_fonts.size() + 1) +
           "\"><font><sz val=\"11\"/><color theme=\"1\"/><name val=\"Calibri\"/><family val=\"2\"/>"
           "<scheme val=\"minor\"/></font>";
    for (const Style& font : m_fonts) {
        xml += "<font>";
        if (font.bold)
            xml += "<b/>";
        if (font.italic)
            xml += "<i/>";
        if (font.underline)
            xml += "<u/>";
        xml +=
            font.red ? "<sz val=\"10\"/><color rgb=\"FFFF0000\"/>" : "<sz val=\"10\"/><color theme=\"1\"/>";
        xml += "<name val=\"Courier New\"/><family val=\"2\"/></font>";
    }
    xml += "</fonts><fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill><fill>"
           "<patternFill patternType=\"gray125\"/></fill></fills><borders count=\"1\"><border><left/><right/>"
           "<top/><bottom/><diagonal/></border></borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" "
           "fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs><cellXfs count=\"" +
           QByteArray::number(m_formats.size() + 1) +
           "\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>";
    for (const Format& format : m_formats)
        xml += "<xf numFmtId=\"" + QByteArray::number(format.numberFormat) + "\" fontId=\"" +
               QByteArray::number(format.font) +
               "\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\" applyFont=\"1\" "
               "applyAlignment=\"1\"><alignment horizontal=\"" +
               (format.style.number ? "right" : "left") + "\"/></xf>";
    return xml +
           "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
           "</cellStyles><dxfs count=\"0\"/><tableStyles count=\"0\" defaultTableStyle=\"TableStyleMedium9\" "
           "defaultPivotStyle=\"PivotStyleLight16\"/></styleSheet>";
}

QByteArray XlsxBook::coreProperties() const {
    const QByteArray when = m_created.toUTC().toString(u"yyyy-MM-ddTHH:mm:ssZ"_s).toLatin1();
    return XmlDeclaration +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:creator></dc:creator>"
           "<cp:lastModifiedBy></cp:lastModifiedBy><dcterms:created xsi:type=\"dcterms:W3CDTF\">" +
           when + "</dcterms:created><dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + when +
           "</dcterms:modified></cp:coreProperties>";
}

bool XlsxBook::save(const QString& path, QString* error) {
    if (m_row >= 0)
        m_rows += "</row>";
    m_rows +=
        "</sheetData><pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" "
        "footer=\"0.3\"/></worksheet>";
    // A sheet that fits in memory stays there; a longer one is read back from its file.
    const bool inFile = m_rowsFile.isOpen();
    if (inFile && (!flushRows() || !m_rowsFile.seek(0))) {
        if (error)
            *error = m_error.isEmpty() ? m_rowsFile.errorString() : m_error;
        return false;
    }
    const QByteArray head = sheetHead();
    const qint64 rowsSize = inFile ? m_rowsFile.size() : m_rows.size();
    int step = 0;
    ZipStreamEntry sheet{u"xl/worksheets/sheet1.xml"_s, head.size() + rowsSize, [&](QByteArray& piece) {
                             if (step == 0) {
                                 piece = head;
                                 step = 1;
                             } else if (!inFile) {
                                 piece = step == 1 ? m_rows : QByteArray();
                                 step = 2;
                             } else {
                                 piece = m_rowsFile.read(ReadPiece);
                                 if (m_rowsFile.error() != QFileDevice::NoError) {
                                     m_error = m_rowsFile.errorString();
                                     return false;
                                 }
                             }
                             return true;
                         }};
    const QList<ZipStreamEntry> parts = {wholeEntry(u"[Content_Types].xml"_s, contentTypes()),
                                         wholeEntry(u"_rels/.rels"_s, packageRelationships()),
                                         wholeEntry(u"xl/_rels/workbook.xml.rels"_s, workbookRelationships()),
                                         sheet,
                                         wholeEntry(u"xl/workbook.xml"_s, workbook()),
                                         wholeEntry(u"xl/theme/theme1.xml"_s, QByteArray(XlsxTheme)),
                                         wholeEntry(u"xl/styles.xml"_s, styles()),
                                         wholeEntry(u"docProps/core.xml"_s, coreProperties()),
                                         wholeEntry(u"docProps/app.xml"_s, appProperties())};
    QString zipError;
    if (!WriteZipStreams(path, parts, FastestDeflate, &zipError)) {
        if (error)
            *error = zipError.isEmpty() ? m_error : zipError;
        return false;
    }
    return true;
}
