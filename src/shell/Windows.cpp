#include "shell/Windows.h"

#include "windows/core/Lbenter.h"
#include "windows/core/ParamDt.h"
#include "windows/core/RythmEgk.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/core/WindowModules.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/EpilErgaz.h"
#include "windows/internet/InterApi.h"
#include "windows/maintenance/BackRest.h"
#include "windows/maintenance/KenaEnt.h"
#include "windows/maintenance/Manual.h"
#include "windows/print/EpilKins.h"
#include "windows/print/Reports.h"
#include "windows/records/Ergaz.h"
#include "windows/records/ErgazSrch.h"
#include "windows/records/InsErg.h"
#include "windows/records/Kins.h"
#include "windows/records/KinsSrch.h"
#include "windows/records/Lbcalendar.h"

namespace {
// The list windows print through the print engine, which they cannot reach themselves.
ChildWindow* employeeList() {
    auto* list = new ErgazSrch;
    QObject::connect(list, &ErgazSrch::printRequested, list,
                     [](const QList<Employee>& rows) { PrintEmployeeIndex(rows); });
    return list;
}

ChildWindow* entryList() {
    auto* list = new KinsSrch;
    // The month of the list, every employee.
    QObject::connect(list, &KinsSrch::printRequested, list,
                     [](const QString& fromDate, const QString& toDate, EntryOrder order) {
                         PrintEntryIndex({}, {}, {}, fromDate, toDate, order == EntryOrder::ByAfm ? 1 : 0);
                     });
    return list;
}
} // namespace

void RegisterWindows() {
    WindowCatalogue::addModal(WindowName::Lbenter, [](QWidget* parent) { return new Lbenter(parent); });
    WindowCatalogue::addChild(WindowName::ParamDt, [] { return new ParamDt; });
    WindowCatalogue::addModal(WindowName::RythmEgk, [](QWidget* parent) { return new RythmEgk(parent); });
    WindowCatalogue::addChild(WindowName::EpilKins, [] { return new EpilKins; });
    WindowCatalogue::addModal(WindowName::Lbcalendar, [](QWidget* parent) { return new Lbcalendar(parent); });
    WindowCatalogue::addChild(WindowName::EpilErgaz, [] { return new EpilErgaz; });
    WindowModules::addModal(WindowModules::Browser, WindowName::InterSymplOrar);
    WindowCatalogue::addModal(WindowName::InterApi, [](QWidget* parent) { return new InterApi(parent); });
    WindowModules::addChild(WindowModules::PdfView, WindowName::IstYpob);
    WindowModules::addChild(WindowModules::Browser, WindowName::InterLinks);
    WindowModules::addModal(WindowModules::Browser, WindowName::InterMyLog);
    WindowCatalogue::addChild(WindowName::Ergaz, [] { return new Ergaz; });
    WindowCatalogue::addChild(WindowName::ErgazSrch, employeeList);
    WindowCatalogue::addChild(WindowName::Kins, [] { return new Kins; });
    WindowCatalogue::addChild(WindowName::KinsSrch, entryList);
    WindowCatalogue::addChild(WindowName::InsErg, [] { return new InsErg; });
    WindowCatalogue::addModal(WindowName::BackRest, [](QWidget* parent) { return new BackRest(parent); });
    WindowCatalogue::addChild(WindowName::KenaEnt, [] { return new KenaEnt; });
    WindowCatalogue::addModal(WindowName::Manual, [](QWidget* parent) { return new Manual(parent); });
    WindowModules::addChild(WindowModules::PdfView, WindowName::EnhXrh);
}
