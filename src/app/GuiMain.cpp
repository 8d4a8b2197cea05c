#include "logic/core/program/LargePages.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    KeepLargeBlocksInTheHeap();
    return RunOrva(argc, argv);
}
