#pragma once

#include <QDate>
#include <QPoint>
#include <QSize>
#include <QString>

// Where the work-date window stands inside the main window's client area: centred across,
// and below the middle by a share of the window's height.
QPoint WorkDateWindowPosition(const QSize& client, const QSize& window);

// The date field after the user has left it: trimmed and completed from the work date;
// emptied when it holds no valid date.
QString LeftDateField(const QString& text, const QDate& workDate);

// The work date after accepting: the date in the field when it holds a valid one, else the
// old work date.
QDate AcceptedWorkDate(const QString& fieldText, const QDate& oldWorkDate);
