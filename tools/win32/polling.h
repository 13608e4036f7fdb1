// Waiting for the program by polling: the driver never sleeps a fixed time for it to catch up.
#pragma once

#include <windows.h>

// Long enough for a slow machine under Wine; a passing test never waits this long.
inline constexpr DWORD kPatienceMs = 20000;

// Polls `condition` until it holds or `timeoutMs` have passed, and says whether it held. The
// driver's own messages are handled first each time: the program may be waiting on them, and
// under Wine input meant for the program queues up behind input left unread by the driver.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kPatienceMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(5);
    }
}
