#include "logic/core/program/LargePages.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {
constexpr int DefaultTopPad = 128 * 1024;
constexpr int MapThreshold = 32 * 1024 * 1024;
constexpr int TrimThreshold = 64 * 1024 * 1024;
} // namespace

void KeepLargeBlocksInTheHeap() {
    mallopt(M_MMAP_THRESHOLD, MapThreshold);
    mallopt(M_TRIM_THRESHOLD, TrimThreshold);
}

bool AdviseLargePages(char* data, std::size_t size) {
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0)
        return false;
    const auto page = std::size_t(pageSize);
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    char* const first = data + (page - start % page) % page;
    char* const end = data + size - (start + size) % page;
    return end > first && madvise(first, std::size_t(end - first), MADV_HUGEPAGE) == 0;
}

bool PreferLargePagesForTheHeap(std::size_t span) {
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0 || span > std::size_t(1) << 30)
        return false;
    // The span stays with the heap when freed, and the next growth of the heap takes it whole:
    // a block larger than the free space at the heap's end makes it grow.
    mallopt(M_TRIM_THRESHOLD, int(2 * span));
    mallopt(M_TOP_PAD, int(span));
    const std::size_t probeSize = mallinfo2().keepcost + std::size_t(pageSize);
    auto* const before = static_cast<char*>(sbrk(0));
    void* const probe = std::malloc(probeSize);
    auto* const after = static_cast<char*>(sbrk(0));
    const bool advised = probe && after > before && AdviseLargePages(before, std::size_t(after - before));
    std::free(probe);
    mallopt(M_TOP_PAD, DefaultTopPad);
    return advised;
}
