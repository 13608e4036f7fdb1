// Finding another process's top-level window: what the test drivers, the demo driver and the
// start-up benchmark all need before they can look at or press anything.
#pragma once

#include <windows.h>

#include <cstring>

namespace process_window {

struct Search {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    HWND found;
};

// A named CALLBACK function, not a lambda: a 32-bit EnumWindows wants the stdcall convention.
inline BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || (search->visibleOnly && !IsWindowVisible(window)))
        return TRUE;
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (search->className && std::strcmp(name, search->className) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace process_window

// The first top-level window of `processId` whose class is `className` (any class when null),
// visible ones only when `visibleOnly`; null when there is none.
inline HWND FindProcessWindow(DWORD processId, const char* className, bool visibleOnly) {
    process_window::Search search{processId, className, visibleOnly, nullptr};
    EnumWindows(process_window::Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
