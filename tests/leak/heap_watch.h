// Watches every HeapAlloc, HeapReAlloc and HeapFree that this program's own code makes on one
// heap, by redirecting this module's imports of the three functions. What the program heap hands out and
// takes back is seen exactly as Windows sees it.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

class HeapWatch {
public:
    explicit HeapWatch(HANDLE heap);
    HeapWatch(const HeapWatch&) = delete;
    HeapWatch& operator=(const HeapWatch&) = delete;
    ~HeapWatch();

    bool installed() const { return installed_; }
    std::size_t allocations() const { return allocations_; }
    std::size_t resizes() const { return resizes_; }
    std::size_t releases() const { return releases_; }
    const std::set<void*>& live() const { return live_; }
    // Releases or resizes of a block that was not live: released before, never handed out, or
    // constant data.
    const std::vector<std::string>& faults() const { return faults_; }

private:
    static LPVOID WINAPI Alloc(HANDLE heap, DWORD flags, SIZE_T size);
    static LPVOID WINAPI ReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size);
    static BOOL WINAPI Free(HANDLE heap, DWORD flags, LPVOID block);
    void NotLive(void* block);

    HANDLE heap_;
    bool installed_ = false;
    std::size_t allocations_ = 0;
    std::size_t resizes_ = 0;
    std::size_t releases_ = 0;
    std::set<void*> live_;
    std::vector<std::string> faults_;
};
