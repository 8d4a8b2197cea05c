#pragma once

#include "logic/core/database/Database.h"
#include "logic/core/database/KeysetRead.h"

#include <QSqlQuery>
#include <optional>

struct Employee {
    QString Eafm;
    QString Eepon;
    QString Eypo;
    bool operator==(const Employee&) const = default;
};

enum class EmployeeOrder { ByAfm = 0, ByName = 1 };

// "Select * From Ergaz Where Eafm=afm" (trailing blanks of the AFM do not matter).
std::optional<Employee> SelectEmployee(const QString& afm, DbStatus* status = nullptr);
DbStatus InsertEmployee(const Employee& employee);
// Stores the name and branch of the employee that `read` showed. Someone else may have
// changed or deleted him since: the row is compared with `read` in the same statement, and
// the outcome is then Changed or Gone, with nothing written.
DbStatus UpdateEmployee(const Employee& employee, const Employee& read);
// Deletes the employee as `read` showed him and all his schedule entries in one transaction:
// both or neither; Changed or Gone, with nothing deleted, when he is no longer as read.
DbStatus DeleteEmployeeAndEntries(const Employee& read);
// All employees in the order asked, to be read forward once; the query is positioned
// before the first row.
QSqlQuery SelectEmployees(EmployeeOrder order, DbStatus* status = nullptr);
// The columns of an order, for "Order By": the AFM, or the name in the Greek order and the
// AFM for employees of one name.
QString EmployeeOrderColumns(EmployeeOrder order);
// Up to count employees of the order read from the place of `at` (ignored for the first
// ones), through the order's index.
QList<Employee> SelectEmployeePage(EmployeeOrder order, PageRead read, const Employee& at, int count,
                                   DbStatus* status = nullptr);
// Whether the employee of `at`'s AFM now stands before `at`'s place in the order: his name
// was changed to one that comes earlier.
bool EmployeeMovedBefore(EmployeeOrder order, const Employee& at, DbStatus* status = nullptr);
// Name and branch of one employee, for the schedule entry form.
std::optional<Employee> SelectEmployeeNameAndBranch(const QString& afm, DbStatus* status = nullptr);
// Name alone, for the batch submission.
std::optional<QString> SelectEmployeeName(const QString& afm, DbStatus* status = nullptr);
// An employee read from an import file: branch "0".
DbStatus InsertImportedEmployee(const QString& afm, const QString& name);
