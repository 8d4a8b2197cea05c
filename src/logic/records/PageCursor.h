#pragma once

#include "logic/core/database/KeysetRead.h"

#include <QList>
#include <algorithm>

// The rows of a list window's page, below the heading row 0.
inline constexpr int PageRows = 14;

// Where the rows of a list come from: a read of up to count rows from a place of the order.
template <typename Row> class PageSource {
public:
    virtual ~PageSource() = default;
    // The row is ignored for PageRead::First.
    virtual QList<Row> read(PageRead read, const Row& row, int count) = 0;
    // Whether the row that stood at this place of the order was changed so that it now
    // stands before it.
    virtual bool movedBefore(const Row& row) {
        Q_UNUSED(row);
        return false;
    }
};

// The paging of a list window: the page of up to 14 rows on grid rows 1..14, whether rows
// follow it, and the selected grid row (0 is the heading). Every movement reads only the
// rows it shows (and one to know whether more follow), through the order's index: the
// list never holds more than a page, whatever the size of the table.
template <typename Row> class PageCursor {
public:
    explicit PageCursor(PageSource<Row>& source) : m_source(source) {}

    // Fills the page from the first row, or from a row on; selects grid row 1.
    void fillFirst() { fill(PageRead::First, Row{}); }
    void fillFrom(const Row& start) { fill(PageRead::From, start); }
    // Fills the page from the place of a row shown before the rows were changed: the row that
    // now stands at its place in the order (the next one after a deletion, the one before it
    // when the row itself moved up), or the last row when nothing follows that place.
    void fillPlaceOf(const Row& row);

    // The row on grid row 1..14, nullptr for a blank row or any other row number.
    const Row* at(int gridRow) const {
        return gridRow >= 1 && gridRow <= m_page.size() ? &m_page.at(gridRow - 1) : nullptr;
    }
    int selectedRow() const { return m_selected; }
    void selectRow(int gridRow) { m_selected = std::clamp(gridRow, 0, PageRows); }
    const Row* selected() const { return at(m_selected); }
    // Whether rows follow the page.
    bool rowsAfter() const { return m_rowsAfter; }

    // Down on the last row scrolls by one while rows follow (the selection stays on it);
    // up on the first row scrolls back by one. A page down shows the rows after the page,
    // a page up the 14 before it, stopping at the first row.
    void rowDown();
    void rowUp();
    void pageDown();
    void pageUp();

private:
    void fill(PageRead read, const Row& row);
    QList<Row> before(const Row& row, int count) { return m_source.read(PageRead::Before, row, count); }

    PageSource<Row>& m_source;
    QList<Row> m_page;
    bool m_rowsAfter = false;
    int m_selected = 0;
};

template <typename Row> void PageCursor<Row>::fill(PageRead read, const Row& row) {
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): the row may be one of the page's
    const Row place = row;
    m_page = m_source.read(read, place, PageRows + 1);
    m_rowsAfter = m_page.size() > PageRows;
    if (m_rowsAfter)
        m_page.resize(PageRows);
    m_selected = 1;
}

template <typename Row> void PageCursor<Row>::fillPlaceOf(const Row& row) {
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): as in fill()
    const Row place = row;
    if (!m_source.movedBefore(place)) {
        fill(PageRead::From, place);
        if (!m_page.isEmpty())
            return;
    }
    const QList<Row> previous = before(place, 1);
    if (previous.isEmpty())
        fillFirst();
    else
        fill(PageRead::From, previous.first());
}

template <typename Row> void PageCursor<Row>::rowDown() {
    if (m_selected < PageRows) {
        ++m_selected; // also onto a blank row
        return;
    }
    if (!m_rowsAfter || m_page.isEmpty())
        return;
    fill(PageRead::After, m_page.first());
    m_selected = PageRows;
}

template <typename Row> void PageCursor<Row>::rowUp() {
    if (m_selected > 1) {
        --m_selected;
        return;
    }
    m_selected = 1;
    if (m_page.isEmpty())
        return;
    const QList<Row> previous = before(m_page.first(), 1);
    fill(PageRead::From, previous.isEmpty() ? m_page.first() : previous.first());
}

template <typename Row> void PageCursor<Row>::pageDown() {
    if (m_rowsAfter)
        fill(PageRead::After, m_page.last());
}

template <typename Row> void PageCursor<Row>::pageUp() {
    if (m_page.isEmpty())
        return;
    const QList<Row> previous = before(m_page.first(), PageRows);
    fill(PageRead::From, previous.isEmpty() ? m_page.first() : previous.last());
}
