// The program heap: where every Text and Bytes block comes from and goes back to.
// Free of <windows.h> so that the text operations built on it also build natively; the Windows
// side (program_heap.cpp) uses the process heap, a native build links a heap of its own.
#pragma once

#include <cstddef>

// Returns a block of `size` bytes with undefined contents. Never returns null: when the heap
// cannot supply the block, the program shows the error report and ends with exit code -1.
char* AllocateBlock(std::size_t size);

// Changes the size of a block, keeping its bytes up to the smaller of the two sizes; the block may
// move. Like AllocateBlock, it never returns null: when the heap cannot grow the block, the
// program ends with the same error report.
char* ResizeBlock(char* block, std::size_t size);

// Returns a block to the program heap. A null block, or one inside the program's constant data,
// is left alone. Each block is released at most once; the owners in text.h see to that.
void ReleaseBlock(const void* block);
