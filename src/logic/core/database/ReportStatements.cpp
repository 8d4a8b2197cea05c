#include "logic/core/database/ReportStatements.h"

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/SqlExec.h"

bool MaskNarrows(const QString& mask) {
    return !mask.isEmpty() && mask != QString(mask.size(), QLatin1Char('*'));
}

QSqlQuery SelectEntryIndex(const AfmRange& afms, const QString& fromDate, const QString& toDate,
                           EntryOrder order, DbStatus* status) {
    QSqlQuery query(DbConnection());
    // Read once from the first row to the last: the driver keeps no copy of the rows read.
    query.setForwardOnly(true);
    QString statement = QStringLiteral("Select Kins.*,Ergaz.Eepon "
                                       "From Kins Inner Join Ergaz On Kins.Eafm=Ergaz.Eafm "
                                       "Where Kins.Eafm>=? And Kins.Eafm<=?");
    // The lower bound comes padded with blanks, which the server's key does not ignore.
    QVariantList values{KeyAfm(afms.from), afms.to};
    if (MaskNarrows(afms.mask)) {
        statement += QStringLiteral(" And Kins.Eafm Like ?");
        values << afms.mask;
    }
    statement += QStringLiteral(" And Kins.Kdate>=? And Kins.Kdate<=?");
    values << fromDate << toDate;
    statement += order == EntryOrder::ByAfm ? QStringLiteral(" Order By Kins.Eafm,Kins.Kdate")
                                            : QStringLiteral(" Order By Kins.Kdate,Kins.Eafm");
    ReportStatus(status, RunStatement(query, statement, values));
    return query;
}

namespace {
// The names or the AFMs of the employees with an entry between the two dates, by name.
QSqlQuery selectWithEntries(const QString& column, const QString& fromDate, const QString& toDate,
                            DbStatus* status) {
    QSqlQuery query(DbConnection());
    ReportStatus(status, RunStatement(query,
                                      QStringLiteral("Select ") + column +
                                          QStringLiteral(" From Ergaz Where Exists (Select Eafm From Kins "
                                                         "Where Kins.Eafm=Ergaz.Eafm And Kins.Kdate>=? "
                                                         "And Kins.Kdate<=?) Order By ") +
                                          EmployeeOrderColumns(EmployeeOrder::ByName),
                                      {fromDate, toDate}));
    return query;
}
} // namespace

QSqlQuery SelectEmployeeNamesWithEntries(const QString& fromDate, const QString& toDate, DbStatus* status) {
    return selectWithEntries(QStringLiteral("Eepon"), fromDate, toDate, status);
}

QSqlQuery SelectEmployeeAfmsWithEntries(const QString& fromDate, const QString& toDate, DbStatus* status) {
    return selectWithEntries(QStringLiteral("Eafm"), fromDate, toDate, status);
}

QSqlQuery SelectEmployeesWithEntries(const QString& fromDate, const QString& toDate, const AfmRange& afms,
                                     DbStatus* status) {
    QSqlQuery query(DbConnection());
    QString statement = QStringLiteral("Select Eafm From Ergaz Where Exists (Select Eafm From Kins "
                                       "Where Kins.Eafm=Ergaz.Eafm And Kins.Kdate>=? And Kins.Kdate<=?) "
                                       "And Eafm>=? And Eafm<=?");
    QVariantList values{fromDate, toDate, KeyAfm(afms.from), afms.to};
    if (MaskNarrows(afms.mask)) {
        statement += QStringLiteral(" And Eafm Like ?");
        values << afms.mask;
    }
    statement += QStringLiteral(" Order By ") + EmployeeOrderColumns(EmployeeOrder::ByName);
    ReportStatus(status, RunStatement(query, statement, values));
    return query;
}

QSqlQuery SelectEmployeeEntries(const QString& afm, const QString& fromDate, const QString& toDate,
                                DbStatus* status) {
    QSqlQuery query(DbConnection());
    ReportStatus(
        status,
        RunStatement(query,
                     QStringLiteral("Select Korario,Kparat,Ergaz.Eafm,Ergaz.Eypo,Kins.Kdate,Ergaz.Eepon "
                                    "From Kins Inner Join Ergaz On Kins.Eafm=Ergaz.Eafm "
                                    "Where Kins.Eafm=? And Kins.Kdate>=? And Kins.Kdate<=? "
                                    "Order By Kins.Eafm,Kins.Kdate"),
                     {KeyAfm(afm), fromDate, toDate}));
    return query;
}

QSqlQuery SelectEntryWithEmployee(const QString& afm, const QString& kdate, DbStatus* status) {
    QSqlQuery query(DbConnection());
    ReportStatus(status,
                 RunStatement(query,
                              QStringLiteral("Select Kins.Eafm,Kins.Kdate,Korario,Kparat,Ergaz.Eepon,"
                                             "Ergaz.Eypo,Ergaz.Eafm From Kins Left Join Ergaz On "
                                             "Kins.Eafm=Ergaz.Eafm Where Kins.Eafm=? And Kins.Kdate=?"),
                              {KeyAfm(afm), kdate}));
    return query;
}

QString SelectCompanyEmail(const QString& code, DbStatus* status) {
    QSqlQuery query(DbConnection());
    const DbStatus result =
        RunStatement(query, QStringLiteral("Select Cemail From Company Where Ccode=?"), {code});
    ReportStatus(status, result);
    if (!result.ok() || !query.next())
        return {};
    return query.value(0).toString();
}
