#pragma once

// Global memory blocks: the byte blocks that the clipboard and drag and drop
// carry. A block has exactly the size asked for; its bytes stay where they are
// for its whole life, so a lock is only the block's address.

#include "platform/core/types.h"

#include <cstddef>

struct GlobalBlock;
using HGLOBAL = GlobalBlock*;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;

// A new block of `bytes` bytes (zeroed with GMEM_ZEROINIT), or null when the
// memory cannot be had.
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
// A block holding a copy of `bytes`; null when the memory cannot be had.
HGLOBAL GlobalAllocCopy(const void* bytes, size_t size);
// The block's first byte, or null for a null block.
void* GlobalLock(HGLOBAL block);
// False when the block is no longer locked.
bool GlobalUnlock(HGLOBAL block);
// The block's size in bytes; 0 for a null block.
size_t GlobalSize(HGLOBAL block);
// Frees the block; null on success, as the platform answers.
HGLOBAL GlobalFree(HGLOBAL block);

// Makes every later allocation of more than `bytes` bytes fail, as a full
// memory would; SIZE_MAX (the start value) lets every allocation through.
void SetGlobalAllocLimit(size_t bytes);
