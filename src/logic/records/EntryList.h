#pragma once

#include "logic/core/database/EntryStatements.h"
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

    // The range of Kdate: the first day "yyyymmdd", and the first text after every date of
    // the month ("yyyymm" of the month with its last digit one up).
    QString firstDay() const;
    QString beyondMonth() const;
    // The first and the last day of the filter as "dd/mm/yyyy" (the month's last day).
    QString fromScreenDate() const;
    QString toScreenDate() const;
};

// The years the entry list offers, and the one it opens on for a work date outside them.
constexpr int FirstListedYear = 2015;
constexpr int LastListedYear = 2050;
int NearestListedYear(int year);

// The page of the entry list and its movements, read through the index of the order as the
// employee list's are.
class EntryList {
public:
    EntryList() = default;
    EntryList(const EntryList&) = delete;
    EntryList& operator=(const EntryList&) = delete;

    // Reads the first page of the filter in the order.
    DbStatus reload(const MonthFilter& filter, EntryOrder order);

    PageCursor<MonthEntry>& cursor() { return m_cursor; }
    const PageCursor<MonthEntry>& cursor() const { return m_cursor; }

    const MonthEntry* atGridRow(int gridRow) const { return m_cursor.at(gridRow); }
    const MonthEntry* selected() const { return m_cursor.selected(); }
    // The entry key of the selected row (AFM padded to 14, then the date as dd/mm/yyyy).
    QString selectedKey() const;

    // In AFM order the page starts at the first entry whose AFM, cut to the text's length,
    // is not below the text (a blank page when none is); an empty text shows the first page.
    // The window locks the search in date order, where it shows the first page.
    void search(const QString& text);

    // The four cells of a grid row: date, AFM, name and the trimmed hours.
    static QStringList cells(const MonthEntry& row);

    // The first read that failed since the last call (a server that went away), ok when
    // every read succeeded; the next call starts afresh.
    DbStatus takeFailure();

private:
    struct Pages : PageSource<MonthEntry> {
        MonthFilter filter;
        EntryOrder order = EntryOrder::ByDate;
        DbStatus status;
        QList<MonthEntry> read(PageRead read, const MonthEntry& row, int count) override;
    };
    Pages m_pages;
    PageCursor<MonthEntry> m_cursor{m_pages};
};
