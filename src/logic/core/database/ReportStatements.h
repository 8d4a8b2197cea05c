#pragma once

#include "logic/core/database/Database.h"
#include "logic/core/database/EntryStatements.h"

#include <QSqlQuery>

// Statements of the reports and of the batch submission. Tax-number bounds and masks come
// prepared (lower bound padded with blanks, upper with character 255, "*" as "%"); a mask
// of all "*" adds no condition. Dates are "yyyymmdd".
struct AfmRange {
    QString from;
    QString to;
    QString mask; // "" or all "*" for none
};

// The index of schedule entries (columns Eafm, Kdate, Korario, Kparat, Eepon).
QSqlQuery SelectEntryIndex(const AfmRange& afms, const QString& fromDate, const QString& toDate,
                           EntryOrder order, DbStatus* status = nullptr);

// Names of the employees with an entry between the two dates, by name.
QSqlQuery SelectEmployeeNamesWithEntries(const QString& fromDate, const QString& toDate,
                                         DbStatus* status = nullptr);
// AFMs of the same employees in the same order (employees of one name by AFM in both, so
// that a choice made on the list of names falls on the right AFM).
QSqlQuery SelectEmployeeAfmsWithEntries(const QString& fromDate, const QString& toDate,
                                        DbStatus* status = nullptr);
// AFMs of the employees with an entry between the two dates inside the AFM range and mask,
// by name.
QSqlQuery SelectEmployeesWithEntries(const QString& fromDate, const QString& toDate, const AfmRange& afms,
                                     DbStatus* status = nullptr);
// One employee's entries between the two dates (columns Korario, Kparat, Eafm, Eypo, Kdate,
// Eepon).
QSqlQuery SelectEmployeeEntries(const QString& afm, const QString& fromDate, const QString& toDate,
                                DbStatus* status = nullptr);

// One entry with its employee (columns Eafm, Kdate, Korario, Kparat, Eepon, Eypo, and
// Ergaz.Eafm, null when the employee is not in Ergaz).
QSqlQuery SelectEntryWithEmployee(const QString& afm, const QString& kdate, DbStatus* status = nullptr);

// The e-mail address of a company, "" when there is none.
QString SelectCompanyEmail(const QString& code, DbStatus* status = nullptr);

// True when the mask narrows the range (it is not empty and not all "*").
bool MaskNarrows(const QString& mask);
