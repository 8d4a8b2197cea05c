#pragma once

#include <QString>

class ChildWindow;

// The links browser on one address instead of its list (Program.LinkToOpen), as a link of a
// news article opens it.
ChildWindow* OpenLinkInBrowser(const QString& address);
