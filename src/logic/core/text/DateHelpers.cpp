#include "logic/core/text/DateHelpers.h"

#include <QStringList>

QString DayName(const QDate& date) {
    static const QStringList names = {QStringLiteral("Δευτέρα"),   QStringLiteral("Τρίτη"),
                                      QStringLiteral("Τετάρτη"),   QStringLiteral("Πέμπτη"),
                                      QStringLiteral("Παρασκευή"), QStringLiteral("Σάββατο"),
                                      QStringLiteral("Κυριακή")};
    if (!date.isValid())
        return {};
    return names.at(date.dayOfWeek() - 1);
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12)
        return 0;
    return QDate(year, month, 1).daysInMonth();
}

QDate ParseScreenDate(const QString& text) {
    if (text.size() != 10 || text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/'))
        return {};
    // Digits only: a sign or a blank ("+5/03/2009", " 5/03/2009") is no screen date.
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return {};
    }
    return QDate(text.mid(6, 4).toInt(), text.mid(3, 2).toInt(), text.left(2).toInt());
}

QString ScreenDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

namespace {
bool isNumeric(const QString& text) {
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}
QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

bool CompleteDate(QString& text, const QDate& workDate) {
    text = text.trimmed();
    if (!isNumeric(text) && text.size() != 10)
        text.clear();
    const QString year = QString::number(workDate.year()).rightJustified(4, QLatin1Char('0'));
    switch (text.size()) {
    case 2:
        text = text + QLatin1Char('/') + twoDigits(workDate.month()) + QLatin1Char('/') + year;
        break;
    case 4:
        text = text.left(2) + QLatin1Char('/') + text.mid(2, 2) + QLatin1Char('/') + year;
        break;
    case 6:
        text = text.left(2) + QLatin1Char('/') + text.mid(2, 2) + QLatin1Char('/') + year.left(2) +
               text.mid(4, 2);
        break;
    case 8:
        text = text.left(2) + QLatin1Char('/') + text.mid(2, 2) + QLatin1Char('/') + text.mid(4, 4);
        break;
    case 10:
        text = text.left(2) + QLatin1Char('/') + text.mid(3, 2) + QLatin1Char('/') + text.mid(6, 4);
        break;
    default:
        text.clear();
        break;
    }
    return ParseScreenDate(text).isValid();
}
