#include "logic/print/PrintJob.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"

#include <QCoreApplication>
#include <QImageReader>
#include <cmath>

LineSuffix ParseLineSuffix(QStringView line) {
    LineSuffix suffix;
    const qsizetype n = line.size();
    if (n < LineSuffix::Length)
        return suffix;
    const QChar digit = line.at(n - 5);
    if (digit.isDigit())
        suffix.layout = digit.digitValue();
    suffix.marker = line.at(n - 4);
    suffix.framed = line.at(n - 3) == u'%';
    if (suffix.marker == u'*')
        suffix.keep = line.mid(n - 3, 2).trimmed().toInt();
    return suffix;
}

QString VisibleText(const QString& line) {
    return line.left(qMax<qsizetype>(0, line.size() - LineSuffix::Length));
}

PrintJob::PrintJob() {
    InitTitles({}, {});
}

void PrintJob::InitTitles(const QString& frm, const QString& desc) {
    m_lines.clear();
    m_droppedLines = 0;
    m_titles.fill(QString(TitleWidth, u' '));
    m_titleColumns.fill(0);
    for (int t = 0; t < MaxTitles; ++t) {
        m_columnAttr[size_t(t)].fill(0);
        m_columnWidth[size_t(t)].fill(0);
        m_columnStart[size_t(t)].fill(0);
        m_columnStart[size_t(t)][0] = 1;
    }
    m_separatorPos.fill(0);
    m_bridgeForms.clear();
    m_bridgeCaptions.clear();
    for (int i = 0; i < MaxBridges; ++i) {
        m_bridgeForms << frm.mid(qsizetype(i) * BridgeFieldWidth, BridgeFieldWidth).trimmed();
        m_bridgeCaptions << desc.mid(qsizetype(i) * BridgeFieldWidth, BridgeFieldWidth).trimmed();
    }
    m_pageMap.clear();
    m_cursor = {};
    m_page = {};
    m_selectedRow = -1;
}

void PrintJob::PutLine(const QString& oneLine, const QString& keys) {
    if (LineCount() + 1 > MaxLines) {
        ++m_droppedLines;
        return;
    }
    m_lines.append(oneLine, keys);
    // A long report keeps the program responsive while it is built.
    if (LineCount() % 100 == 0)
        QCoreApplication::processEvents();
}

void PrintJob::FixTitles(const QString& tit, int no, int ekt, const QList<int>& attr) {
    Q_ASSERT(no >= 0 && no < MaxTitles);
    if (no < 0 || no >= MaxTitles)
        return;
    m_titles[size_t(no)] = tit.left(TitleWidth).leftJustified(TitleWidth, u' ');
    m_titleColumns[size_t(no)] = ekt;
    if (ekt != 0) {
        for (int k = 0; k < attr.size() && k < MaxColumns; ++k)
            m_columnAttr[size_t(no)][size_t(k)] = attr[k];
    }
}

QString PrintJob::keyField(int index, int field) const {
    return keys(index).mid(qsizetype(field) * KeyFieldWidth, KeyFieldWidth).trimmed();
}

void PrintJob::parseLayouts() {
    for (int t = 0; t < m_ptit && t < MaxTitles; ++t) {
        if (m_titleColumns[size_t(t)] == 0)
            continue;
        QString& title = m_titles[size_t(t)];
        auto& start = m_columnStart[size_t(t)];
        auto& width = m_columnWidth[size_t(t)];
        for (int k = 1; k <= MaxColumns; ++k) {
            const qsizetype found = title.indexOf(u'|');
            if (found < 0) {
                m_separatorPos[size_t(k - 1)] += 1;
                break;
            }
            const int p = int(found) + 1;
            m_separatorPos[size_t(k)] = p;
            width[size_t(k - 1)] = p - start[size_t(k - 1)];
            if (k < MaxColumns)
                start[size_t(k)] = p + 1;
            title[found] = u' ';
        }
    }
}

void PrintJob::Initprint(int plen, int ptit, double pfontSize, int ppageLines, bool pdate, bool ppage,
                         bool pboxes, const QString& pcode, const QString& pepon, const QString& picon) {
    m_plen = plen;
    m_printColumns = pboxes ? plen + 2 : plen;
    m_ptit = qBound(0, ptit, int(MaxTitles));
    m_pfontSize = pfontSize;
    m_ppageLines = ppageLines;
    m_pdate = pdate;
    m_ppage = ppage;
    m_pboxes = pboxes;
    m_pcode = pcode;
    m_pepon = pepon;
    m_zoomLevel = 0;
    m_baseLineHeight = 0;

    m_logoPath.clear();
    m_logo = QImage();
    if (!picon.isEmpty()) {
        m_logoPath = AppFile(picon);
        QImageReader reader(m_logoPath);
        m_logo = reader.read();
        if (m_logo.isNull()) {
            ShowMsg(10);
            m_logoPath.clear();
        }
    }

    parseLayouts();

    PageGeometry g = PreviewGeometry(m_printColumns, m_pfontSize, m_ppageLines, 0);
    // Small print is shown enlarged.
    if (g.fontSize >= 6 && g.fontSize <= 7) {
        m_zoomLevel = 1;
        g = PreviewGeometry(m_printColumns, m_pfontSize, m_ppageLines, 1);
    }
    if (g.fontSize < 6) {
        m_zoomLevel = 2;
        g = PreviewGeometry(m_printColumns, m_pfontSize, m_ppageLines, 2);
    }
    applyGeometry(g);
}

void PrintJob::applyGeometry(PageGeometry g) {
    // When the rows grew faster than the page (the automatic font jumps a size), the page
    // grows with them, so that a zoomed page holds the rows of the plain one.
    if (m_zoomLevel > 0 && m_baseLineHeight > 0 && m_ppageLines == 0) {
        const double factor = std::pow(1.25, m_zoomLevel);
        const double ratio = g.lineHeight / m_baseLineHeight;
        if (ratio > factor) {
            g.width = g.width / factor * ratio;
            g.height = g.height / factor * ratio;
        }
    }
    m_geometry = g;
    resetPages();
}

void PrintJob::resetPages() {
    m_pageMap.clear();
    m_cursor = {};
    m_page = {};
    m_selectedRow = -1;
    m_selectionByUser = false;
}

bool PrintJob::layOutFromCursor() {
    std::optional<PageLayout> page = LayOutPage(*this, m_geometry, m_cursor, &m_pageMap);
    if (!page)
        return false;
    m_page = *page;
    m_selectedRow = -1;
    m_selectionByUser = false;
    for (const PageLayout::Row& row : m_page.rows) {
        if (lineSuffix(row.line).marker == u'^' && blankLine(row.line))
            continue; // a bare rule is never filled
        m_selectedRow = row.row;
        break;
    }
    return true;
}

bool PrintJob::nextPage() {
    if (!moreLines())
        return false;
    return layOutFromCursor();
}

bool PrintJob::firstPage() {
    if (LineCount() == 0)
        return false;
    m_cursor = {};
    return layOutFromCursor();
}

bool PrintJob::previousPage() {
    if (m_cursor.currentPage <= 1)
        return false;
    m_cursor.currentPage -= 2;
    m_cursor.nextLine = qMax(0, m_pageMap.firstLine(m_cursor.currentPage));
    return layOutFromCursor();
}

bool PrintJob::lastPage() {
    bool laidOut = false;
    while (moreLines()) {
        if (!layOutFromCursor())
            break;
        laidOut = true;
    }
    return laidOut;
}

bool PrintJob::zoomIn() {
    if (m_zoomLevel >= 2)
        return false;
    if (m_zoomLevel == 0)
        m_baseLineHeight = m_geometry.lineHeight;
    ++m_zoomLevel;
    applyGeometry(PreviewGeometry(m_printColumns, m_pfontSize, m_ppageLines, m_zoomLevel));
    firstPage();
    return true;
}

bool PrintJob::zoomOut() {
    if (m_zoomLevel <= 0)
        return false;
    --m_zoomLevel;
    applyGeometry(PreviewGeometry(m_printColumns, m_pfontSize, m_ppageLines, m_zoomLevel));
    firstPage();
    return true;
}

int PrintJob::selectedLine() const {
    if (!hasPage() || m_selectedRow < 0)
        return -1;
    return m_pageMap.at(m_cursor.currentPage - 1, m_selectedRow);
}

bool PrintJob::selectRowAt(double y) {
    if (!hasPage())
        return false;
    if (y < TopMargin) {
        const bool changed = m_selectedRow != -1;
        m_selectedRow = -1;
        return changed;
    }
    for (const PageLayout::Row& row : m_page.rows) {
        if (y >= row.y && y < row.y + m_geometry.lineHeight) {
            const bool changed = row.row != m_selectedRow || !m_selectionByUser;
            m_selectedRow = row.row;
            m_selectionByUser = true;
            return changed;
        }
    }
    return false; // a header, rule or empty row: the old selection stays
}

bool PrintJob::moveSelection(int step) {
    if (!hasPage())
        return false;
    const int page = m_cursor.currentPage - 1;
    for (int row = m_selectedRow + step; row >= 0 && row < PageMap::Rows; row += step) {
        if (m_pageMap.at(page, row) >= 0) {
            m_selectedRow = row;
            m_selectionByUser = true;
            return true;
        }
    }
    return false;
}

bool PrintJob::selectEdgeRow(bool last) {
    if (!hasPage() || m_page.rows.isEmpty())
        return false;
    m_selectedRow = last ? m_page.rows.last().row : m_page.rows.first().row;
    m_selectionByUser = true;
    return true;
}

double PrintJob::rowTop(int row) const {
    for (const PageLayout::Row& r : m_page.rows) {
        if (r.row == row)
            return r.y;
    }
    return TopMargin + row * m_geometry.lineHeight;
}
