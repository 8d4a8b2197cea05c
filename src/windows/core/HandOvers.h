#pragma once

#include <QString>

class QWidget;

// The hand-overs between windows: each is one call that writes the program-wide values the
// receiving window reads, opens that window by name and returns its answer. No other code
// writes those values, so a window that hands over reads like a call.

// The calendar picker (Lbcalendar), modal over parent, on the month of the work date: the
// day chosen as "dd/mm/yyyy" (Program.CalendarDate), "" when the user cancelled.
QString PickDate(QWidget* parent);
