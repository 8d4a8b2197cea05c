#include "logic/records/EmployeeList.h"

#include "logic/core/database/GreekCollation.h"
#include "logic/records/RecordKeys.h"

QList<Employee> ReadEmployees(EmployeeOrder order, DbStatus* status) {
    QSqlQuery query = SelectEmployees(order, status);
    QList<Employee> rows;
    while (query.next()) {
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    }
    return rows;
}

QList<Employee> EmployeeList::Pages::read(PageRead read, const Employee& row, int count) {
    return SelectEmployeePage(order, read, row, count, &status);
}

bool EmployeeList::Pages::movedBefore(const Employee& row) {
    return EmployeeMovedBefore(order, row, &status);
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
