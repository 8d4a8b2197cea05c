#pragma once

#include "logic/core/database/Database.h"
#include "logic/core/database/KeysetRead.h"

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
// Stores the hours and remarks of the entry that `read` showed, or deletes it. The row is
// compared with `read` in the same statement: when someone else changed or deleted it since,
// nothing is written and the outcome is Changed or Gone.
DbStatus UpdateEntry(const Entry& entry, const Entry& read);
DbStatus DeleteEntry(const Entry& read);

// Up to count entries from a day to the end of its month, joined with their employee
// (columns Eafm, Kdate, Korario, Kparat, Eepon, Eypo), read from the place of `at` in the
// order (ignored for the first ones); entries without an employee are left out. The days
// are a range of Kdate, from firstDay "yyyymmdd" to before `beyond` (within firstDay's
// month), so that the Kdate index serves the date order and the month index the AFM order.
QSqlQuery SelectMonthEntries(const QString& firstDay, const QString& beyond, EntryOrder order, PageRead read,
                             const Entry& at, int count, DbStatus* status = nullptr);

// The statement SelectMonthEntries runs, with its values in order.
struct MonthEntriesStatement {
    QString text;
    QVariantList values;
};
MonthEntriesStatement MakeMonthEntriesStatement(const QString& firstDay, const QString& beyond,
                                                EntryOrder order, PageRead read, const Entry& at, int count);
