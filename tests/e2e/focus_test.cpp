// Where the keyboard focus goes: the button at start, Tab and Shift+Tab between the button and
// the hidden template holder, and back to where it was when the window is activated again.
#include "tools/win32/polling.h"
#include "tools/win32/real_input.h"
#include "tests/e2e/started_program.h"
#include "tests/e2e/window_reading.h"

namespace {

using Focus = StartedProgram;

// A plain window of the driver's own, for the user to click into instead of Tallowmere. It
// notes when a click on it has been handled.
class OtherWindow {
public:
    OtherWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TallowmereE2EOther";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  0, 0, 200, 120, nullptr, nullptr, wc.hInstance, nullptr);
    }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;
    ~OtherWindow() { DestroyWindow(window_); }
    HWND window() const { return window_; }
    static bool clicked() { return clicked_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_LBUTTONUP) clicked_ = true;
        return DefWindowProcA(window, message, wParam, lParam);
    }

    static inline bool clicked_ = false;
    HWND window_;
};

}  // namespace

TEST_F(Focus, IsOnTheButtonAfterStart) { EXPECT_EQ(program_.Focus(), program_.button()); }

TEST_F(Focus, TabAndShiftTabGoBetweenButtonAndHolder) {
    struct Step { WORD key; unsigned modifiers; int focusedId; };
    const Step steps[] = {
        {VK_TAB, 0, kHolderId},
        {VK_TAB, 0, kButtonId},
        {VK_TAB, 0, kHolderId},
        {VK_TAB, kShift, kButtonId},
        {VK_TAB, kShift, kHolderId},
        {VK_TAB, kShift, kButtonId},
    };
    for (const Step& step : steps) {
        PressKey(step.key, step.modifiers);
        EXPECT_TRUE(program_.FocusReaches(GetDlgItem(program_.window(), step.focusedId)))
            << "after " << (step.modifiers ? "Shift+Tab" : "Tab") << " the focus is on "
            << GetDlgCtrlID(program_.Focus()) << ", not on " << step.focusedId;
    }
}

TEST_F(Focus, ComesBackToTheHolderWhenTheWindowIsActivatedAgain) {
    PressKey(VK_TAB);
    ASSERT_TRUE(program_.FocusReaches(program_.holder()));
    OtherWindow other;
    ASSERT_TRUE(ClickAt(CentreOf(other.window())));
    ASSERT_TRUE(WaitUntil(OtherWindow::clicked));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.window(); }));

    const auto caption = NonClientPoint(program_.window(), HTCAPTION);
    ASSERT_TRUE(caption);
    ASSERT_TRUE(ClickAt(*caption));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == program_.window(); }));
    EXPECT_TRUE(program_.FocusReaches(program_.holder()));
}
