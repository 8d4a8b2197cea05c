#include "logic/print/ReportSelections.h"

#include "logic/core/database/ReportStatements.h"
#include "logic/core/text/FieldRules.h"

namespace {
constexpr int AfmWidth = 14;

// "dd/mm/yyyy" as stored, "yyyymmdd".
QString StoredDate(const QString& screenDate) {
    return screenDate.mid(6, 4) + screenDate.mid(3, 2) + screenDate.left(2);
}
} // namespace

QSqlQuery SelectEntryIndexLines(const EntryIndexRequest& request) {
    AfmRange afms{request.afmFrom, request.afmTo, request.mask};
    PrepareRange(afms.from, afms.to, afms.mask, AfmWidth);
    afms.mask = afms.mask.trimmed();
    return SelectEntryIndex(afms, StoredDate(request.fromDate), StoredDate(request.toDate),
                            request.sort != 0 ? EntryOrder::ByAfm : EntryOrder::ByDate);
}
