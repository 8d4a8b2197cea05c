#include "logic/records/EmployeeList.h"

#include "logic/core/database/GreekCollation.h"
#include "logic/records/RecordKeys.h"

#include <utility>

QList<Employee> ReadEmployees(EmployeeOrder order, DbStatus* status) {
    QSqlQuery query = SelectEmployees(order, status);
    QList<Employee> rows;
    while (query.next()) {
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    }
    return rows;
}

QList<Employee> EmployeeList::Pages::read(PageRead read, const Employee& row, int count) {
    DbStatus readStatus;
    QList<Employee> rows = SelectEmployeePage(order, read, row, count, &readStatus);
    if (status.ok())
        status = readStatus;
    return rows;
}

bool EmployeeList::Pages::movedBefore(const Employee& row) {
    DbStatus readStatus;
    const bool moved = EmployeeMovedBefore(order, row, &readStatus);
    if (status.ok())
        status = readStatus;
    return moved;
}

DbStatus EmployeeList::takeFailure() {
    return std::exchange(m_pages.status, DbStatus{});
}

DbStatus EmployeeList::reload(EmployeeOrder order, bool keepPlace) {
    const Employee* place = keepPlace ? m_cursor.selected() : nullptr;
    const std::optional<Employee> remembered = place ? std::optional(*place) : std::nullopt;
    m_pages.order = order;
    m_pages.status = {};
    if (remembered)
        m_cursor.fillPlaceOf(*remembered);
    else
        m_cursor.fillFirst();
    return m_pages.status;
}

QList<Employee> EmployeeList::allRows() const {
    return ReadEmployees(m_pages.order);
}

QString EmployeeList::selectedKey() const {
    const Employee* employee = selected();
    return employee ? EmployeeKey(employee->Eafm) : QString();
}

void EmployeeList::search(const QString& text) {
    if (text.trimmed().isEmpty())
        return;
    Employee bound;
    if (order() == EmployeeOrder::ByAfm)
        bound.Eafm = text;
    else
        bound.Eepon = NameSearchBound(text); // with an empty AFM, the first of that name on
    m_cursor.fillFrom(bound);
}

int EmployeeList::searchLength(EmployeeOrder order) {
    return order == EmployeeOrder::ByAfm ? 14 : 10;
}
