#pragma once

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/SubmissionStatements.h"

#include <QList>
#include <QString>

// The reports the record windows start. Each shows message 18 and no preview when its
// selection is empty; otherwise it opens a preview on its first page and returns it.
class Lbprint;

// The index of schedule entries for an AFM range and mask and a date range ("dd/mm/yyyy");
// sort 0 by date, anything else by AFM.
Lbprint* PrintEntryIndex(const QString& afmFrom, const QString& afmTo, const QString& mask,
                         const QString& fromDate, const QString& toDate, int sort);

// The index of the employees given, in their order.
Lbprint* PrintEmployeeIndex(const QList<Employee>& employees);

// The history of submissions of the filter, newest first.
Lbprint* PrintSubmissionHistory(const SubmissionFilter& filter);
