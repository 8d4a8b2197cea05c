#include "shell/Windows.h"

#include "windows/core/WindowCatalogue.h"

#include "logic/print/PreviewExport.h"
#include "windows/core/Lbenter.h"
#include "windows/core/ParamDt.h"
#include "windows/core/RythmEgk.h"
#include "windows/internet/EpilErgaz.h"
#include "windows/internet/InterApi.h"
#include "windows/internet/InterLinks.h"
#include "windows/internet/InterMyLog.h"
#include "windows/internet/InterSymplOrar.h"
#include "windows/maintenance/BackRest.h"
#include "windows/maintenance/EnhXrh.h"
#include "windows/maintenance/KenaEnt.h"
#include "windows/maintenance/Manual.h"
#include "windows/print/EpilKins.h"
#include "windows/print/IstYpob.h"
#include "windows/print/Lbprint.h"
#include "windows/records/Ergaz.h"
#include "windows/records/ErgazSrch.h"
#include "windows/records/InsErg.h"
#include "windows/records/Kins.h"
#include "windows/records/KinsSrch.h"
#include "windows/records/Lbcalendar.h"

// The windows of the program by name. Each subsystem's windows are added here as they come.
void RegisterWindows() {
    WindowCatalogue::addModal(QStringLiteral("Lbenter"), [](QWidget* parent) { return new Lbenter(parent); });
    WindowCatalogue::addChild(QStringLiteral("ParamDt"), [] { return new ParamDt; });
    WindowCatalogue::addModal(QStringLiteral("RythmEgk"),
                              [](QWidget* parent) { return new RythmEgk(parent); });
    WindowCatalogue::addChild(QStringLiteral("EpilKins"), [] { return new EpilKins; });
    WindowCatalogue::addModal(QStringLiteral("Lbcalendar"),
                              [](QWidget* parent) { return new Lbcalendar(parent); });
    WindowCatalogue::addChild(QStringLiteral("EpilErgaz"), [] { return new EpilErgaz; });
    WindowCatalogue::addModal(QStringLiteral("InterSymplOrar"),
                              [](QWidget* parent) { return new InterSymplOrar(parent); });
    WindowCatalogue::addModal(QStringLiteral("InterApi"),
                              [](QWidget* parent) { return new InterApi(parent); });
    WindowCatalogue::addChild(QStringLiteral("IstYpob"), [] { return new IstYpob; });
    WindowCatalogue::addChild(QStringLiteral("InterLinks"), [] { return new InterLinks; });
    WindowCatalogue::addModal(QStringLiteral("InterMyLog"),
                              [](QWidget* parent) { return new InterMyLog(parent); });
    WindowCatalogue::addChild(QStringLiteral("Ergaz"), [] { return new Ergaz; });
    WindowCatalogue::addChild(QStringLiteral("ErgazSrch"), [] { return new ErgazSrch; });
    WindowCatalogue::addChild(QStringLiteral("Kins"), [] { return new Kins; });
    WindowCatalogue::addChild(QStringLiteral("KinsSrch"), [] { return new KinsSrch; });
    WindowCatalogue::addChild(QStringLiteral("InsErg"), [] { return new InsErg; });
    WindowCatalogue::addModal(QStringLiteral("BackRest"),
                              [](QWidget* parent) { return new BackRest(parent); });
    WindowCatalogue::addChild(QStringLiteral("KenaEnt"), [] { return new KenaEnt; });
    WindowCatalogue::addModal(QStringLiteral("Manual"), [](QWidget* parent) { return new Manual(parent); });
    WindowCatalogue::addChild(QStringLiteral("EnhXrh"), [] { return new EnhXrh; });
    SetPreviewExports([](Lbprint& preview, int item) { RunPreviewExport(preview.job(), item); });
}
