#include "platform/ole/globalmemory.h"

#include <cstdint>
#include <cstring>
#include <new>

struct GlobalBlock {
    size_t size = 0;
    int locks = 0;
    unsigned char* bytes = nullptr;
};

namespace {

size_t allocLimit = SIZE_MAX;

} // namespace

void SetGlobalAllocLimit(size_t bytes)
{
    allocLimit = bytes;
}

HGLOBAL GlobalAlloc(UINT flags, size_t bytes)
{
    if (bytes > allocLimit)
        return nullptr;
    auto* block = new (std::nothrow) GlobalBlock;
    if (!block)
        return nullptr;
    // At least one byte, so that the address of an empty block is not null.
    block->bytes = new (std::nothrow) unsigned char[bytes ? bytes : 1];
    if (!block->bytes) {
        delete block;
        return nullptr;
    }
    block->size = bytes;
    if (flags & GMEM_ZEROINIT)
        std::memset(block->bytes, 0, bytes ? bytes : 1);
    return block;
}

HGLOBAL GlobalAllocCopy(const void* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_DDESHARE, size);
    if (block && size)
        std::memcpy(block->bytes, bytes, size);
    return block;
}

void* GlobalLock(HGLOBAL block)
{
    if (!block)
        return nullptr;
    ++block->locks;
    return block->bytes;
}

bool GlobalUnlock(HGLOBAL block)
{
    if (!block || block->locks == 0)
        return false;
    return --block->locks > 0;
}

size_t GlobalSize(HGLOBAL block)
{
    return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL block)
{
    if (block) {
        delete[] block->bytes;
        delete block;
    }
    return nullptr;
}
