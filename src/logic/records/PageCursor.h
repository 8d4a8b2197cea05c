#pragma once

#include <array>
#include <functional>

// The paging of a list window over a result set of rowCount() rows: a current position
// (0 .. rowCount(), rowCount() being the end), the page of 14 grid rows with the position
// each row shows (its bookmark), and the selected grid row (0 is the heading row, 1..14
// the page).
//
// Filling a page walks from the current position, so afterwards the position is just past
// the last row shown; the row and page movements below rely on that.
class PageCursor {
public:
    static constexpr int PageRows = 14;
    static constexpr int NoRow = -1;

    // The result set was (re)opened with rowCount rows: the position goes to the first row.
    // The page and the selection are kept until the next fill, so that a reload can find
    // the row that was selected.
    void reopen(int rowCount);
    // Forgets the page too (a new window).
    void clear();

    int rowCount() const { return m_rowCount; }
    int position() const { return m_position; }
    bool atEnd() const { return m_position >= m_rowCount; }
    // Moves the position, clamped to 0 .. rowCount().
    void moveTo(int position);

    // Fills the page from the current position and selects grid row 1.
    void fillPage();
    // Moves to the first position for which matches() holds (or to the end) and fills the
    // page from there.
    void findFirst(const std::function<bool(int position)>& matches);

    // The position shown on grid row 1..14, NoRow for a blank row or any other row number.
    int bookmark(int gridRow) const;
    int selectedRow() const { return m_selected; }
    void selectRow(int gridRow);
    // The position of the selected row, NoRow when it is blank or the heading.
    int selectedPosition() const { return bookmark(m_selected); }

    void rowDown();
    void rowUp();
    void pageDown();
    void pageUp();

private:
    int m_rowCount = 0;
    int m_position = 0;
    int m_selected = 0;
    std::array<int, PageRows> m_bookmarks = blankPage();

    static std::array<int, PageRows> blankPage();
};
