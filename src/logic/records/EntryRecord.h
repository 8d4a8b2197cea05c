#pragma once

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"
#include "logic/records/EmployeeRecord.h"

// The schedule entry form's mode, held in BridgeMode slot 1.
namespace EntryMode {
constexpr qint16 Insert = 1;
constexpr qint16 Change = 2;
} // namespace EntryMode

// What the AFM typed into the entry form leads to.
struct EntryEmployeeLookup {
    enum Outcome {
        Blank,      // nothing typed: no employee
        Found,      // the employee of a numeric AFM
        PickByAfm,  // a numeric AFM not in the table: the list sorted by AFM
        PickByName, // a name fragment: the list sorted by name
    };
    Outcome outcome = Blank;
    Employee employee;  // name and branch when Found
    QString searchText; // the trimmed text for the list
};
EntryEmployeeLookup LookUpEntryEmployee(const QString& afmText);

// The entry of an AFM and a screen date, when both are given and it exists.
std::optional<Entry> FindEntry(const QString& afm, const QString& screenDate);

// Saves the entry in the mode: an insert, or an update of hours and remarks of the entry as
// the form read it (`read`), refused when it is no longer so. It needs an AFM that is not
// blank, a date "dd/mm/yyyy" that is a real day and hours that are not empty.
RecordSave SaveEntry(qint16 mode, const QString& afm, const QString& screenDate, const QString& korario,
                     const QString& kparat, const Entry& read = {});
