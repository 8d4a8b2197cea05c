#include "logic/records/EntryList.h"

#include "logic/core/text/DateHelpers.h"
#include "logic/records/RecordKeys.h"

#include <algorithm>
#include <utility>

namespace {
QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

QString MonthFilter::firstDay() const {
    return QString::number(year) + twoDigits(month) + twoDigits(day);
}

QString MonthFilter::beyondMonth() const {
    // "201612" is followed by "201613": no date of December sorts after it.
    return QString::number(year) + twoDigits(month + 1);
}

QString MonthFilter::fromScreenDate() const {
    return twoDigits(day) + QLatin1Char('/') + twoDigits(month) + QLatin1Char('/') + QString::number(year);
}

QString MonthFilter::toScreenDate() const {
    return twoDigits(DaysInMonth(year, month)) + QLatin1Char('/') + twoDigits(month) + QLatin1Char('/') +
           QString::number(year);
}

int NearestListedYear(int year) {
    return std::clamp(year, FirstListedYear, LastListedYear);
}

QList<MonthEntry> EntryList::Pages::read(PageRead read, const MonthEntry& row, int count) {
    DbStatus readStatus;
    QSqlQuery query = SelectMonthEntries(filter.firstDay(), filter.beyondMonth(), order, read, row.entry,
                                         count, &readStatus);
    if (status.ok())
        status = readStatus;
    QList<MonthEntry> rows;
    while (query.next()) {
        rows.append({{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString()},
                     query.value(4).toString(),
                     query.value(5).toString()});
    }
    return rows;
}

DbStatus EntryList::reload(const MonthFilter& filter, EntryOrder order) {
    m_pages.filter = filter;
    m_pages.order = order;
    m_pages.status = {};
    m_cursor.fillFirst();
    return m_pages.status;
}

DbStatus EntryList::takeFailure() {
    return std::exchange(m_pages.status, DbStatus{});
}

QString EntryList::selectedKey() const {
    const MonthEntry* row = selected();
    return row ? EntryKey(row->entry.Eafm, StoredToScreenDate(row->entry.Kdate)) : QString();
}

void EntryList::search(const QString& text) {
    if (m_pages.order == EntryOrder::ByDate || text.isEmpty()) {
        m_cursor.fillFirst();
        return;
    }
    MonthEntry bound;
    bound.entry.Eafm = text; // with an empty date, the AFM's first entry on
    m_cursor.fillFrom(bound);
}

QStringList EntryList::cells(const MonthEntry& row) {
    return {StoredToScreenDate(row.entry.Kdate), row.entry.Eafm, row.Eepon, row.entry.Korario.trimmed()};
}
