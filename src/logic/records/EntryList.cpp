#include "logic/records/EntryList.h"

#include "logic/core/DateHelpers.h"
#include "logic/records/RecordKeys.h"

#include <algorithm>

namespace {
QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

QString MonthFilter::yearMonth() const {
    return QString::number(year) + twoDigits(month);
}

QString MonthFilter::dayText() const {
    return twoDigits(day);
}

QString MonthFilter::fromScreenDate() const {
    return dayText() + QLatin1Char('/') + twoDigits(month) + QLatin1Char('/') + QString::number(year);
}

QString MonthFilter::toScreenDate() const {
    return twoDigits(DaysInMonth(year, month)) + QLatin1Char('/') + twoDigits(month) + QLatin1Char('/') +
           QString::number(year);
}

int NearestListedYear(int year) {
    return std::clamp(year, FirstListedYear, LastListedYear);
}

QList<MonthEntry> ReadMonthEntries(const MonthFilter& filter, EntryOrder order, DbStatus* status) {
    QSqlQuery query = SelectMonthEntries(filter.yearMonth(), filter.dayText(), order, status);
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
    DbStatus status;
    setRows(ReadMonthEntries(filter, order, &status));
    return status;
}

void EntryList::setRows(QList<MonthEntry> rows) {
    m_rows = std::move(rows);
    m_cursor.reopen(int(m_rows.size()));
    m_cursor.fillPage();
}

const MonthEntry* EntryList::atGridRow(int gridRow) const {
    const int position = m_cursor.bookmark(gridRow);
    if (position == PageCursor::NoRow || position >= size())
        return nullptr;
    return &m_rows.at(position);
}

QString EntryList::selectedKey() const {
    const MonthEntry* row = selected();
    return row ? EntryKey(row->entry.Eafm, StoredToScreenDate(row->entry.Kdate)) : QString();
}

void EntryList::search(const QString& text) {
    if (m_rows.isEmpty())
        return;
    const qsizetype length = text.size();
    m_cursor.findFirst([&](int position) {
        return QStringView(m_rows.at(position).entry.Eafm).left(length).compare(text, Qt::CaseSensitive) >= 0;
    });
}

QStringList EntryList::cells(const MonthEntry& row) {
    return {StoredToScreenDate(row.entry.Kdate), row.entry.Eafm, row.Eepon, row.entry.Korario.trimmed()};
}
