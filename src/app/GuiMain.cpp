#include "shell/Startup.h"

#include <malloc.h>

namespace {
// Qt's PDF writer takes a buffer of about ten megabytes for every page it compresses and
// frees it again. With glibc's defaults the heap is given back to the system after each page
// and faulted in anew for the next: a third of the time of a long report's PDF. Large blocks
// stay in the heap and the heap keeps what it was given.
void KeepLargeBlocksInTheHeap() {
    constexpr int MapThreshold = 32 * 1024 * 1024;
    constexpr int TrimThreshold = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, MapThreshold);
    mallopt(M_TRIM_THRESHOLD, TrimThreshold);
}
} // namespace

int main(int argc, char** argv) {
    KeepLargeBlocksInTheHeap();
    return RunOrva(argc, argv);
}
