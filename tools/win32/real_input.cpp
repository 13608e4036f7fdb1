// Real input through SendInput.
#include "tools/win32/real_input.h"

#include <vector>

#include "tools/win32/polling.h"

namespace {

// The navigation keys share their scan codes with the number pad; the flag tells them apart.
bool IsExtendedKey(WORD key) {
    switch (key) {
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (IsExtendedKey(key)) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

// Absolute mouse positions run from 0 to 65535 across the screen; rounded up, the position maps
// back onto the intended pixel rather than the one before it.
LONG Normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((pixel * 65536LL + screenSize - 1) / screenSize);
}

INPUT MouseInputAt(POINT point, DWORD buttons) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(point.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(point.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    return input;
}

}  // namespace

void PressKey(WORD key, unsigned modifiers) {
    static constexpr struct { Modifier modifier; WORD key; } kModifierKeys[] = {
        {kShift, VK_SHIFT}, {kCtrl, VK_CONTROL}, {kAlt, VK_MENU}};
    std::vector<INPUT> inputs;
    for (const auto& m : kModifierKeys)
        if (modifiers & m.modifier) inputs.push_back(KeyInput(m.key, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto m = std::rbegin(kModifierKeys); m != std::rend(kModifierKeys); ++m)
        if (modifiers & m->modifier) inputs.push_back(KeyInput(m->key, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeKeys(std::string_view keys) {
    for (char c : keys) PressKey(static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
}

bool MoveMouseTo(POINT point) {
    INPUT move = MouseInputAt(point, 0);
    SendInput(1, &move, sizeof(INPUT));
    return WaitUntil([&] {
        POINT cursor;
        return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
    });
}

// Under Wine a window that appears under the pointer may report the pointer's old position late
// and so move the cursor back; each button event therefore carries its position too.
bool ClickAt(POINT point) {
    if (!MoveMouseTo(point)) return false;
    INPUT click[2] = {MouseInputAt(point, MOUSEEVENTF_LEFTDOWN),
                      MouseInputAt(point, MOUSEEVENTF_LEFTUP)};
    SendInput(2, click, sizeof(INPUT));
    return true;
}

bool ParkMouse() {
    return MoveMouseTo({0, GetSystemMetrics(SM_CYSCREEN) - 1});
}

POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}
