#include "logic/records/EmployeeList.h"

#include "logic/core/GreekCollation.h"
#include "logic/records/RecordKeys.h"

QList<Employee> ReadEmployees(EmployeeOrder order, DbStatus* status) {
    QSqlQuery query = SelectEmployees(order, status);
    QList<Employee> rows;
    while (query.next()) {
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    }
    return rows;
}

DbStatus EmployeeList::reload(EmployeeOrder order, bool keepPlace) {
    DbStatus status;
    QList<Employee> rows = ReadEmployees(order, &status);
    setRows(std::move(rows), order, keepPlace);
    return status;
}

void EmployeeList::setRows(QList<Employee> rows, EmployeeOrder order, bool keepPlace) {
    const int remembered = m_cursor.selectedPosition();
    m_rows = std::move(rows);
    m_order = order;
    m_cursor.reopen(int(m_rows.size()));
    // The reopened rows are addressed by ordinal position: the same place in the new order.
    if (keepPlace && remembered != PageCursor::NoRow) {
        if (remembered < size())
            m_cursor.moveTo(remembered);
        else if (size() > 0)
            m_cursor.moveTo(size() - 1);
    }
    m_cursor.fillPage();
}

const Employee* EmployeeList::atGridRow(int gridRow) const {
    const int position = m_cursor.bookmark(gridRow);
    if (position == PageCursor::NoRow || position >= size())
        return nullptr;
    return &m_rows.at(position);
}

QString EmployeeList::selectedKey() const {
    const Employee* employee = selected();
    return employee ? EmployeeKey(employee->Eafm) : QString();
}

void EmployeeList::search(const QString& text) {
    if (m_rows.isEmpty() || text.trimmed().isEmpty())
        return;
    if (m_order == EmployeeOrder::ByAfm) {
        const qsizetype length = text.size();
        m_cursor.findFirst([&](int position) {
            return QStringView(m_rows.at(position).Eafm).left(length).compare(text, Qt::CaseSensitive) >= 0;
        });
        return;
    }
    const QString bound = NameSearchBound(text);
    m_cursor.findFirst([&](int position) { return CompareNames(m_rows.at(position).Eepon, bound) >= 0; });
}

int EmployeeList::searchLength(EmployeeOrder order) {
    return order == EmployeeOrder::ByAfm ? 14 : 10;
}
