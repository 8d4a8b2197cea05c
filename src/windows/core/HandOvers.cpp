#include "windows/core/HandOvers.h"

#include "logic/core/program/ProgramValues.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/core/WindowNames.h"

QString PickDate(QWidget* parent) {
    if (WindowCatalogue::showModal(WindowName::Lbcalendar, parent) < 0)
        return {};
    return Program.CalendarDate;
}
