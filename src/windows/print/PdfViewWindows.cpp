#include "windows/core/WindowCatalogue.h"
#include "windows/core/WindowModules.h"
#include "windows/core/WindowNames.h"
#include "windows/maintenance/EnhXrh.h"
#include "windows/print/IstYpob.h"

// What the program calls once it has loaded the library: its windows by name.
extern "C" Q_DECL_EXPORT void orva_pdfview_windows() {
    WindowModules::provide(WindowName::IstYpob, {[]() -> ChildWindow* { return new IstYpob; }, {}});
    WindowModules::provide(WindowName::EnhXrh, {[]() -> ChildWindow* { return new EnhXrh; }, {}});
}
