#pragma once

#include "logic/core/database/EmployeeStatements.h"

// What the employee form does, chosen by its caller in BridgeMode slot 0.
namespace EmployeeMode {
constexpr qint16 None = 0;
constexpr qint16 Insert = 1;
constexpr qint16 Change = 2;
constexpr qint16 Delete = 3;
constexpr qint16 Copy = 4;
} // namespace EmployeeMode

// The caption of the form's accept button for a mode ("Εισαγωγή", "Μεταβολή", ...); the
// window's caption is that followed by " Εργαζομένων".
QString EmployeeModeCaption(qint16 mode);
// Whether the AFM may be typed in the mode (insert and copy).
bool EmployeeModeEditsAfm(qint16 mode);

struct RecordSave {
    // Changed and Gone: someone else changed or deleted the record since the form showed it,
    // and nothing was written.
    enum Outcome { Saved, Incomplete, Duplicate, Changed, Gone, Failed };
    Outcome outcome = Saved;
    DbStatus status; // the database's reason for Duplicate and Failed

    static RecordSave from(const DbStatus& status);
};

// Runs the mode's statement with the fields as the form holds them. Every mode but delete
// needs an AFM and a name that are not blank and a branch that is not empty (blanks count
// as a branch). Change and delete work on the employee as the form read him (`read`), and
// are refused when he is no longer so. Delete removes the employee together with his
// schedule entries.
RecordSave SaveEmployee(qint16 mode, const Employee& fields, const Employee& read = {});

// The box of a save refused because someone else changed the record (message 12) or deleted
// it since the form showed it.
void ShowSaveRefusal(const RecordSave& saved);
