#pragma once

#include "logic/print/PageGeometry.h"

#include <QList>
#include <array>
#include <optional>
#include <vector>

class PrintJob;

// One page as laid out: where each header item, title and report line goes. Positions are
// the tops of the rows, in twips from the top of the page.
struct PageLayout {
    struct Title {
        double y = 0;
        int title = 0;
    };
    struct Row {
        double y = 0;
        int line = 0; // index of the report line
        int row = 0;  // row of the page (header rows included)
    };

    int number = 0;           // 1-based page number
    bool logo = false;        // the logo stands at the top left
    double headerY = 0;       // company, date and page number
    QList<Title> titles;      // title lines, bold (repeated ones included)
    QList<double> titleRules; // rules under the titles
    QList<Row> rows;          // report lines in page order
    double headerBottom = 0;  // top of the first report line
    double bottom = 0;        // below the last row
    bool grid = false;        // the boxed grid is drawn over the finished page
    int droppedLines = 0;     // on the last page of a report cut at the line limit: its foot says so
};

// For each page laid out, the report line on each of its 100 rows (-1 for header, rule and
// empty rows). Grows with the pages actually laid out.
class PageMap {
public:
    static constexpr int MaxPages = 10000;
    static constexpr int Rows = 100;

    void clear() { m_pages.clear(); }
    int at(int page, int row) const;
    void clearPage(int page);
    void set(int page, int row, int line) { m_pages[size_t(page)][size_t(row)] = line; }
    // The first report line of a page, -1 when it has none.
    int firstLine(int page) const;
    int pages() const { return int(m_pages.size()); }

private:
    std::vector<std::array<int, Rows>> m_pages;
};

// Where the next page starts: the pages laid out so far and the first line of the next.
struct LayoutCursor {
    int nextLine = 0;
    int currentPage = 0;
};

// Lays out the page after the cursor's and moves the cursor on. Past 9,999 pages it shows
// message 9 and lays out nothing. map, when given, records the page's rows.
std::optional<PageLayout> LayOutPage(const PrintJob& job, const PageGeometry& geometry, LayoutCursor& cursor,
                                     PageMap* map);
