#pragma once

#include "logic/core/EmployeeStatements.h"
#include "logic/records/PageCursor.h"

#include <QList>

// The rows and the paging of the employee list: every employee in the chosen order, read
// in one pass, and the page of 14 shown on the grid.
class EmployeeList {
public:
    // Reads the table again in the order. With keepPlace the page starts at the position of
    // the row that was selected (or at the last employee when that position is gone);
    // otherwise at the first employee. Read errors leave the rows that could be read.
    DbStatus reload(EmployeeOrder order, bool keepPlace);
    // The same with rows given by the caller, already in the order.
    void setRows(QList<Employee> rows, EmployeeOrder order, bool keepPlace);

    EmployeeOrder order() const { return m_order; }
    int size() const { return int(m_rows.size()); }
    const QList<Employee>& rows() const { return m_rows; }
    PageCursor& cursor() { return m_cursor; }
    const PageCursor& cursor() const { return m_cursor; }

    // The employee shown on grid row 1..14, nullptr for a blank row or the heading.
    const Employee* atGridRow(int gridRow) const;
    const Employee* selected() const { return atGridRow(m_cursor.selectedRow()); }
    // The employee key (AFM padded to 14) of the selected row, "" when there is none.
    QString selectedKey() const;

    // Incremental search: the page starts at the first employee whose AFM, cut to the length
    // of the text, is not below the text by character code, or whose name is not below the
    // text in the Greek order with case and accents aside; a blank page when none is. An
    // empty list or a text of blanks changes nothing; the text is compared untrimmed.
    void search(const QString& text);

    // The longest search text of the order: the AFM's 14 characters, 10 of a name.
    static int searchLength(EmployeeOrder order);

private:
    QList<Employee> m_rows;
    EmployeeOrder m_order = EmployeeOrder::ByName;
    PageCursor m_cursor;
};

// Every employee in the order, read forward in one pass.
QList<Employee> ReadEmployees(EmployeeOrder order, DbStatus* status = nullptr);
