// Real input through SendInput.
#include "tests/e2e/real_input.h"

#include <vector>

#include "tests/e2e/polling.h"

namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute mouse positions run from 0 to 65535 across the screen; rounded up, the position maps
// back onto the intended pixel rather than the one before it.
LONG Normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((pixel * 65536LL + screenSize - 1) / screenSize);
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

bool ClickAt(POINT point) {
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                            Normalised(point.x, GetSystemMetrics(SM_CXSCREEN)),
                            Normalised(point.y, GetSystemMetrics(SM_CYSCREEN)));
    SendInput(1, &move, sizeof(INPUT));
    const bool there = WaitUntil([&] {
        POINT cursor;
        return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
    });
    if (!there) return false;
    INPUT click[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(2, click, sizeof(INPUT));
    return true;
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
