#include "windows/print/Reports.h"

#include "logic/core/program/Messages.h"
#include "logic/print/HistoryReport.h"
#include "logic/print/IndexReports.h"
#include "windows/print/Lbprint.h"

Lbprint* PrintEntryIndex(const QString& afmFrom, const QString& afmTo, const QString& mask,
                         const QString& fromDate, const QString& toDate, int sort) {
    auto* preview = new Lbprint;
    if (!PrepareEntryIndex(preview->job(), {afmFrom, afmTo, mask, fromDate, toDate, sort})) {
        delete preview;
        ShowMsg(18);
        return nullptr;
    }
    preview->fitToPage();
    preview->PictPages();
    return preview;
}

Lbprint* PrintEmployeeIndex(const QList<Employee>& employees) {
    auto* preview = new Lbprint;
    if (!PrepareEmployeeIndex(preview->job(), employees)) {
        delete preview;
        ShowMsg(18);
        return nullptr;
    }
    preview->fitToPage();
    preview->PictPages();
    return preview;
}

Lbprint* PrintSubmissionHistory(const SubmissionFilter& filter) {
    auto* preview = new Lbprint;
    DbStatus read;
    if (!PrepareHistoryReport(preview->job(), filter, &read)) {
        delete preview;
        if (read.ok())
            ShowMsg(18);
        else
            ShowDatabaseError(read);
        return nullptr;
    }
    preview->fitToPage();
    preview->PictPages();
    return preview;
}
