#pragma once

// Fills the window catalogue with the program's windows; called once at start-up (and by
// tests). The one place that knows every window class.
void RegisterWindows();
