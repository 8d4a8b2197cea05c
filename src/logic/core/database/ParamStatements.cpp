#include "logic/core/database/ParamStatements.h"

#include "logic/core/database/SqlExec.h"

ParamValues ParamValues::trimmed() const {
    return {IkaCode.trimmed(),    IkaPass.trimmed(), TaxisCode.trimmed(), TaxisPass.trimmed(),
            SmtpServer.trimmed(), Cemail.trimmed(),  Lemail.trimmed(),    Cepon.trimmed()};
}

std::optional<ParamValues> SelectParam(DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result = RunStatement(
        query,
        QStringLiteral(
            "Select IkaCode,IkaPass,TaxisCode,TaxisPass,SmtpServer,Cemail,Lemail,Cepon From Param"),
        {});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return std::nullopt;
    ParamValues values;
    QString* fields[] = {&values.IkaCode,    &values.IkaPass, &values.TaxisCode, &values.TaxisPass,
                         &values.SmtpServer, &values.Cemail,  &values.Lemail,    &values.Cepon};
    for (int i = 0; i < 8; ++i)
        *fields[i] = query.value(i).toString().trimmed();
    return values;
}

DbStatus UpdateParam(const ParamValues& v) {
    QSqlQuery query(DbConnection());
    return RunStatement(
        query,
        QStringLiteral("Update Param Set IkaCode=?,IkaPass=?,TaxisCode=?,TaxisPass=?,"
                       "SmtpServer=?,Cemail=?,Lemail=?,Cepon=?"),
        {v.IkaCode, v.IkaPass, v.TaxisCode, v.TaxisPass, v.SmtpServer, v.Cemail, v.Lemail, v.Cepon});
}

QString SelectNewsDat(DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result = RunStatement(query, QStringLiteral("Select NewsDat From Param"), {});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return {};
    return query.value(0).toString();
}

DbStatus UpdateNewsDat(const QString& day) {
    QSqlQuery query(DbConnection());
    return RunStatement(query, QStringLiteral("Update Param Set NewsDat=?"), {day});
}
