#include "windows/internet/LinkInBrowser.h"

#include "logic/core/program/ProgramValues.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowNames.h"

ChildWindow* OpenLinkInBrowser(const QString& address) {
    Program.LinkToOpen = address;
    MdiHost* host = MdiHost::instance();
    return host ? host->openChild(WindowName::InterLinks) : nullptr;
}
