#pragma once

#include "logic/print/PageGeometry.h"
#include "logic/print/PageLayout.h"
#include "logic/print/ReportLineStore.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The last five characters of a report line: which title line's columns cut it into cells,
// what happens after it on the page, and whether its cells are framed.
struct LineSuffix {
    static constexpr int Length = 5;
    int layout = 0;      // "0".."9"
    QChar marker = u' '; // ' ', '#', '@', '*', '^'
    bool framed = false; // '%'
    int keep = 0;        // rows to keep together after a '*' row
};
LineSuffix ParseLineSuffix(QStringView line);
// The printed part of a report line: everything before its suffix.
QString VisibleText(const QString& line);

// One report of the program: its lines, titles and column layouts, filled by the report
// routines in a fixed order (InitTitles, PutLine for each line, FixTitles for each title,
// Initprint) and then laid out page by page for the preview, the printer and the exports.
class PrintJob {
public:
    static constexpr int MaxLines = 64000;
    static constexpr int MaxTitles = 10;
    static constexpr int MaxColumns = 30;
    static constexpr int TitleWidth = 255;
    static constexpr int MaxBridges = 10;
    static constexpr int BridgeFieldWidth = 10;
    static constexpr int KeyFieldWidth = 47;

    // Column attribute codes.
    enum Attr { Plain = 0, Bold = 1, Italic = 2, Underline = 3, Framed = 4 };

    PrintJob();

    // The calling protocol.
    // Starts a new job. frm holds up to ten 10-character names of the windows a row leads to,
    // desc their captions, in 10-character fields as well.
    void InitTitles(const QString& frm, const QString& desc);
    // Adds a line (visible text followed by its suffix) and its drill-down keys. Lines past
    // the 64,000th are dropped.
    void PutLine(const QString& oneLine, const QString& keys);
    // Sets title line no (0..9); ekt non-zero makes it a column layout with the attributes
    // attr (one per column).
    void FixTitles(const QString& tit, int no, int ekt, const QList<int>& attr = {});
    // Stores the page settings and computes the layouts and the geometry of the preview.
    // A logo that cannot be loaded shows message 10 and the report goes on without it.
    void Initprint(int plen, int ptit, double pfontSize, int ppageLines, bool pdate, bool ppage, bool pboxes,
                   const QString& pcode, const QString& pepon, const QString& picon);

    // The job.
    int LineCount() const { return m_lines.size(); }
    // Lines PutLine dropped past the 64,000th since InitTitles.
    int droppedLines() const { return m_droppedLines; }
    // A line and its keys, rebuilt from the compact store: take each once where it is used
    // more than once.
    QString line(int index) const { return m_lines.line(index); }
    QString keys(int index) const { return m_lines.keys(index); }
    // The suffix of a line and whether its visible text is blank, without rebuilding it.
    LineSuffix lineSuffix(int index) const { return ParseLineSuffix(m_lines.tail(index)); }
    bool blankLine(int index) const { return m_lines.blankBeforeTail(index); }
    // The key of field `field` (0-based) of a line's keys, trimmed.
    QString keyField(int index, int field) const;
    QString titleLine(int no) const { return m_titles[size_t(no)]; }
    bool isColumnTitle(int no) const { return m_titleColumns[size_t(no)] != 0; }
    int columnAttr(int layout, int column) const { return m_columnAttr[size_t(layout)][size_t(column)]; }
    int columnStart(int layout, int column) const { return m_columnStart[size_t(layout)][size_t(column)]; }
    int columnWidth(int layout, int column) const { return m_columnWidth[size_t(layout)][size_t(column)]; }
    // Position of the k-th "|" (1..30) of the last layout parsed.
    int separatorPos(int k) const { return m_separatorPos[size_t(k)]; }
    QStringList bridgeForms() const { return m_bridgeForms; }
    QStringList bridgeCaptions() const { return m_bridgeCaptions; }

    // The settings of Initprint.
    int Plen() const { return m_plen; }
    int PrintColumns() const { return m_printColumns; }
    int Ptit() const { return m_ptit; }
    double PfontSize() const { return m_pfontSize; }
    int PpageLines() const { return m_ppageLines; }
    bool Pdate() const { return m_pdate; }
    bool Ppage() const { return m_ppage; }
    bool Pboxes() const { return m_pboxes; }
    QString Pcode() const { return m_pcode; }
    QString Pepon() const { return m_pepon; }
    QString logoPath() const { return m_logoPath; }
    const QImage& logo() const { return m_logo; }
    bool landscape() const { return m_printColumns > PortraitColumns; }
    // The report title: the first title line, trimmed.
    QString caption() const { return m_titles[0].trimmed(); }

    // The preview.
    const PageGeometry& geometry() const { return m_geometry; }
    int ZoomLevel() const { return m_zoomLevel; }
    int CurrentPage() const { return m_cursor.currentPage; }
    int NextLine() const { return m_cursor.nextLine; }
    // The line drawn on a row of a page laid out so far; -1 for none.
    int pageMap(int page, int row) const { return m_pageMap.at(page, row); }
    // The page on display (valid after the first page was laid out).
    const PageLayout& page() const { return m_page; }
    bool hasPage() const { return m_cursor.currentPage > 0; }
    bool moreLines() const { return m_cursor.nextLine <= LineCount() - 1; }

    // Lays out the next page; false when there is none (no lines left, or past 9,999 pages:
    // message 9). The first body row becomes the selected row.
    bool nextPage();
    bool firstPage();
    bool previousPage();
    // Lays out every page up to the last and leaves it on display.
    bool lastPage();
    // Zoom steps of the preview; false when already at the end. The geometry is recomputed and
    // the first page laid out again.
    bool zoomIn();
    bool zoomOut();

    // The selected row of the page on display, -1 for none, and whether the user chose it
    // (its text is then drawn in the highlight colour).
    int SelectedRow() const { return m_selectedRow; }
    bool selectionByUser() const { return m_selectionByUser; }
    // The report line of the selected row, -1 for none.
    int selectedLine() const;
    // A click at height y (twips) of the page: a row with a report line becomes the
    // selection, anything else below the top margin keeps the old one, and a click above it
    // clears the selection. Returns whether the selection changed.
    bool selectRowAt(double y);
    // The previous or next row of the page that carries a report line; false at the end.
    bool moveSelection(int step);
    // The first or last row of the page with a report line.
    bool selectEdgeRow(bool last);
    // The top of a row of the page on display, in twips.
    double rowTop(int row) const;

private:
    void parseLayouts();
    void applyGeometry(PageGeometry geometry);
    void resetPages();
    bool layOutFromCursor();

    ReportLineStore m_lines;
    int m_droppedLines = 0;
    std::array<QString, MaxTitles> m_titles;
    std::array<int, MaxTitles> m_titleColumns{};
    std::array<std::array<int, MaxColumns>, MaxTitles> m_columnAttr{};
    std::array<std::array<int, MaxColumns>, MaxTitles> m_columnStart{};
    std::array<std::array<int, MaxColumns>, MaxTitles> m_columnWidth{};
    std::array<int, MaxColumns + 1> m_separatorPos{};
    QStringList m_bridgeForms;
    QStringList m_bridgeCaptions;

    int m_plen = 0;
    int m_printColumns = 0;
    int m_ptit = 0;
    double m_pfontSize = 0;
    int m_ppageLines = 0;
    bool m_pdate = false;
    bool m_ppage = false;
    bool m_pboxes = false;
    QString m_pcode;
    QString m_pepon;
    QString m_logoPath;
    QImage m_logo;

    PageGeometry m_geometry;
    int m_zoomLevel = 0;
    double m_baseLineHeight = 0;
    PageMap m_pageMap;
    LayoutCursor m_cursor;
    PageLayout m_page;
    int m_selectedRow = -1;
    bool m_selectionByUser = false;
};
