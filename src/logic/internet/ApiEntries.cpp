#include "logic/internet/ApiEntries.h"

#include "logic/core/database/ReportStatements.h"
#include "logic/core/database/SqlExec.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/records/RecordKeys.h"

QList<ApiEntry> ReadOneEntry(const QString& afm, const QString& kdate, DbStatus* status) {
    QSqlQuery query = SelectEntryWithEmployee(afm, kdate, status);
    QList<ApiEntry> entries;
    while (query.next())
        entries << ApiEntry{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
                            !query.value(6).isNull()};
    return entries;
}

QList<ApiEntry> ReadBatchEntries(const BatchSelection& selection, DbStatus* status) {
    const QString from = ScreenToStoredDate(selection.fromDate);
    const QString to = ScreenToStoredDate(selection.toDate);
    DbStatus read;
    const QStringList afms = BatchEmployees(selection, &read);
    QList<ApiEntry> entries;
    for (qsizetype n = 0; n < afms.size() && read.ok(); ++n) {
        if (!BatchPicks(selection, n))
            continue;
        // Columns Korario, Kparat, Eafm, Eypo, Kdate, Eepon.
        QSqlQuery query = SelectEmployeeEntries(afms.at(n), from, to, &read);
        while (query.next())
            entries << ApiEntry{query.value(2).toString(), query.value(4).toString(),
                                query.value(0).toString(), query.value(1).toString(),
                                query.value(5).toString(), query.value(3).toString()};
    }
    ReportStatus(status, read);
    return entries;
}

QList<ApiEntry> ReadHandedEntries(DbStatus* status) {
    if (Program.SendBatch.fromDate.isEmpty())
        return ReadOneEntry(Program.SendEafm, Program.SendKdate, status);
    return ReadBatchEntries(Program.SendBatch, status);
}
