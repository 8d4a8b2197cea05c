#include "logic/records/EntryRecord.h"

#include "logic/records/RecordKeys.h"

EntryEmployeeLookup LookUpEntryEmployee(const QString& afmText) {
    EntryEmployeeLookup lookup;
    lookup.searchText = afmText.trimmed();
    if (lookup.searchText.isEmpty())
        return lookup;
    if (!IsNumericText(afmText)) {
        lookup.outcome = EntryEmployeeLookup::PickByName;
        return lookup;
    }
    if (const std::optional<Employee> employee = SelectEmployeeNameAndBranch(afmText)) {
        lookup.outcome = EntryEmployeeLookup::Found;
        lookup.employee = *employee;
        return lookup;
    }
    lookup.outcome = EntryEmployeeLookup::PickByAfm;
    return lookup;
}

std::optional<Entry> FindEntry(const QString& afm, const QString& screenDate) {
    if (afm.trimmed().isEmpty() || screenDate.trimmed().isEmpty())
        return std::nullopt;
    return SelectEntry(afm, ScreenToStoredDate(screenDate));
}

RecordSave SaveEntry(qint16 mode, const QString& afm, const QString& screenDate, const QString& korario,
                     const QString& kparat, const Entry& read) {
    // A date that is no real day would be stored empty, and the entry never found again.
    const QString date = ScreenToStoredDate(screenDate.trimmed());
    if (afm.trimmed().isEmpty() || date.isEmpty() || korario.isEmpty())
        return {RecordSave::Incomplete, {}};
    const Entry entry{afm, date, korario, kparat};
    return RecordSave::from(mode == EntryMode::Change ? UpdateEntry(entry, read) : InsertEntry(entry));
}
