// The program heap of the native build: the C heap, so that AddressSanitizer watches every block.
#include "runtime/text/program_heap.h"

#include <cstdio>
#include <cstdlib>

char* AllocateBlock(std::size_t size) {
    // A zero-byte request may legitimately come back null from malloc; that is not exhaustion.
    if (void* block = std::malloc(size == 0 ? 1 : size)) return static_cast<char*>(block);
    std::fprintf(stderr, "AllocateBlock: the heap cannot supply %zu bytes\n", size);
    std::abort();
}

// Nothing natively built hands constant data to ReleaseBlock, so unlike the Windows heap this one
// does not look for it; free() already ignores null.
void ReleaseBlock(const void* block) { std::free(const_cast<void*>(block)); }
