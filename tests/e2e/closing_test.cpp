// The ways to close Tallowmere, each ending with exit code 0 and Nadeo.ini untouched, and the
// keys that must not close it.
#include <gtest/gtest.h>

#include "tests/e2e/game_folder.h"
#include "tools/win32/polling.h"
#include "tools/win32/real_input.h"
#include "tests/e2e/running_program.h"
#include "tests/e2e/window_reading.h"
#include "tests/support/bytes.h"

namespace {

bool ClickTheCloseBox(const RunningProgram& program) {
    const auto point = NonClientPoint(program.window(), HTCLOSE);
    return point && ClickAt(*point);
}

// Opens the system menu with Alt+Space, waits for it, and picks Close by its access key, C.
// (Wine puts an item of its own below Close, so Close is not reached by position.)
bool CloseFromSystemMenu(const RunningProgram&) {
    PressKey(VK_SPACE, kAlt);
    const bool menuUp = WaitUntil([] {
        HWND menu = FindWindowA("#32768", nullptr);
        return menu && IsWindowVisible(menu);
    });
    TypeKeys("c");
    return menuUp;
}

}  // namespace

TEST(ClosingTheWindow, EndsWithZeroAndLeavesNadeoIniAlone) {
    struct Way {
        const char* what;
        bool (*close)(const RunningProgram& program);
    };
    const Way ways[] = {
        {"Esc on the button", [](const RunningProgram&) { PressKey(VK_ESCAPE); return true; }},
        {"Esc in the holder",
         [](const RunningProgram& program) {
             PressKey(VK_TAB);
             const bool inHolder = program.FocusReaches(program.holder());
             PressKey(VK_ESCAPE);
             return inHolder;
         }},
        {"Alt+F4", [](const RunningProgram&) { PressKey(VK_F4, kAlt); return true; }},
        {"the close box", ClickTheCloseBox},
        {"Close on the system menu", CloseFromSystemMenu},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        GameFolder game;
        WriteFileBytes(game / "Nadeo.ini", "keep");
        RunningProgram program(game.exe());
        ASSERT_TRUE(program.WaitForMainWindow());
        ASSERT_TRUE(program.BringToFront());
        EXPECT_TRUE(way.close(program));
        EXPECT_EQ(program.WaitForExit(), 0u);
        EXPECT_TRUE(SameBytes(ReadFileBytes(game / "Nadeo.ini"), "keep"));
    }
}

// Tab follows the key; once the focus has moved, the key has been dealt with and the window is
// still there.
TEST(ClosingTheWindow, EscWithShiftOrCtrlDoesNotClose) {
    for (const unsigned modifier : {kShift, kCtrl}) {
        SCOPED_TRACE(modifier == kShift ? "Shift+Esc" : "Ctrl+Esc");
        GameFolder game;
        RunningProgram program(game.exe());
        ASSERT_TRUE(program.WaitForMainWindow());
        ASSERT_TRUE(program.BringToFront());
        PressKey(VK_ESCAPE, modifier);
        // Ctrl+Esc may open the system's start menu, which takes the keyboard away.
        ASSERT_TRUE(program.BringToFront());
        PressKey(VK_TAB);
        EXPECT_TRUE(program.FocusReaches(program.holder()));
        EXPECT_FALSE(program.HasEnded());
        EXPECT_TRUE(IsWindowVisible(program.window()));
    }
}
