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

inline constexpr std::int32_t kButtonTypeMask = 0x000F;  // MB_OK is 0 within it

// The pressed button's identifier minus one for IDOK (1) to IDNO (7); 0 for anything else.
// A box whose only button is OK can only be answered with OK, however it was dismissed (some
// systems report Esc and the close box there as Cancel).
constexpr std::int32_t ButtonCode(std::int32_t flags, int messageBoxResult) {
    if ((flags & kButtonTypeMask) == 0) return 0;
    return (messageBoxResult >= 1 && messageBoxResult <= 7) ? messageBoxResult - 1 : 0;
}
