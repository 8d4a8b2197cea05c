// Preloaded by the start-up benchmark in place of the paint watch itself: orva's first process
// only chooses the program and links nothing of Qt, and the watch, which links Qt's core,
// would load it there and time a start the user never has. The watch is loaded into the
// process that has Qt already (orva-gui, or an earlier orva that was one program).
#include <dlfcn.h>

namespace {

__attribute__((constructor)) void loadPaintWatch() {
    if (dlopen("libQt6Core.so.6", RTLD_NOW | RTLD_NOLOAD))
        dlopen(ORVA_PAINT_WATCH, RTLD_NOW | RTLD_GLOBAL);
}

} // namespace
