// The main window and its window procedure.
#include "shell/main_window.h"

#include <commctrl.h>

#include <cstring>

#include "launcher/config_writer.h"
#include "shell/events.h"
#include "shell/texts.h"
#include "shell/window_icons.h"

namespace {

struct MainWindow {
    HWND window = nullptr;
    HWND controls[kMainWindowControlCount] = {};  // by control number minus one
    HWND rememberedFocus = nullptr;
    HBRUSH holderBrush = nullptr;
};

MainWindow g_main;

HWND Control(MainWindowControl control) { return g_main.controls[control - 1]; }

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// The status bar gives itself the client width and its own height at the bottom of the client
// area; should it end up elsewhere, it is moved down to the bottom edge.
void AlignStatusBar() {
    HWND bar = Control(状态条1);
    SendMessageA(bar, WM_SIZE, 0, 0);
    RECT client;
    RECT rect;
    GetClientRect(g_main.window, &client);
    GetWindowRect(bar, &rect);
    MapWindowPoints(nullptr, g_main.window, reinterpret_cast<POINT*>(&rect), 2);
    if (rect.bottom != client.bottom) {
        const int height = rect.bottom - rect.top;
        MoveWindow(bar, rect.left, client.bottom - height, rect.right - rect.left, height, TRUE);
    }
}

void PaintBackground(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT clip;
    GetClipBox(dc, &clip);
    FillRect(dc, &clip, GetSysColorBrush(COLOR_BTNFACE));  // the system's own brush: not deleted
    EndPaint(window, &paint);
}

// The tab cycle: the controls that exist, are visible, enabled and tab stops, in the order of
// creation (all share one tab position). The status bar is never a tab stop.
int TabCycle(HWND (&cycle)[kMainWindowControlCount]) {
    int count = 0;
    for (HWND control : g_main.controls) {
        if (control && IsWindowVisible(control) && IsWindowEnabled(control) &&
            (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP))
            cycle[count++] = control;
    }
    return count;
}

void MoveFocusAlongTabCycle(bool backwards) {
    HWND cycle[kMainWindowControlCount];
    const int count = TabCycle(cycle);
    if (count == 0) return;
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (cycle[i] == GetFocus()) at = i;
    const int next = at < 0 ? (backwards ? count - 1 : 0)
                            : (at + (backwards ? count - 1 : 1)) % count;
    SetFocus(cycle[next]);
}

void PassFocusOn() {
    HWND target = g_main.rememberedFocus;
    if (!target || !IsWindow(target) || !IsChild(g_main.window, target)) {
        HWND cycle[kMainWindowControlCount];
        target = TabCycle(cycle) > 0 ? cycle[0] : nullptr;
    }
    if (target) SetFocus(target);
}

bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void ForgetMainWindow(HWND window) {
    if (g_main.holderBrush) DeleteObject(g_main.holderBrush);
    g_main = {};
    RemoveLoadedWindow(window);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintBackground(window);
        return 0;
    case WM_CTLCOLOREDIT:
        SetTextColor(reinterpret_cast<HDC>(wParam), kHolderTextColour);
        SetBkColor(reinterpret_cast<HDC>(wParam), kHolderBackColour);
        return reinterpret_cast<LRESULT>(g_main.holderBrush);
    case WM_SIZE: {
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        if (Control(状态条1)) AlignStatusBar();
        RaiseEvent(window, kMainWindowItself, kResized);
        return result;
    }
    case WM_MOVE:
        RaiseEvent(window, kMainWindowItself, kMoved);
        break;
    case WM_COMMAND:
        // The button's notification goes back to the button, which raises its clicked event.
        if (HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == Control(按钮1)) {
            RaiseEvent(window, 按钮1, kClicked);
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window, focus)) g_main.rememberedFocus = focus;
        }
        break;
    case WM_SETFOCUS:
        PassFocusOn();
        return 0;
    case WM_CLOSE:
        // No handler refuses the close query, so the window always closes.
        RaiseEvent(window, kMainWindowItself, kCloseQuery);
        break;
    case WM_QUERYENDSESSION:
        RaiseEvent(window, kMainWindowItself, kCloseQuery);
        return TRUE;
    case WM_DESTROY:
        RaiseEvent(window, kMainWindowItself, kDestroying);
        break;
    case WM_NCDESTROY:
        ForgetMainWindow(window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, kMainWindowClass, &existing)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateControl(HINSTANCE instance, MainWindowControl control) {
    const ControlDescription& d = DescribeControl(control);
    HWND hwnd = CreateWindowExA(0, d.className, d.text, d.style, d.x, d.y, d.width, d.height,
                                g_main.window, reinterpret_cast<HMENU>(INT_PTR{d.childId}),
                                instance, nullptr);
    if (hwnd) {
        g_main.controls[control - 1] = hwnd;
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
    }
    return hwnd;
}

bool CreateTemplateHolder(HINSTANCE instance) {
    g_main.holderBrush = CreateSolidBrush(kHolderBackColour);
    HWND holder = CreateControl(instance, 编辑框1);
    if (!holder) return false;
    SendMessageA(holder, EM_LIMITTEXT, 0, 0);
    SendMessageA(holder, EM_SETSEL, 0, 0);
    SendMessageA(holder, EM_SCROLLCARET, 0, 0);
    SetWindowLongA(holder, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowLongA(holder, GWL_STYLE, GetWindowLongA(holder, GWL_STYLE) & ~WS_BORDER);
    SetWindowPos(holder, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool CreateStatusBar(HINSTANCE instance) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    HWND bar = CreateControl(instance, 状态条1);
    if (!bar) return false;
    int rightEdge = kStatusPartRightEdge;
    SendMessageA(bar, SB_SIMPLE, FALSE, 0);
    SendMessageA(bar, SB_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
    SendMessageA(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&rightEdge));
    SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kStatusText));
    SendMessageA(bar, SB_SETICON, 0, 0);
    SendMessageA(bar, SB_SETTIPTEXTA, 0, reinterpret_cast<LPARAM>(""));
    return true;
}

Text ReadTemplateHolder() { return ReadControlText(g_main.window, 编辑框1); }

}  // namespace

bool CreateMainWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const WindowDescription& d = kMainWindowDescription;
    if (!RegisterMainWindowClass(instance)) return false;

    const int x = (GetSystemMetrics(SM_CXSCREEN) - d.width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - d.height) / 2;
    g_main.window = CreateWindowExA(0, d.className, d.title, d.style, x, y, d.width, d.height,
                                    nullptr, nullptr, instance, nullptr);
    if (!g_main.window) return false;
    AddLoadedWindow(g_main.window, d);

    RECT rect;
    GetWindowRect(g_main.window, &rect);
    if (rect.right - rect.left != d.width || rect.bottom - rect.top != d.height)
        MoveWindow(g_main.window, x, y, d.width, d.height, TRUE);

    SendMessageA(g_main.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(BigWindowIcon()));
    SendMessageA(g_main.window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(SmallWindowIcon()));
    SendMessageA(g_main.window, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);

    if (!CreateControl(instance, 按钮1) || !CreateTemplateHolder(instance) ||
        !CreateStatusBar(instance))
        return false;

    constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(Control(状态条1), HWND_TOP, 0, 0, 0, 0, kKeepPlace);
    SetWindowPos(Control(编辑框1), Control(状态条1), 0, 0, 0, 0, kKeepPlace);
    SetWindowPos(Control(按钮1), Control(编辑框1), 0, 0, 0, 0, kKeepPlace);

    AlignStatusBar();
    for (HWND control : g_main.controls) ShowWindow(control, SW_SHOWNA);

    SetTemplateReader(ReadTemplateHolder);
    return true;
}

HWND MainWindowHandle() { return g_main.window; }

Text ReadControlText(HWND window, MainWindowControl control) {
    if (window != g_main.window || control == kMainWindowItself) return Text();
    HWND hwnd = Control(control);
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return Text();
    char* block = AllocateBlock(static_cast<std::size_t>(length) + 1);
    GetWindowTextA(hwnd, block, length + 1);
    Text text(block);
    if (text.c_str()[0] == '\0') return Text();
    return text;
}

bool PreTranslateMainWindowMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (!g_main.window ||
        (message.hwnd != g_main.window && !IsChild(g_main.window, message.hwnd)))
        return false;
    const bool shift = KeyIsDown(VK_SHIFT);
    const bool ctrl = KeyIsDown(VK_CONTROL);
    const bool alt = KeyIsDown(VK_MENU);
    if (ctrl || alt) return false;
    switch (message.wParam) {
    case VK_TAB:
        MoveFocusAlongTabCycle(shift);
        return true;
    case VK_ESCAPE:
        // None of the main window's controls wants Esc for itself.
        if (shift) return false;
        SendMessageA(g_main.window, WM_CLOSE, 0, 0);
        return true;
    default:
        // Enter goes on to the focused control: the holder takes it as a line break, and the
        // button, not being a default push button, ignores it.
        return false;
    }
}
