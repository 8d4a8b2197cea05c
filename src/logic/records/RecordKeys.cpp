#include "logic/records/RecordKeys.h"

#include "logic/core/text/DateHelpers.h"

#include <algorithm>

QString EmployeeKey(const QString& afm) {
    return afm.leftJustified(EmployeeKeyLength, QLatin1Char(' '));
}

QString EntryKey(const QString& afm, const QString& screenDate) {
    return EmployeeKey(afm) + screenDate;
}

QString EntryKeyAfm(const QString& entryKey) {
    // The key pads the AFM with blanks; the AFM itself has none at its end.
    QString afm = entryKey.left(EmployeeKeyLength);
    while (afm.endsWith(u' '))
        afm.chop(1);
    return afm;
}

QString EntryKeyDate(const QString& entryKey) {
    return entryKey.right(10);
}

QString StoredToScreenDate(const QString& yyyymmdd) {
    if (yyyymmdd.isEmpty())
        return {};
    return yyyymmdd.mid(6, 2) + QLatin1Char('/') + yyyymmdd.mid(4, 2) + QLatin1Char('/') + yyyymmdd.left(4);
}

QString ScreenToStoredDate(const QString& screenDate) {
    const QDate date = ParseScreenDate(screenDate);
    return date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) : QString();
}

QString WithGraveAccents(const QString& text) {
    QString result = text;
    result.replace(QLatin1Char('\''), QLatin1Char('`'));
    return result;
}

bool IsNumericText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    // "inf" and "nan" read as numbers too, but no one types them as a tax number.
    const bool hasDigit = std::any_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit(); });
    bool ok = false;
    trimmed.toDouble(&ok);
    return ok && hasDigit;
}
