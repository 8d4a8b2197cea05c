#pragma once

#include <QDate>
#include <QPoint>
#include <QSize>
#include <QString>

// Where the work-date window stands inside the main window's client area: centred across,
// and below the middle by a share of the window's height.
QPoint WorkDateWindowPosition(const QSize& client, const QSize& window);

// The work date after accepting: the date in the field (completed from the old work date as
// on leaving the field) when it is a valid one, else the old work date.
QDate AcceptedWorkDate(const QString& fieldText, const QDate& oldWorkDate);
