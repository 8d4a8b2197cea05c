#include "windows/core/WindowCatalogue.h"
#include "windows/core/WindowModules.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/BrowserWindow.h"
#include "windows/internet/InterLinks.h"
#include "windows/internet/InterMyLog.h"
#include "windows/internet/InterSymplOrar.h"

// What the program calls once it has loaded the library: its windows by name, and the portal
// browsers of their own, which end with the program.
extern "C" Q_DECL_EXPORT void orva_browser_windows() {
    WindowModules::provide(WindowName::InterSymplOrar,
                           {{}, [](QWidget* parent) -> QDialog* { return new InterSymplOrar(parent); }});
    WindowModules::provide(WindowName::InterMyLog,
                           {{}, [](QWidget* parent) -> QDialog* { return new InterMyLog(parent); }});
    WindowModules::provide(WindowName::InterLinks, {[]() -> ChildWindow* { return new InterLinks; }, {}});
    WindowModules::atEnd(&BrowserWindow::closeAll);
}
