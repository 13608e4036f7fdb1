// The start-up baseline: the least a Win32 program does to show a window of Tallowmere's size with
// one button, a plain class, window and message loop, and nothing else (no OLE, no common
// controls, no icon or resources).
#include <windows.h>

namespace {

constexpr char kClassName[] = "BareWindow";

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;

    // The same outer size and window style as Tallowmere's main window.
    HWND window = CreateWindowExA(0, kClassName, "Bare", 0x02CA0000, CW_USEDEFAULT, CW_USEDEFAULT,
                                  314, 147, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    CreateWindowExA(0, "BUTTON", "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 87, 21, 134, 61,
                    window, reinterpret_cast<HMENU>(INT_PTR{100}), instance, nullptr);
    ShowWindow(window, SW_SHOW);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
