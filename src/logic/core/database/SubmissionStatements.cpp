#include "logic/core/database/SubmissionStatements.h"

#include "logic/core/database/Schema.h"
#include "logic/core/database/SqlExec.h"

#include <QSqlError>

namespace {

const QString Columns =
    QStringLiteral("Submissions.Eafm,Submissions.Kdate,Sway,Sstate,Sprotocol,Ssubmit,Sdocid,"
                   "Shours,Ssent,Sproof");

} // namespace

QString CreateSubmissionTables(const QSqlDatabase& db) {
    QSqlQuery query(db);
    for (const QString& statement : SubmissionTableStatements()) {
        if (!query.exec(statement))
            return query.lastError().text();
    }
    return {};
}

DbStatus InsertSubmissions(const QList<SubmissionRow>& rows) {
    QSqlDatabase db = DbConnection();
    if (!db.transaction())
        return DbStatus::fromError(db.lastError());
    QSqlQuery query(db);
    for (const SubmissionRow& row : rows) {
        const DbStatus status = RunStatement(
            query,
            QStringLiteral(
                "Insert Into Submissions (Eafm,Kdate,Sway,Sstate,Sprotocol,Ssubmit,Sdocid,Shours,Ssent,"
                "Sproof) Values (?,?,?,?,?,?,?,?,?,?)"),
            {row.Eafm, row.Kdate, row.Sway, row.Sstate, row.Sprotocol, row.Ssubmit, row.Sdocid, row.Shours,
             row.Ssent, row.Sproof});
        if (!status.ok()) {
            query.finish();
            db.rollback();
            return status;
        }
    }
    query.finish();
    if (!db.commit()) {
        const DbStatus status = DbStatus::fromError(db.lastError());
        db.rollback();
        return status;
    }
    return {};
}

SubmissionRow SubmissionFromQuery(const QSqlQuery& query) {
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
            query.value(6).toString(), query.value(7).toString(), query.value(8).toString(),
            query.value(9).toString()};
}

std::optional<SubmissionRow> SelectLastSubmission(const QString& afm, const QString& kdate,
                                                  DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result = RunStatement(query,
                                         QStringLiteral("Select ") + Columns +
                                             QStringLiteral(" From Submissions Where Eafm=? And Kdate=? "
                                                            "Order By Ssent Desc Limit 1"),
                                         {afm.trimmed(), kdate});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return std::nullopt;
    return SubmissionFromQuery(query);
}

QList<SubmissionRow> SelectSubmissionsBetween(const QString& fromDate, const QString& toDate,
                                              DbStatus* status) {
    QSqlQuery query(DbConnection());
    query.setForwardOnly(true);
    const DbStatus result = RunStatement(query,
                                         QStringLiteral("Select ") + Columns +
                                             QStringLiteral(" From Submissions Where Kdate>=? And Kdate<=? "
                                                            "Order By Ssent"),
                                         {fromDate, toDate});
    ReportStatus(status, result);
    QList<SubmissionRow> rows;
    while (result.ok() && query.next())
        rows << SubmissionFromQuery(query);
    return rows;
}

QSqlQuery SelectSubmissionHistory(const SubmissionFilter& filter, DbStatus* status) {
    QStringList conditions;
    QVariantList values;
    // Beginnings compared with substr, so that no character typed acts as a wildcard.
    if (const QString afm = filter.afm.trimmed(); !afm.isEmpty()) {
        conditions << QStringLiteral("substr(Submissions.Eafm,1,%1)=?").arg(afm.size());
        values << afm;
    }
    if (!filter.fromDate.isEmpty()) {
        conditions << QStringLiteral("Submissions.Kdate>=?");
        values << filter.fromDate;
    }
    if (!filter.toDate.isEmpty()) {
        conditions << QStringLiteral("Submissions.Kdate<=?");
        values << filter.toDate;
    }
    if (const QString protocol = filter.protocol.trimmed(); !protocol.isEmpty()) {
        conditions << QStringLiteral("substr(Sprotocol,1,%1)=?").arg(protocol.size());
        values << protocol;
    }
    QString statement = QStringLiteral("Select ") + Columns +
                        QStringLiteral(",Coalesce(Ergaz.Eepon,'') From Submissions Left Join Ergaz On "
                                       "Submissions.Eafm=Ergaz.Eafm");
    if (!conditions.isEmpty())
        statement += QStringLiteral(" Where ") + conditions.join(QStringLiteral(" And "));
    statement += QStringLiteral(" Order By Ssent Desc,Submissions.Eafm,Submissions.Kdate");
    QSqlQuery query(DbConnection());
    query.setForwardOnly(true);
    ReportStatus(status, RunStatement(query, statement, values));
    return query;
}

ApiAccount SelectApiAccount(DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result =
        RunStatement(query, QStringLiteral("Select Auser,Apass From ApiLogin Limit 1"), QVariantList{});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return {};
    return {query.value(0).toString(), query.value(1).toString()};
}

DbStatus UpdateApiAccount(const ApiAccount& account) {
    QSqlQuery query(DbConnection());
    DbStatus status = RunStatement(query, QStringLiteral("Update ApiLogin Set Auser=?,Apass=?"),
                                   {account.user, account.password});
    if (status.ok() && query.numRowsAffected() == 0)
        status = RunStatement(query, QStringLiteral("Insert Into ApiLogin (Auser,Apass) Values (?,?)"),
                              {account.user, account.password});
    return status;
}
