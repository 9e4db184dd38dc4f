#pragma once

// While one of these lives, the heap grows in large steps, and each step is
// asked to be backed by large pages (transparent huge pages), for a reader
// about to make a model of hundreds of megabytes out of millions of small
// allocations. On a system that gives large pages only on request, each
// fresh 4 KiB page of the heap otherwise costs a page fault of its own: on a
// virtual machine, two thirds of the faults and a fifth of the time of
// loading a 100 MB model.
//
// Only the heap's growth is advised: memory the heap held before is left as
// it is. Setting the step (glibc's M_TOP_PAD) also ends glibc's own raising
// of the size from which it maps large blocks on their own; that size stays
// where it was. Where the allocator does not grow its heap with brk (another
// allocator, or glibc after brk failed), nothing is advised and nothing else
// changes.

#include <cstddef>

class HeapInLargePages {
public:
    // `expectedBytes`: about how much the heap will grow; it grows in steps of
    // that size (at most 1 GiB) while this lives.
    explicit HeapInLargePages(size_t expectedBytes);
    ~HeapInLargePages();
    HeapInLargePages(const HeapInLargePages&) = delete;
    HeapInLargePages& operator=(const HeapInLargePages&) = delete;

    // Advises the heap grown since the last call; call it often enough that
    // little of a new step has been touched yet (after each block read).
    void AdviseGrowth();

private:
    char* m_advisedEnd; // the end of the heap last advised or found
};
