#include "logic/core/database/EntryStatements.h"

#include "logic/core/database/SqlExec.h"

std::optional<Entry> SelectEntry(const QString& afm, const QString& yyyymmdd, DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result =
        RunStatement(query, QStringLiteral("Select Korario,Kparat From Kins Where Eafm=? And Kdate=?"),
                     {KeyAfm(afm), yyyymmdd});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return std::nullopt;
    return Entry{afm, yyyymmdd, query.value(0).toString(), query.value(1).toString()};
}

DbStatus InsertEntry(const Entry& e) {
    QSqlQuery query(DbConnection());
    return RunStatement(query,
                        QStringLiteral("Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values (?,?,?,?)"),
                        {KeyAfm(e.Eafm), e.Kdate, e.Korario, e.Kparat});
}

namespace {
// Changed or Gone for a statement that found no entry as it was read.
DbStatus entryAsRead(QSqlQuery& query, const DbStatus& status, const Entry& read) {
    if (!status.ok() || query.numRowsAffected() > 0)
        return status;
    return RowChangedOrGone(QStringLiteral("Select Count(*) From Kins Where Eafm=? And Kdate=?"),
                            {KeyAfm(read.Eafm), read.Kdate});
}
} // namespace

DbStatus UpdateEntry(const Entry& e, const Entry& read) {
    QSqlQuery query(DbConnection());
    const DbStatus status = RunStatement(
        query,
        QStringLiteral(
            "Update Kins Set Korario=?,Kparat=? Where Eafm=? And Kdate=? And Korario=? And Kparat=?"),
        {e.Korario, e.Kparat, KeyAfm(read.Eafm), read.Kdate, read.Korario, read.Kparat});
    return entryAsRead(query, status, read);
}

DbStatus DeleteEntry(const Entry& read) {
    QSqlQuery query(DbConnection());
    const DbStatus status = RunStatement(
        query, QStringLiteral("Delete From Kins Where Eafm=? And Kdate=? And Korario=? And Kparat=?"),
        {KeyAfm(read.Eafm), read.Kdate, read.Korario, read.Kparat});
    return entryAsRead(query, status, read);
}

MonthEntriesStatement MakeMonthEntriesStatement(const QString& firstDay, const QString& beyond,
                                                EntryOrder order, PageRead read, const Entry& at, int count) {
    const bool byDate = order == EntryOrder::ByDate;
    const KeysetRead keyset =
        byDate ? MakeKeysetRead({QStringLiteral("Kins.Kdate"), QStringLiteral("Kins.Eafm")},
                                {at.Kdate, at.Eafm}, read)
               : MakeKeysetRead({QStringLiteral("Kins.Eafm"), QStringLiteral("Kins.Kdate")},
                                {at.Eafm, at.Kdate}, read);
    // In date order a read after an entry of the month starts at that entry's date: the
    // month's own bound on that side would only hide the better one from the planner.
    const bool fromAt = byDate && (read == PageRead::From || read == PageRead::After) && at.Kdate >= firstDay;
    const bool toAt = byDate && read == PageRead::Before && at.Kdate < beyond;
    QStringList conditions;
    QVariantList values;
    if (!fromAt) {
        conditions << QStringLiteral("Kins.Kdate>=?");
        values << firstDay;
    }
    if (!toAt) {
        conditions << QStringLiteral("Kins.Kdate<?");
        values << beyond;
    }
    // In AFM order the month index serves the page from its place, in order: its month is
    // named for the planner, the range of days still tells the first day.
    if (!byDate) {
        conditions << QStringLiteral("substr(Kins.Kdate,1,6)=?");
        values << firstDay.left(6);
    }
    if (!keyset.condition.isEmpty()) {
        conditions << keyset.condition;
        values << keyset.values;
    }
    const QString statement = QStringLiteral("Select Kins.*,Ergaz.Eepon,Ergaz.Eypo "
                                             "From Kins Inner Join Ergaz On Kins.Eafm=Ergaz.Eafm Where ") +
                              conditions.join(QStringLiteral(" And ")) + QStringLiteral(" Order By ") +
                              keyset.order + QStringLiteral(" Limit ?");
    return {statement, values << count};
}

QSqlQuery SelectMonthEntries(const QString& firstDay, const QString& beyond, EntryOrder order, PageRead read,
                             const Entry& at, int count, DbStatus* status) {
    const MonthEntriesStatement statement =
        MakeMonthEntriesStatement(firstDay, beyond, order, read, at, count);
    QSqlQuery query(DbConnection());
    query.setForwardOnly(true);
    ReportStatus(status, RunStatement(query, statement.text, statement.values));
    return query;
}
