// The heap watch: patches this module's import address table entries of the heap functions.
#include "tests/leak/heap_watch.h"

#include <cstdint>
#include <cstring>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HeapWatch* g_watch = nullptr;
void* g_realAlloc = nullptr;
void* g_realReAlloc = nullptr;
void* g_realFree = nullptr;

// Replaces the import of `function` from kernel32 in this module; returns the previous target.
void* PatchImport(const char* function, void* replacement) {
    auto* base = reinterpret_cast<unsigned char*>(&__ImageBase);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        reinterpret_cast<std::uintptr_t>(base) + __ImageBase.e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; descriptor->Name; ++descriptor) {
        if (_stricmp(reinterpret_cast<const char*>(base + descriptor->Name), "kernel32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
            DWORD protection;
            VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &protection);
            void* previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<std::uintptr_t>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(void*), protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

}  // namespace

HeapWatch::HeapWatch(HANDLE heap) : heap_(heap) {
    g_watch = this;
    g_realAlloc = PatchImport("HeapAlloc", reinterpret_cast<void*>(&HeapWatch::Alloc));
    g_realReAlloc = PatchImport("HeapReAlloc", reinterpret_cast<void*>(&HeapWatch::ReAlloc));
    g_realFree = PatchImport("HeapFree", reinterpret_cast<void*>(&HeapWatch::Free));
    installed_ = g_realAlloc && g_realReAlloc && g_realFree;
}

HeapWatch::~HeapWatch() {
    if (g_realAlloc) PatchImport("HeapAlloc", g_realAlloc);
    if (g_realReAlloc) PatchImport("HeapReAlloc", g_realReAlloc);
    if (g_realFree) PatchImport("HeapFree", g_realFree);
    g_watch = nullptr;
}

LPVOID WINAPI HeapWatch::Alloc(HANDLE heap, DWORD flags, SIZE_T size) {
    void* block = reinterpret_cast<decltype(&HeapAlloc)>(g_realAlloc)(heap, flags, size);
    if (block && heap == g_watch->heap_) {
        ++g_watch->allocations_;
        g_watch->live_.insert(block);
    }
    return block;
}

void HeapWatch::NotLive(void* block) {
    char what[64];
    wsprintfA(what, "a block that is not live: %p", block);
    faults_.push_back(what);
}

// A block that is not live is not passed on: that could corrupt the heap.
LPVOID WINAPI HeapWatch::ReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size) {
    if (heap == g_watch->heap_) {
        ++g_watch->resizes_;
        if (g_watch->live_.erase(block) == 0) {
            g_watch->NotLive(block);
            return nullptr;
        }
    }
    void* resized =
        reinterpret_cast<decltype(&HeapReAlloc)>(g_realReAlloc)(heap, flags, block, size);
    if (heap == g_watch->heap_) g_watch->live_.insert(resized ? resized : block);
    return resized;
}

BOOL WINAPI HeapWatch::Free(HANDLE heap, DWORD flags, LPVOID block) {
    if (heap == g_watch->heap_) {
        ++g_watch->releases_;
        if (g_watch->live_.erase(block) == 0) {
            g_watch->NotLive(block);
            return FALSE;
        }
    }
    return reinterpret_cast<decltype(&HeapFree)>(g_realFree)(heap, flags, block);
}
