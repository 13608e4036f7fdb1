// The program heap of the native build: the C heap, so that AddressSanitizer watches every block.
#include "runtime/text/program_heap.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Exhausted(std::size_t size) {
    std::fprintf(stderr, "the heap cannot supply %zu bytes\n", size);
    std::abort();
}

}  // namespace

// A zero-byte request may legitimately come back null from the C heap; that is not exhaustion.
char* AllocateBlock(std::size_t size) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return static_cast<char*>(block);
    Exhausted(size);
}

char* ResizeBlock(char* block, std::size_t size) {
    if (void* resized = std::realloc(block, size == 0 ? 1 : size)) return static_cast<char*>(resized);
    Exhausted(size);
}

// Nothing natively built hands constant data to ReleaseBlock, so unlike the Windows heap this one
// does not look for it; free() already ignores null.
void ReleaseBlock(const void* block) { std::free(const_cast<void*>(block)); }
