#include "WindowCatalogue.h"

#include "Lbenter.h"
#include "ParamDt.h"
#include "internet/EpilErgaz.h"
#include "internet/InterSymplOrar.h"
#include "print/EpilKins.h"
#include "print/Lbprint.h"
#include "print/PreviewExport.h"
#include "records/Ergaz.h"
#include "records/ErgazSrch.h"
#include "records/InsErg.h"
#include "records/Kins.h"
#include "records/KinsSrch.h"
#include "records/Lbcalendar.h"

// The windows of the program by name. Each subsystem's windows are added here as they come.
void RegisterWindows() {
    WindowCatalogue::addModal(QStringLiteral("Lbenter"), [](QWidget* parent) { return new Lbenter(parent); });
    WindowCatalogue::addChild(QStringLiteral("ParamDt"), [] { return new ParamDt; });
    WindowCatalogue::addChild(QStringLiteral("EpilKins"), [] { return new EpilKins; });
    WindowCatalogue::addModal(QStringLiteral("Lbcalendar"),
                              [](QWidget* parent) { return new Lbcalendar(parent); });
    WindowCatalogue::addChild(QStringLiteral("EpilErgaz"), [] { return new EpilErgaz; });
    WindowCatalogue::addModal(QStringLiteral("InterSymplOrar"),
                              [](QWidget* parent) { return new InterSymplOrar(parent); });
    WindowCatalogue::addChild(QStringLiteral("Ergaz"), [] { return new Ergaz; });
    WindowCatalogue::addChild(QStringLiteral("ErgazSrch"), [] { return new ErgazSrch; });
    WindowCatalogue::addChild(QStringLiteral("Kins"), [] { return new Kins; });
    WindowCatalogue::addChild(QStringLiteral("KinsSrch"), [] { return new KinsSrch; });
    WindowCatalogue::addChild(QStringLiteral("InsErg"), [] { return new InsErg; });
    SetPreviewExports([](Lbprint& preview, int item) { RunPreviewExport(preview.job(), item); });
}
