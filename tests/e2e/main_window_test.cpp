// The main window as the user gets it: its class, title, styles, size and place on the screen,
// and the controls inside it, also after the window has been minimised and restored.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/e2e/expected_config.h"
#include "tools/win32/polling.h"
#include "tools/win32/real_input.h"
#include "tests/e2e/started_program.h"
#include "tests/e2e/window_reading.h"
#include "tests/support/bytes.h"

namespace {

using MainWindow = StartedProgram;
using MainWindowPlacement = StartedProgram;

// Bits that the system itself adds: WS_VISIBLE once the window is shown, and WS_CLIPSIBLINGS,
// which Windows forces on top-level windows; and WS_EX_WINDOWEDGE for a window with a caption.
constexpr LONG kSystemStyles = WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr LONG kSystemExStyles = WS_EX_WINDOWEDGE;

}  // namespace

TEST_F(MainWindow, HasItsClassTitleAndStyles) {
    HWND window = program_.window();
    EXPECT_EQ(ClassNameOf(window), "WTWindow");
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
    EXPECT_TRUE(SameBytes(WindowTextOf(window), "Tallowmere\r"));
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & ~kSystemStyles, 0x02CA0000) << std::hex << style;
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~kSystemExStyles, 0);
    EXPECT_EQ(GetParent(window), nullptr);
}

// Runs on each desktop size the tests are run with; the sizes not in the table fail.
TEST_F(MainWindowPlacement, IsCentredOnTheScreen) {
    struct Screen { int width, height; LONG left, top; };
    const Screen screens[] = {
        {1024, 768, 355, 310},
        {800,  600, 243, 226},
    };
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const Screen* screen = nullptr;
    for (const Screen& s : screens)
        if (s.width == width && s.height == height) screen = &s;
    ASSERT_NE(screen, nullptr) << "no expectation for a " << width << "x" << height << " screen";
    RECT rect;
    GetWindowRect(program_.window(), &rect);
    EXPECT_EQ(rect.left, screen->left);
    EXPECT_EQ(rect.top, screen->top);
    EXPECT_EQ(rect.right - rect.left, 314);
    EXPECT_EQ(rect.bottom - rect.top, 147);
}

TEST_F(MainWindow, ButtonAndHolderSitWhereTheyShouldWithTheirStyles) {
    struct Control {
        int id;
        const char* className;
        RECT rect;  // in the main window's client area
        LONG style, exStyle;
    };
    const Control controls[] = {
        {kButtonId, "Button", {87, 21, 87 + 134, 21 + 61}, 0x44012F00 | WS_VISIBLE, 0},
        {kHolderId, "Edit", {72, 112, 72 + 8, 112 + 16}, 0x44011044 | WS_VISIBLE,
         WS_EX_CLIENTEDGE},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.className);
        HWND control = GetDlgItem(program_.window(), c.id);
        ASSERT_NE(control, nullptr);
        // Class names are matched without regard to case, as the system does.
        EXPECT_EQ(lstrcmpiA(ClassNameOf(control).c_str(), c.className), 0) << ClassNameOf(control);
        const RECT rect = RectInParent(control);
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE), c.style) << std::hex;
        EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), c.exStyle) << std::hex;
    }
}

TEST_F(MainWindow, StatusBarSpansTheBottomEdgeOfTheClientArea) {
    HWND bar = program_.statusBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(lstrcmpiA(ClassNameOf(bar).c_str(), STATUSCLASSNAMEA), 0) << ClassNameOf(bar);
    const RECT client = ClientRectOf(program_.window());
    const RECT rect = RectInParent(bar);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, client.right);
    EXPECT_EQ(rect.bottom, client.bottom);
    EXPECT_GT(rect.bottom - rect.top, 0);
    EXPECT_TRUE(IsWindowVisible(bar));
}

TEST_F(MainWindow, ControlsShowTheirTexts) {
    EXPECT_TRUE(SameBytes(WindowTextOf(program_.button()), Cp936("一键设置")));
    const std::string holder = ControlTextOf(program_.holder());
    EXPECT_EQ(holder.size(), 212u);
    EXPECT_TRUE(SameBytes(holder, InitialTemplate()));
    EXPECT_TRUE(SameBytes(StatusPartTextOf(program_.statusBar(), 0),
                          std::string(30, ' ') + Cp936("由 Tallowmere 小组制作")));
}

TEST_F(MainWindow, StatusBarIsOnTheBottomEdgeAgainAfterMinimiseAndRestore) {
    HWND window = program_.window();
    const auto minimiseBox = NonClientPoint(window, HTREDUCE);
    ASSERT_TRUE(minimiseBox);
    ASSERT_TRUE(ClickAt(*minimiseBox));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }));
    // The task bar restores a window this way. The window leaves its minimised state before it
    // gets its size back, so the size is waited for too.
    PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] {
        RECT rect;
        GetWindowRect(window, &rect);
        return !IsIconic(window) && rect.right - rect.left == 314 && rect.bottom - rect.top == 147;
    })) << "the window did not come back at its size";

    EXPECT_TRUE(WaitUntil([&] {
        const RECT client = ClientRectOf(window);
        const RECT bar = RectInParent(program_.statusBar());
        return bar.left == 0 && bar.right == client.right && bar.bottom == client.bottom;
    })) << "the status bar is not along the bottom edge of the client area";
}

// The holder hides behind the status bar, and the button lies below both.
TEST_F(MainWindow, ChildrenFromTheTopAreStatusBarHolderButton) {
    std::vector<int> ids;
    for (HWND child : ChildrenTopDown(program_.window())) ids.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(ids, (std::vector<int>{kStatusBarId, kHolderId, kButtonId}));
}
