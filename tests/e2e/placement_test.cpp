// Where Tallowmere agrees to run: beside the game's launcher, whatever folder it was started
// from. Anywhere else it shows the placement notice instead of its window and writes nothing.
#include <gtest/gtest.h>

#include "tests/e2e/game_folder.h"
#include "tools/win32/polling.h"
#include "tests/e2e/running_program.h"
#include "tests/support/bytes.h"
#include "tests/support/notice_watcher.h"

namespace {

struct Placement {
    const char* what;
    Launcher besideProgram;
    bool startedElsewhere;  // the working directory is another folder
    Launcher inWorkingFolder;
};

}  // namespace

TEST(Placement, RunsBesideTheLauncherFromAnyWorkingFolder) {
    const Placement placements[] = {
        // what                                    beside program      elsewhere  in working folder
        {"launcher beside it, started there",      Launcher::kFile,      false,  Launcher::kNone},
        {"a folder of the launcher's name",        Launcher::kDirectory, false,  Launcher::kNone},
        {"launcher beside it, started elsewhere",  Launcher::kFile,      true,   Launcher::kNone},
    };
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.what);
        GameFolder game(p.besideProgram);
        TempDir elsewhere("tallowmere-e2e-cwd");
        PlaceLauncher(elsewhere.path(), p.inWorkingFolder);
        RunningProgram program(game.exe(), p.startedElsewhere ? elsewhere.path() : "");
        EXPECT_TRUE(program.WaitForMainWindow());
        EXPECT_EQ(NoticeWatcher::FindBox(program.processId()), nullptr);
    }
}

TEST(Placement, ElsewhereShowsTheNoticeNeverTheWindowAndEndsWithZero) {
    const Placement placements[] = {
        // what                                 beside program   elsewhere  in working folder
        {"launcher only in the working folder", Launcher::kNone, true,      Launcher::kFile},
        {"no launcher anywhere",                Launcher::kNone, false,     Launcher::kNone},
    };
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.what);
        GameFolder game(p.besideProgram);
        TempDir elsewhere("tallowmere-e2e-cwd");
        PlaceLauncher(elsewhere.path(), p.inWorkingFolder);
        RunningProgram program(game.exe(), p.startedElsewhere ? elsewhere.path() : "");

        // The window already exists while the notice is up, but it must never be shown: it is
        // watched from the start until the process is gone.
        bool windowHiddenUnderNotice = false;
        NoticeWatcher watcher({Dismissal::kTypedKey, VK_RETURN}, program.processId(), [&](HWND) {
            HWND window = FindMainWindow(program.processId());
            windowHiddenUnderNotice = window && !IsWindowVisible(window);
        });
        bool windowEverShown = false;
        WaitUntil([&] {
            HWND window = FindMainWindow(program.processId());
            windowEverShown |= window && IsWindowVisible(window);
            return program.HasEnded();
        });
        const SeenNotice seen = watcher.Result();

        ASSERT_TRUE(seen.seen);
        EXPECT_TRUE(SameBytes(seen.text, Cp936("请将本程序放置到【赛道狂飙2：峡谷】游戏目录下")));
        EXPECT_TRUE(SameBytes(seen.caption, Cp936("信息：")));
        EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(seen.hasIcon);
        EXPECT_TRUE(seen.ownerless);
        EXPECT_TRUE(windowHiddenUnderNotice);
        EXPECT_FALSE(windowEverShown);
        EXPECT_EQ(program.WaitForExit(), 0u);
        EXPECT_EQ(ReadFileBytes(game / "Nadeo.ini"), "<missing>");
        EXPECT_EQ(ReadFileBytes(elsewhere / "Nadeo.ini"), "<missing>");
    }
}
