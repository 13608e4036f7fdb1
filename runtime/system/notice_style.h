// The arithmetic of a notice: its message box style and the button code of its result.
// Free of <windows.h>; the values are those of MessageBoxA.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kSystemModal = 0x1000;
inline constexpr std::int32_t kTaskModal = 0x2000;

// Notices are task-modal unless the caller asked for system-modal. The addition is arithmetic.
constexpr std::int32_t NoticeStyle(std::int32_t flags) {
    return (flags & kSystemModal) ? flags : flags + kTaskModal;
}

// The pressed button's identifier minus one for IDOK (1) to IDNO (7); 0 for anything else.
constexpr std::int32_t ButtonCode(int messageBoxResult) {
    return (messageBoxResult >= 1 && messageBoxResult <= 7) ? messageBoxResult - 1 : 0;
}
