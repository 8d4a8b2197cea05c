#include "logic/core/EntryStatements.h"

#include "logic/core/SqlExec.h"

std::optional<Entry> SelectEntry(const QString& afm, const QString& yyyymmdd, DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result = RunStatement(
        query, QStringLiteral("Select Korario,Kparat From Kins Where Eafm=? And Kdate=?"), {afm, yyyymmdd});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return std::nullopt;
    return Entry{afm, yyyymmdd, query.value(0).toString(), query.value(1).toString()};
}

DbStatus InsertEntry(const Entry& e) {
    QSqlQuery query(DbConnection());
    return RunStatement(query,
                        QStringLiteral("Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values (?,?,?,?)"),
                        {e.Eafm, e.Kdate, e.Korario, e.Kparat});
}

DbStatus UpdateEntry(const Entry& e) {
    QSqlQuery query(DbConnection());
    return RunStatement(query, QStringLiteral("Update Kins Set Korario=?,Kparat=? Where Eafm=? And Kdate=?"),
                        {e.Korario, e.Kparat, e.Eafm, e.Kdate});
}

DbStatus DeleteEntry(const QString& afm, const QString& yyyymmdd) {
    QSqlQuery query(DbConnection());
    return RunStatement(query, QStringLiteral("Delete From Kins Where Eafm=? And Kdate=?"), {afm, yyyymmdd});
}

QSqlQuery SelectMonthEntries(const QString& yyyymm, const QString& dd, EntryOrder order, DbStatus* status) {
    QSqlQuery query(DbConnection());
    const QString statement =
        QStringLiteral("Select Kins.*,Ergaz.Eepon,Ergaz.Eypo "
                       "From Kins Inner Join Ergaz On Kins.Eafm=Ergaz.Eafm Where "
                       "substr(Kins.Kdate,1,6)=? And substr(Kins.Kdate,7,2)>=?") +
        (order == EntryOrder::ByDate ? QStringLiteral(" Order By Kins.Kdate,Kins.Eafm")
                                     : QStringLiteral(" Order By Kins.Eafm,Kins.Kdate"));
    ReportStatus(status, RunStatement(query, statement, {yyyymm, dd}));
    return query;
}
