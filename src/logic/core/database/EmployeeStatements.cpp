#include "logic/core/database/EmployeeStatements.h"

#include "logic/core/database/GreekCollation.h"
#include "logic/core/database/SqlExec.h"

namespace {
Employee employeeFrom(const QSqlQuery& query) {
    return {query.value(QStringLiteral("Eafm")).toString(), query.value(QStringLiteral("Eepon")).toString(),
            query.value(QStringLiteral("Eypo")).toString()};
}

} // namespace

std::optional<Employee> SelectEmployee(const QString& afm, DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result =
        RunStatement(query, QStringLiteral("Select * From Ergaz Where Eafm=?"), {KeyAfm(afm)});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return std::nullopt;
    return employeeFrom(query);
}

DbStatus InsertEmployee(const Employee& e) {
    QSqlQuery query(DbConnection());
    return RunStatement(query, QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,?)"),
                        {KeyAfm(e.Eafm), e.Eepon, e.Eypo});
}

namespace {
// Changed or Gone for a statement that found no row as it was read: whether the employee is
// still there tells which.
DbStatus employeeAsRead(QSqlQuery& query, const DbStatus& status, const QString& afm) {
    if (!status.ok() || query.numRowsAffected() > 0)
        return status;
    return RowChangedOrGone(QStringLiteral("Select Count(*) From Ergaz Where Eafm=?"), {KeyAfm(afm)});
}
} // namespace

DbStatus UpdateEmployee(const Employee& e, const Employee& read) {
    QSqlQuery query(DbConnection());
    const DbStatus status = RunStatement(
        query, QStringLiteral("Update Ergaz Set Eepon=?,Eypo=? Where Eafm=? And Eepon=? And Eypo=?"),
        {e.Eepon, e.Eypo, KeyAfm(read.Eafm), read.Eepon, read.Eypo});
    return employeeAsRead(query, status, read.Eafm);
}

DbStatus DeleteEmployeeAndEntries(const Employee& read) {
    QSqlDatabase db = DbConnection();
    if (!db.transaction())
        return DbStatus::fromFailure(db.lastError());
    QSqlQuery query(db);
    DbStatus status =
        RunStatement(query, QStringLiteral("Delete From Ergaz Where Eafm=? And Eepon=? And Eypo=?"),
                     {KeyAfm(read.Eafm), read.Eepon, read.Eypo});
    if (status.ok() && query.numRowsAffected() == 0) {
        db.rollback();
        return employeeAsRead(query, status, read.Eafm);
    }
    if (status.ok())
        status = RunStatement(query, QStringLiteral("Delete From Kins Where Eafm=?"), {KeyAfm(read.Eafm)});
    query.finish();
    if (!status.ok()) {
        db.rollback();
        return status;
    }
    if (!db.commit()) {
        const DbStatus commitStatus = DbStatus::fromFailure(db.lastError());
        db.rollback();
        return commitStatus;
    }
    return status;
}

QSqlQuery SelectEmployees(EmployeeOrder order, DbStatus* status) {
    QSqlQuery query(DbConnection());
    // Read once from the first row to the last: no copy of the rows is kept for going back.
    query.setForwardOnly(true);
    const QString statement = QStringLiteral("Select * From Ergaz Order By ") + EmployeeOrderColumns(order);
    ReportStatus(status, RunStatement(query, statement, {}));
    return query;
}

QString EmployeeOrderColumns(EmployeeOrder order) {
    if (order == EmployeeOrder::ByAfm)
        return QStringLiteral("Eafm");
    return QStringLiteral("Eepon") + NameCollation(DbConnection()) + QStringLiteral(",Eafm");
}

QList<Employee> SelectEmployeePage(EmployeeOrder order, PageRead read, const Employee& at, int count,
                                   DbStatus* status) {
    const KeysetRead keyset = order == EmployeeOrder::ByAfm
                                  ? MakeKeysetRead({QStringLiteral("Eafm")}, {at.Eafm}, read)
                                  : MakeKeysetRead({QStringLiteral("Eepon") + NameCollation(DbConnection()),
                                                    QStringLiteral("Eafm")},
                                                   {at.Eepon, at.Eafm}, read);
    QString statement = QStringLiteral("Select * From Ergaz");
    if (!keyset.condition.isEmpty())
        statement += QStringLiteral(" Where ") + keyset.condition;
    statement += QStringLiteral(" Order By ") + keyset.order + QStringLiteral(" Limit ?");
    QSqlQuery query(DbConnection());
    query.setForwardOnly(true);
    const DbStatus result = RunStatement(query, statement, keyset.values + QVariantList{count});
    ReportStatus(status, result);
    QList<Employee> rows;
    while (result.ok() && query.next())
        rows.append(employeeFrom(query));
    return rows;
}

bool EmployeeMovedBefore(EmployeeOrder order, const Employee& at, DbStatus* status) {
    // An AFM is never changed: only a name moves.
    if (order == EmployeeOrder::ByAfm)
        return false;
    QSqlQuery query(DbConnection());
    const DbStatus result = RunStatement(query,
                                         QStringLiteral("Select Count(*) From Ergaz Where Eafm=? And Eepon") +
                                             NameCollation(DbConnection()) + QStringLiteral("<?"),
                                         {KeyAfm(at.Eafm), at.Eepon});
    ReportStatus(status, result);
    return result.ok() && query.next() && query.value(0).toInt() > 0;
}

std::optional<Employee> SelectEmployeeNameAndBranch(const QString& afm, DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result =
        RunStatement(query, QStringLiteral("Select Eepon,Eypo From Ergaz Where Eafm=?"), {KeyAfm(afm)});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return std::nullopt;
    return Employee{afm, query.value(0).toString(), query.value(1).toString()};
}

std::optional<QString> SelectEmployeeName(const QString& afm, DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result =
        RunStatement(query, QStringLiteral("Select Eepon From Ergaz Where Eafm=?"), {KeyAfm(afm)});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return std::nullopt;
    return query.value(0).toString();
}

DbStatus InsertImportedEmployee(const QString& afm, const QString& name) {
    QSqlQuery query(DbConnection());
    return RunStatement(query, QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'0')"),
                        {KeyAfm(afm), name});
}
