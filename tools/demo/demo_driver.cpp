// Plays the user for the headless demo: starts Tallowmere.exe, presses its button with the mouse,
// saves a picture of the window with its notice, dismisses the notice, closes the window and
// reports what happened. Usage: demo_driver PROGRAM.exe SCREENSHOT.bmp
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/win32/polling.h"
#include "tools/win32/process_window.h"
#include "tools/win32/real_input.h"

namespace {

constexpr char kNoticeClass[] = "#32770";

// Waits for a visible top-level window of the process with the given class, or the other one.
HWND WaitForWindow(DWORD processId, const char* className, const char* otherClassName = nullptr) {
    HWND window = nullptr;
    WaitUntil([&] {
        window = FindProcessWindow(processId, className, true);
        if (!window && otherClassName) window = FindProcessWindow(processId, otherClassName, true);
        return window != nullptr;
    });
    return window;
}

// Saves the screen area of `rect` as a 24-bit BMP file.
bool SaveScreenArea(const RECT& rect, const char* path) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const DWORD stride = ((width * 3 + 3) / 4) * 4;
    std::string pixels(stride * height, '\0');
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

// Waits until the window takes keys again: enabled, and the keyboard focus inside it.
void WaitUntilFocusedWithin(HWND window) {
    WaitUntil([&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
        return IsWindowEnabled(window) && gui.hwndFocus &&
               (gui.hwndFocus == window || IsChild(window, gui.hwndFocus));
    });
}

RECT Union(const RECT& a, const RECT& b) {
    RECT both;
    UnionRect(&both, &a, &b);
    return both;
}

// Reads the notice's text, then answers it with Enter as a user would.
void DismissNotice(HWND notice) {
    char text[512] = {};
    GetDlgItemTextA(notice, 0xFFFF, text, sizeof text);
    std::printf("notice: %s\n", text);
    BringToFront(notice);
    PressKey(VK_RETURN);
    WaitUntil([&] { return !IsWindow(notice); });
}

// Presses the button, pictures the window with its notice, dismisses it and closes the window.
void Demonstrate(HWND window, DWORD processId, const char* screenshot) {
    BringToFront(window);
    WaitUntilFocusedWithin(window);
    Sleep(300);  // let the window finish painting before it is pictured

    ClickAt(CentreOf(GetDlgItem(window, 100)));
    std::printf("pressed the button\n");

    HWND notice = WaitForWindow(processId, kNoticeClass);
    if (notice) {
        Sleep(300);
        RECT windowRect;
        RECT noticeRect;
        GetWindowRect(window, &windowRect);
        GetWindowRect(notice, &noticeRect);
        RECT shot = Union(windowRect, noticeRect);
        InflateRect(&shot, 8, 8);
        if (SaveScreenArea(shot, screenshot)) std::printf("saved the screenshot\n");
        DismissNotice(notice);
    } else {
        std::printf("no notice appeared\n");
    }

    BringToFront(window);
    WaitUntilFocusedWithin(window);
    PressKey(VK_ESCAPE);
    std::printf("pressed Esc\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: demo_driver PROGRAM.exe SCREENSHOT.bmp\n");
        return 2;
    }
    std::string program = argv[1];
    const std::string directory = program.substr(0, program.find_last_of("\\/"));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = '"' + program + '"';
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        std::printf("could not start %s\n", program.c_str());
        return 1;
    }
    CloseHandle(process.hThread);

    DWORD exitCode = STILL_ACTIVE;
    HWND window = WaitForWindow(process.dwProcessId, "WTWindow", kNoticeClass);
    char className[64] = {};
    if (window) GetClassNameA(window, className, sizeof className);
    if (!window) {
        std::printf("the main window did not appear\n");
    } else if (lstrcmpA(className, kNoticeClass) == 0) {
        // Not in a game folder: the program says so before its window is ever shown.
        DismissNotice(window);
    } else {
        Demonstrate(window, process.dwProcessId, argv[2]);
    }
    if (WaitForSingleObject(process.hProcess, kPatienceMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    std::printf("Tallowmere ended with exit code %ld\n", static_cast<long>(exitCode));
    return exitCode == 0 ? 0 : 1;
}
