#pragma once

#include "logic/core/EntryStatements.h"
#include "logic/records/PageCursor.h"

#include <QList>

// One row of the month's entry list: the entry with its employee's name and branch.
struct MonthEntry {
    Entry entry;
    QString Eepon;
    QString Eypo;
};

// The month filter of the entry list: the year, the month 1..12 and the first day 1..31.
struct MonthFilter {
    int year = 2015;
    int month = 1;
    int day = 1;

    QString yearMonth() const; // "yyyymm"
    QString dayText() const;   // "dd"
    // The first and the last day of the filter as "dd/mm/yyyy" (the month's last day).
    QString fromScreenDate() const;
    QString toScreenDate() const;
};

// The years the entry list offers, and the one it opens on for a work date outside them.
constexpr int FirstListedYear = 2015;
constexpr int LastListedYear = 2050;
int NearestListedYear(int year);

// The rows and the paging of the entry list.
class EntryList {
public:
    DbStatus reload(const MonthFilter& filter, EntryOrder order);
    void setRows(QList<MonthEntry> rows);

    int size() const { return int(m_rows.size()); }
    const QList<MonthEntry>& rows() const { return m_rows; }
    PageCursor& cursor() { return m_cursor; }
    const PageCursor& cursor() const { return m_cursor; }

    const MonthEntry* atGridRow(int gridRow) const;
    const MonthEntry* selected() const { return atGridRow(m_cursor.selectedRow()); }
    // The entry key of the selected row (AFM padded to 14, then the date as dd/mm/yyyy).
    QString selectedKey() const;

    // The page starts at the first entry whose AFM, cut to the text's length, is not below
    // the text; an empty text shows the first page. Nothing happens on an empty list.
    void search(const QString& text);

    // The four cells of a grid row: date, AFM, name and the trimmed hours.
    static QStringList cells(const MonthEntry& row);

private:
    QList<MonthEntry> m_rows;
    PageCursor m_cursor;
};

QList<MonthEntry> ReadMonthEntries(const MonthFilter& filter, EntryOrder order, DbStatus* status = nullptr);
