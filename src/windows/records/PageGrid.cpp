#include "windows/records/PageGrid.h"

#include "logic/core/program/Twips.h"
#include "logic/records/PageCursor.h"
#include "windows/core/FormHelpers.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTableWidgetItem>
#include <QToolBar>

PageGrid::PageGrid(const QList<Column>& columns, QWidget* parent)
    : QTableWidget(PageRows, int(columns.size()), parent) {
    setObjectName(QStringLiteral("Grd"));
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < columns.size(); ++c) {
        auto* heading = new QTableWidgetItem(columns.at(c).heading);
        heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setHorizontalHeaderItem(c, heading);
        setColumnWidth(c, TwipsToPixels(columns.at(c).twips));
    }
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit rowClicked(row + 1); });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { emit rowDoubleClicked(row + 1); });
    resize(fullSize());
}

void PageGrid::showPage(const QList<QStringList>& rows) {
    for (int r = 0; r < rowCount(); ++r) {
        const QStringList cells = r < rows.size() ? rows.at(r) : QStringList();
        for (int c = 0; c < columnCount(); ++c)
            item(r, c)->setText(c < cells.size() ? cells.at(c) : QString());
    }
}

void PageGrid::highlightRow(int gridRow) {
    if (gridRow < 1 || gridRow > rowCount()) {
        clearSelection();
        setCurrentCell(-1, -1);
        return;
    }
    setCurrentCell(gridRow - 1, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int PageGrid::highlightedRow() const {
    const QList<QTableWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->row() + 1;
}

QString PageGrid::cellText(int gridRow, int column) const {
    const QTableWidgetItem* cell = item(gridRow - 1, column);
    return cell ? cell->text() : QString();
}

QSize PageGrid::fullSize() const {
    int width = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c)
        width += columnWidth(c);
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    return {width, height};
}

void PageGrid::mousePressEvent(QMouseEvent* event) {
    // The right button opens the pop-up menu for the row already highlighted.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void PageGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased();
}

QToolBar* MakeListToolbar(QWidget* window, const QList<QAction*>& buttons) {
    auto* toolbar = new QToolBar(window);
    toolbar->setObjectName(QStringLiteral("Tools"));
    toolbar->setIconSize(QSize(24, 24));
    for (int i = 0; i < buttons.size(); ++i) {
        buttons.at(i)->setObjectName(QStringLiteral("Tools_%1").arg(i + 1));
        toolbar->addAction(buttons.at(i));
    }
    BuildListToolbar(toolbar);
    toolbar->adjustSize();
    return toolbar;
}
