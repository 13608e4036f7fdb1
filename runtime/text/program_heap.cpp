// The program heap on Windows: the process's default heap, taken once at start-up. Running out
// of it is one of the program's two fatal errors.
#include "runtime/text/program_heap.h"

#include <windows.h>

#include <cstdint>

#include "runtime/system/fatal_error.h"
#include "runtime/text/heap_handle.h"
#include "runtime/texts.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HANDLE g_heap = nullptr;

// The program's constant data lies inside its own image; blocks never do.
bool IsConstantData(const void* block) {
    const auto base = reinterpret_cast<std::uintptr_t>(&__ImageBase);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + __ImageBase.e_lfanew);
    const auto at = reinterpret_cast<std::uintptr_t>(block);
    return at >= base && at - base < nt->OptionalHeader.SizeOfImage;
}

}  // namespace

void TakeProgramHeap() { g_heap = GetProcessHeap(); }

void UseProgramHeap(HANDLE heap) { g_heap = heap; }

namespace {

[[noreturn]] void EndWithExhaustedHeap(std::size_t size) {
    // The report is built on the stack: the heap has just failed.
    char message[64];
    wsprintfA(message, kAllocationFailedFormat, static_cast<int>(size));
    EndWithFatalError(message);
}

}  // namespace

char* AllocateBlock(std::size_t size) {
    if (void* block = HeapAlloc(g_heap, 0, size)) return static_cast<char*>(block);
    EndWithExhaustedHeap(size);
}

char* ResizeBlock(char* block, std::size_t size) {
    if (void* resized = HeapReAlloc(g_heap, 0, block, size)) return static_cast<char*>(resized);
    EndWithExhaustedHeap(size);
}

void ReleaseBlock(const void* block) {
    if (block == nullptr || IsConstantData(block)) return;
    HeapFree(g_heap, 0, const_cast<void*>(block));
}
