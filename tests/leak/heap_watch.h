// Watches every HeapAlloc and HeapFree that this program's own code makes on one heap, by
// redirecting this module's imports of the two functions. What the program heap hands out and
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
    std::size_t releases() const { return releases_; }
    const std::set<void*>& live() const { return live_; }
    // Releases of a block that was not live: released twice, never handed out, or constant data.
    const std::vector<std::string>& faults() const { return faults_; }

private:
    static LPVOID WINAPI Alloc(HANDLE heap, DWORD flags, SIZE_T size);
    static BOOL WINAPI Free(HANDLE heap, DWORD flags, LPVOID block);

    HANDLE heap_;
    bool installed_ = false;
    std::size_t allocations_ = 0;
    std::size_t releases_ = 0;
    std::set<void*> live_;
    std::vector<std::string> faults_;
};
