#pragma once

#include "logic/core/database/EmployeeStatements.h"

#include <QList>

// A line of the employee index: the AFM padded to 15 characters, the name to 31 (a longer
// name is cut to 30 so that the columns stay in place), the branch to 5, then the line's
// control suffix "1    ". The report's titles follow.
QString EmployeeIndexLine(const Employee& employee);
inline const char* const EmployeeIndexTitle = "Ευρετήριο Εργαζομένων";
inline const char* const EmployeeIndexHeading = "Α.Φ.Μ.        |Ονοματεπώνυμο                 |Υποκ.|";
