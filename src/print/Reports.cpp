#include "Reports.h"

#include "IndexReports.h"
#include "Lbprint.h"
#include "core/Messages.h"

using namespace Qt::StringLiterals;

Lbprint* PrintEntryIndex(const QString& afmFrom, const QString& afmTo, const QString& mask,
                         const QString& fromDate, const QString& toDate, int sort) {
    auto* preview = new Lbprint;
    if (!FillEntryIndex(preview->job(), {afmFrom, afmTo, mask, fromDate, toDate, sort})) {
        delete preview;
        ShowMsg(18);
        return nullptr;
    }
    preview->Initprint(EntryIndexWidth, 3, 7.5, 0, true, true, false, {}, u"Tavrinex SA"_s, {});
    preview->PictPages();
    return preview;
}

Lbprint* PrintEmployeeIndex(EmployeeOrder order) {
    auto* preview = new Lbprint;
    if (!FillEmployeeIndex(preview->job(), order)) {
        delete preview;
        ShowMsg(18);
        return nullptr;
    }
    preview->Initprint(EmployeeIndexWidth, 2, 0, 0, true, true, false, {}, u"Tavrinex SA"_s, {});
    preview->PictPages();
    return preview;
}
