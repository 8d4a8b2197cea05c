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
    enum Outcome { Saved, Incomplete, Duplicate, Failed };
    Outcome outcome = Saved;
    DbStatus status; // the database's reason for Duplicate and Failed
};

// Runs the mode's statement with the fields as the form holds them. Every mode but delete
// needs an AFM and a name that are not blank and a branch that is not empty (blanks count
// as a branch). Delete removes the employee together with his schedule entries.
RecordSave SaveEmployee(qint16 mode, const Employee& fields);
