#include "workbench/model/heapinlargepages.h"

#include <QLoggingCategory>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcModelMemory, "pe.workbench.modelmemory")

namespace {

// glibc's own top pad (DEFAULT_TOP_PAD), given back when done.
constexpr int DefaultTopPad = 128 * 1024;
constexpr size_t MostPad = size_t(1) << 30;

char* HeapEnd()
{
    return static_cast<char*>(sbrk(0));
}

} // namespace

HeapInLargePages::HeapInLargePages(size_t expectedBytes) : m_advisedEnd(HeapEnd())
{
    mallopt(M_TOP_PAD, static_cast<int>(std::clamp<size_t>(expectedBytes, DefaultTopPad, MostPad)));
}

HeapInLargePages::~HeapInLargePages()
{
    AdviseGrowth();
    mallopt(M_TOP_PAD, DefaultTopPad);
}

void HeapInLargePages::AdviseGrowth()
{
    char* const end = HeapEnd();
    if (end == reinterpret_cast<char*>(-1))
        return;
    if (end > m_advisedEnd) {
        const long page = sysconf(_SC_PAGESIZE);
        const auto pageSize = static_cast<uintptr_t>(page > 0 ? page : 4096);
        const auto start = reinterpret_cast<uintptr_t>(m_advisedEnd) & ~(pageSize - 1);
        const auto size = static_cast<size_t>(reinterpret_cast<uintptr_t>(end) - start);
        if (madvise(reinterpret_cast<void*>(start), size, MADV_HUGEPAGE) != 0)
            qCDebug(lcModelMemory, "The heap's growth of %zu bytes stays in small pages: %s", size, strerror(errno));
    }
    m_advisedEnd = end; // below the last end when the heap was trimmed
}
