#pragma once

#include <cstddef>

// Bulk work from the command line (an import of a whole file) fills tens of megabytes of fresh
// heap; faulted in four kilobytes at a time, that was a fifth of its time. The heap is grown
// once by span bytes that the system is asked to back with large pages where it has them, and
// malloc hands that space out as the work goes. Nothing is touched until it is used. Returns
// whether the span was advised (false where the heap could not grow, as under a sanitizer's
// own allocator).
bool PreferLargePagesForTheHeap(std::size_t span);

// Asks for the whole pages inside a buffer not yet touched to be backed in large pages.
// Returns whether the system took the advice.
bool AdviseLargePages(char* data, std::size_t size);

// Qt's PDF writer takes a buffer of about ten megabytes for every page it compresses and frees
// it again. With glibc's defaults the heap is given back to the system after each page and
// faulted in anew for the next: a third of the time of a long report's PDF. Called first
// thing by the programs that write reports: large blocks stay in the heap and the heap keeps
// what it was given.
void KeepLargeBlocksInTheHeap();
