#pragma once

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"

#include <QList>
#include <functional>

// The reports of the two list windows, provided by the print engine. A list shows its
// print action disabled until the report it needs is set here (at start-up, next to the
// registration of the windows).
namespace RecordPrinting {
// The employee index of the rows given, in their order.
std::function<void(const QList<Employee>& rows)>& employeeIndex();
// The index of schedule entries from one date to another ("dd/mm/yyyy"), in the order.
std::function<void(const QString& fromDate, const QString& toDate, EntryOrder order)>& entryIndex();
} // namespace RecordPrinting

// A line of the employee index: the AFM padded to 15 characters, the name to 31 (a longer
// name is cut to 30 so that the columns stay in place), the branch to 5, then the line's
// control suffix "1    ". The report's titles follow.
QString EmployeeIndexLine(const Employee& employee);
inline const char* const EmployeeIndexTitle = "Ευρετήριο Εργαζομένων";
inline const char* const EmployeeIndexHeading = "Α.Φ.Μ.        |Ονοματεπώνυμο                 |Υποκ.|";

// The name of the web submission window; the send actions of the schedule windows are
// enabled when the window catalogue has it.
inline const char* const SubmissionWindow = "InterSymplOrar";
