#include "WindowCatalogue.h"

#include "records/Lbcalendar.h"

// The windows of the program by name. Each subsystem's windows are added here as they come.
void RegisterWindows() {
    WindowCatalogue::addModal(QStringLiteral("Lbcalendar"),
                              [](QWidget* parent) { return new Lbcalendar(parent); });
}
