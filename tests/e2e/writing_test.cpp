// The one job: a click or Space on the button writes Nadeo.ini beside the program from what the
// template holder holds, and says so in a task-modal notice.
#include <string>

#include "tests/e2e/expected_config.h"
#include "tools/win32/polling.h"
#include "tools/win32/real_input.h"
#include "tests/e2e/started_program.h"
#include "tests/support/bytes.h"
#include "tests/support/notice_watcher.h"

namespace {

using Writing = StartedProgram;

struct Press {
    const char* what;
    bool (*act)(const RunningProgram& program);
};

bool ClickTheButton(const RunningProgram& program) { return ClickAt(CentreOf(program.button())); }
bool PressSpace(const RunningProgram&) {
    PressKey(VK_SPACE);
    return true;
}

// Presses the button and returns the notice that answered, dismissed with Enter. Also records
// whether the main window was disabled while the notice was up.
SeenNotice PressAndReadNotice(const RunningProgram& program, const Press& press,
                              bool* windowEnabledUnderNotice = nullptr) {
    NoticeWatcher watcher({Dismissal::kTypedKey, VK_RETURN}, program.processId(), [&](HWND) {
        if (windowEnabledUnderNotice) *windowEnabledUnderNotice = IsWindowEnabled(program.window());
    });
    EXPECT_TRUE(press.act(program)) << press.what;
    return watcher.Result();
}

const Press kClick{"a mouse click", ClickTheButton};
const Press kSpace{"Space", PressSpace};

}  // namespace

TEST(WritingTheFile, AClickOrSpaceWritesTheTemplateFilledWithTheProgramDirectory) {
    struct Case {
        Press press;
        std::string folder;
        bool startedElsewhere;
        std::string before;  // Nadeo.ini's contents beforehand; empty for none
    };
    const Case cases[] = {
        {kClick, "tallowmere-e2e", false, ""},
        {kSpace, Cp936("赛道 路径 目录"), true, std::string(1000, 'o')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.press.what);
        GameFolder game(Launcher::kFile, c.folder);
        if (!c.before.empty()) WriteFileBytes(game / "Nadeo.ini", c.before);
        TempDir elsewhere("tallowmere-e2e-cwd");
        RunningProgram program(game.exe(), c.startedElsewhere ? elsewhere.path() : "");
        ASSERT_TRUE(program.WaitForMainWindow());
        ASSERT_TRUE(program.BringToFront());

        bool enabledUnderNotice = true;
        const SeenNotice seen = PressAndReadNotice(program, c.press, &enabledUnderNotice);

        ASSERT_TRUE(seen.seen);
        EXPECT_TRUE(SameBytes(seen.text, Cp936("设置成功！")));
        EXPECT_TRUE(SameBytes(seen.caption, Cp936("信息：")));
        EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(seen.hasIcon);
        EXPECT_TRUE(seen.ownerless);
        EXPECT_FALSE(enabledUnderNotice) << "the notice is task-modal";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(program.window()) != FALSE; }));

        const std::string written = ReadFileBytes(game / "Nadeo.ini");
        EXPECT_TRUE(SameBytes(written, FilledIn(InitialTemplate(), game.path())));
        EXPECT_EQ(written.size(), 204 + 2 * game.path().size());
        EXPECT_EQ(ReadFileBytes(elsewhere / "Nadeo.ini"), "<missing>");
    }
}

// Enter is for a default push button, which this button is not. Tab follows Enter, and once the
// focus has moved, Enter has been dealt with: a notice would have held the Tab back.
TEST_F(Writing, EnterOnTheButtonDoesNothing) {
    ASSERT_TRUE(program_.FocusReaches(program_.button()));
    PressKey(VK_RETURN);
    PressKey(VK_TAB);
    EXPECT_TRUE(program_.FocusReaches(program_.holder()));
    EXPECT_EQ(NoticeWatcher::FindBox(program_.processId()), nullptr);
    EXPECT_EQ(ReadFileBytes(game_ / "Nadeo.ini"), "<missing>");
}

TEST_F(Writing, WhatIsTypedIntoTheHolderIsWhatTheNextPressWrites) {
    PressKey(VK_TAB);
    ASSERT_TRUE(program_.FocusReaches(program_.holder()));
    TypeKeys("x");
    PressKey(VK_RETURN);
    PressKey(VK_TAB, kShift);
    ASSERT_TRUE(program_.FocusReaches(program_.button()));
    ASSERT_TRUE(PressAndReadNotice(program_, kSpace).seen);
    EXPECT_TRUE(SameBytes(ReadFileBytes(game_ / "Nadeo.ini"),
                          FilledIn("x\r\n" + InitialTemplate(), game_.path())));

    // Emptied, the holder makes the next press write an empty file. The holder is a classic
    // edit control, which has no Ctrl+A, so everything is selected from the start to the end.
    ASSERT_TRUE(program_.BringToFront());
    PressKey(VK_TAB);
    ASSERT_TRUE(program_.FocusReaches(program_.holder()));
    PressKey(VK_HOME, kCtrl);
    PressKey(VK_END, kCtrl | kShift);
    PressKey(VK_BACK);
    PressKey(VK_TAB);
    ASSERT_TRUE(program_.FocusReaches(program_.button()));
    const SeenNotice seen = PressAndReadNotice(program_, kClick);
    EXPECT_TRUE(SameBytes(seen.text, Cp936("设置成功！")));
    EXPECT_TRUE(SameBytes(ReadFileBytes(game_ / "Nadeo.ini"), ""));
}

TEST_F(Writing, AReadOnlyFileIsReportedAndLeftAsItWas) {
    const std::string path = game_ / "Nadeo.ini";
    WriteFileBytes(path, "old");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const SeenNotice seen = PressAndReadNotice(program_, kClick);
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(SameBytes(
        seen.text,
        Cp936("设置失败！无法写入 Nadeo.ini，请确认该文件未被设为只读，也未被其他程序占用。")));
    EXPECT_TRUE(SameBytes(seen.caption, Cp936("信息：")));
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(SameBytes(ReadFileBytes(path), "old"));
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
}
