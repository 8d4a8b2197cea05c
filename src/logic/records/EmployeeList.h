#pragma once

#include "logic/core/database/EmployeeStatements.h"
#include "logic/records/PageCursor.h"

#include <QList>

// The page of the employee list and its movements, in the order chosen. Each movement reads
// the employees it shows through the order's index, so the list moves as fast at a million
// employees as at ten.
class EmployeeList {
public:
    EmployeeList() = default;
    EmployeeList(const EmployeeList&) = delete;
    EmployeeList& operator=(const EmployeeList&) = delete;

    // Reads the page again in the order. With keepPlace the page starts at the place of the
    // row that was selected (the employee now there, or the last one when that place is
    // past the end); otherwise at the first employee. A read error leaves a blank page.
    DbStatus reload(EmployeeOrder order, bool keepPlace);

    EmployeeOrder order() const { return m_pages.order; }
    PageCursor<Employee>& cursor() { return m_cursor; }
    const PageCursor<Employee>& cursor() const { return m_cursor; }

    // The employee shown on grid row 1..14, nullptr for a blank row or the heading.
    const Employee* atGridRow(int gridRow) const { return m_cursor.at(gridRow); }
    const Employee* selected() const { return m_cursor.selected(); }
    // The employee key (AFM padded to 14) of the selected row, "" when there is none.
    QString selectedKey() const;

    // Incremental search: the page starts at the first employee whose AFM, cut to the length
    // of the text, is not below the text by character code, or whose name is not below the
    // text in the Greek order with case and accents aside; a blank page when none is. A text
    // of blanks changes nothing; the text is compared untrimmed.
    void search(const QString& text);

    // The first read that failed since the last call (a server that went away), ok when
    // every read succeeded; the next call starts afresh.
    DbStatus takeFailure();

    // Every employee in the order of the list, for its report.
    QList<Employee> allRows() const;

    // The longest search text of the order: the AFM's 14 characters, 10 of a name.
    static int searchLength(EmployeeOrder order);

private:
    struct Pages : PageSource<Employee> {
        EmployeeOrder order = EmployeeOrder::ByName;
        DbStatus status;
        QList<Employee> read(PageRead read, const Employee& row, int count) override;
        bool movedBefore(const Employee& row) override;
    };
    Pages m_pages;
    PageCursor<Employee> m_cursor{m_pages};
};

// Every employee in the order, read forward in one pass.
QList<Employee> ReadEmployees(EmployeeOrder order, DbStatus* status = nullptr);
