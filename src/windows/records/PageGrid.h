#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

class QToolBar;

// The grid of a list window: a heading row and the page of 14 rows. Grid rows are
// numbered as the lists number them, 1..14 for the page (0 is the heading). The grid never
// keeps the focus: the window's search box has it.
class PageGrid : public QTableWidget {
    Q_OBJECT
public:
    // Columns: heading and width in twips.
    struct Column {
        QString heading;
        int twips;
    };
    PageGrid(const QList<Column>& columns, QWidget* parent);

    // Shows the page: the cells of rows 1..14, an empty list for a blank row.
    void showPage(const QList<QStringList>& rows);
    // Highlights grid row 1..14 across all columns (0 highlights nothing).
    void highlightRow(int gridRow);
    // The highlighted grid row, 0 when none is.
    int highlightedRow() const;
    // The text of a cell of grid row 1..14.
    QString cellText(int gridRow, int column) const;
    // The size the grid needs to show every row and column, in pixels.
    QSize fullSize() const;

signals:
    // The user clicked a row (1..14).
    void rowClicked(int gridRow);
    void rowDoubleClicked(int gridRow);
    // The right mouse button was released over the grid.
    void rightButtonReleased();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A list window's toolbar with the eleven commands given as its buttons (their actions then
// named Tools_1 .. Tools_11) and their pictures, in order: pick, new, change, delete, print,
// copy, page up, row up, row down, page down, exit.
QToolBar* MakeListToolbar(QWidget* window, const QList<QAction*>& buttons);
