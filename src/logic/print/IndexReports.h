#pragma once

#include "logic/core/database/EmployeeStatements.h"
#include "logic/print/ReportSelections.h"

#include <QList>
#include <QString>

class PrintJob;

// The two index reports of the records: the lines, titles and drill-down keys they hand to
// the report engine. Each fills a job only when its selection holds rows.

// Every entry line is 161 characters wide.
constexpr int EntryIndexWidth = 161;
constexpr int EmployeeIndexWidth = 52;

// The index of schedule entries: for each entry its date, AFM and name, its hours and, when
// it has any, its remarks; each line leads back to the employee and to the entry. Returns
// false, leaving the job alone, when no entry qualifies.
bool FillEntryIndex(PrintJob& job, const EntryIndexRequest& request);

// The index of the employees given, in their order (the employee list hands over its whole
// table); each line leads back to the employee.
bool FillEmployeeIndex(PrintJob& job, const QList<Employee>& employees);

// The page settings of the two reports once filled: the entries take a landscape page of 161
// columns at 7.5 points; the employees a portrait page at the size their 52 columns allow;
// both show the work date and the page number. They measure the report font.
void SetEntryIndexPages(PrintJob& job);
void SetEmployeeIndexPages(PrintJob& job);

// The two reports ready to lay out, for the preview and the command line alike: filled and
// given their page settings as above.
bool PrepareEntryIndex(PrintJob& job, const EntryIndexRequest& request);
bool PrepareEmployeeIndex(PrintJob& job, const QList<Employee>& employees);

// The lines of one entry: hours and remarks keep to one line each, a line break inside
// them printed as two blanks.
QString EntryIndexEntryLine(const QString& kdate, const QString& afm, const QString& name);
QString EntryIndexTextLine(const QString& text);
QString EntryIndexKeys(const QString& afm, const QString& kdate);
