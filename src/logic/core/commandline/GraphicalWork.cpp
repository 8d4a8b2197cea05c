#include "logic/core/commandline/GraphicalWork.h"

#include "logic/core/commandline/CommandLine.h"

#include <utility>

namespace {
bool g_deferred = false;
GraphicalWork g_kept;
} // namespace

int DoGraphicalWork(GraphicalWork work) {
    if (!g_deferred)
        return work();
    g_kept = std::move(work);
    return CommandDone;
}

void DeferGraphicalWork() {
    g_deferred = true;
}

GraphicalWork TakeGraphicalWork() {
    return std::exchange(g_kept, {});
}
