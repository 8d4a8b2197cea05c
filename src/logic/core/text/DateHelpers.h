#pragma once

#include <QDate>
#include <QString>

// Greek name of the weekday ("Κυριακή" .. "Σάββατο"); "" for a null date.
QString DayName(const QDate& date);
// Days of the month (Gregorian calendar), 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// Completes a typed date from the work date (dd, ddmm, ddmmyy, ddmmyyyy or dd?mm?yyyy) into
// "dd/mm/yyyy". Returns true when the text is then a valid date; the text is emptied when
// it is neither numeric nor 10 characters long, or its length fits no form.
bool CompleteDate(QString& text, const QDate& workDate);
// "dd/mm/yyyy" to a date; null when it is no valid date.
QDate ParseScreenDate(const QString& text);
QString ScreenDate(const QDate& date);
