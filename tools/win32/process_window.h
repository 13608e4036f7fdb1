// Finding another process's top-level window: what the test drivers, the demo driver and the
// start-up benchmark all need before they can look at or press anything.
#pragma once

#include <windows.h>

#include <cstring>

// The first top-level window of `processId` whose class is `className` (any class when null),
// visible ones only when `visibleOnly`; null when there is none.
inline HWND FindProcessWindow(DWORD processId, const char* className, bool visibleOnly) {
    struct Search {
        DWORD processId;
        const char* className;
        bool visibleOnly;
        HWND found;
    } search{processId, className, visibleOnly, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || (s->visibleOnly && !IsWindowVisible(window))) return TRUE;
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (s->className && std::strcmp(name, s->className) != 0) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
