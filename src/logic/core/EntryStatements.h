#pragma once

#include "logic/core/Database.h"

#include <QSqlQuery>
#include <optional>

// A supplementary-schedule entry; Kdate is "yyyymmdd".
struct Entry {
    QString Eafm;
    QString Kdate;
    QString Korario;
    QString Kparat;
    bool operator==(const Entry&) const = default;
};

enum class EntryOrder { ByDate, ByAfm };

// Hours and remarks of one employee's entry of one day.
std::optional<Entry> SelectEntry(const QString& afm, const QString& yyyymmdd, DbStatus* status = nullptr);
DbStatus InsertEntry(const Entry& entry);
DbStatus UpdateEntry(const Entry& entry);
DbStatus DeleteEntry(const QString& afm, const QString& yyyymmdd);

// The entries of one month from a day on (dd "01".."31"), joined with their employee
// (columns Eafm, Kdate, Korario, Kparat, Eepon, Eypo); entries without an employee are left
// out.
QSqlQuery SelectMonthEntries(const QString& yyyymm, const QString& dd, EntryOrder order,
                             DbStatus* status = nullptr);
