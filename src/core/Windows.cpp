#include "WindowCatalogue.h"

// The windows of the program by name. Each subsystem's windows are added here as they come.
void RegisterWindows() {
}
