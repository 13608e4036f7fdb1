// Tallowmere does not keep a second copy from running: started twice from the same folder, each
// copy has its own window, its own notices and its own end.
#include "tools/win32/polling.h"
#include "tools/win32/real_input.h"
#include "tests/e2e/game_folder.h"
#include "tests/e2e/running_program.h"
#include "tests/support/bytes.h"
#include "tests/support/notice_watcher.h"

TEST(SecondCopy, RunsOnItsOwn) {
    GameFolder game;
    RunningProgram first(game.exe());
    ASSERT_TRUE(first.WaitForMainWindow());
    RunningProgram second(game.exe());
    ASSERT_TRUE(second.WaitForMainWindow());
    EXPECT_NE(first.window(), second.window());
    ASSERT_TRUE(second.BringToFront());

    // The second copy's notice holds up only the second copy.
    bool firstEnabledUnderNotice = false;
    NoticeWatcher watcher({Dismissal::kTypedKey, VK_RETURN}, second.processId(),
                          [&](HWND) { firstEnabledUnderNotice = IsWindowEnabled(first.window()); });
    ASSERT_TRUE(ClickAt(CentreOf(second.button())));
    ASSERT_TRUE(watcher.Result().seen);
    EXPECT_TRUE(firstEnabledUnderNotice);
    EXPECT_NE(ReadFileBytes(game / "Nadeo.ini"), "<missing>");

    ASSERT_TRUE(second.BringToFront());
    PressKey(VK_ESCAPE);
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_FALSE(first.HasEnded());
    EXPECT_TRUE(IsWindowVisible(first.window()));
}
