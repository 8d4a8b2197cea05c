#include "logic/records/PageCursor.h"

#include <algorithm>

std::array<int, PageCursor::PageRows> PageCursor::blankPage() {
    std::array<int, PageRows> page;
    page.fill(NoRow);
    return page;
}

void PageCursor::reopen(int rowCount) {
    m_rowCount = std::max(0, rowCount);
    m_position = 0;
}

void PageCursor::clear() {
    reopen(0);
    m_bookmarks = blankPage();
    m_selected = 0;
}

void PageCursor::moveTo(int position) {
    m_position = std::clamp(position, 0, m_rowCount);
}

void PageCursor::fillPage() {
    for (int& mark : m_bookmarks) {
        if (atEnd()) {
            mark = NoRow;
        } else {
            mark = m_position;
            ++m_position;
        }
    }
    m_selected = 1;
}

void PageCursor::findFirst(const std::function<bool(int position)>& matches) {
    m_position = 0;
    while (!atEnd() && !matches(m_position))
        ++m_position;
    fillPage();
}

int PageCursor::bookmark(int gridRow) const {
    if (gridRow < 1 || gridRow > PageRows)
        return NoRow;
    return m_bookmarks[gridRow - 1];
}

void PageCursor::selectRow(int gridRow) {
    m_selected = std::clamp(gridRow, 0, int(PageRows));
}

void PageCursor::rowDown() {
    if (m_selected < PageRows) {
        ++m_selected; // also onto a blank row
        return;
    }
    // On the last row: scroll by one when there are rows after the page.
    if (atEnd() || bookmark(1) == NoRow)
        return;
    moveTo(bookmark(1) + 1);
    if (!atEnd()) {
        fillPage();
        m_selected = PageRows;
    }
}

void PageCursor::rowUp() {
    if (m_selected > 1) {
        --m_selected;
        return;
    }
    m_selected = 1;
    const int first = bookmark(1);
    if (first == NoRow || m_rowCount == 0)
        return;
    moveTo(std::max(0, first - 1));
    fillPage();
}

void PageCursor::pageDown() {
    if (!atEnd())
        fillPage();
}

void PageCursor::pageUp() {
    const int first = bookmark(1);
    if (first == NoRow || m_rowCount == 0)
        return;
    moveTo(std::max(0, first - PageRows));
    fillPage();
}
