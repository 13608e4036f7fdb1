// The fault matrix: whatever the folder or the file, Tallowmere says honestly what happened,
// ends with 0 when closed, and loses nothing of what the user had where it need not. Each row
// starts the real program in a game folder set up for one fault, presses the button, reads the
// notice, closes the window with Esc and then compares the bytes on disk.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/e2e/expected_config.h"
#include "tests/e2e/game_folder.h"
#include "tools/win32/polling.h"
#include "tools/win32/real_input.h"
#include "tests/e2e/running_program.h"
#include "tests/support/bytes.h"
#include "tests/support/notice_watcher.h"

namespace {

constexpr char kOld[] = "old settings\r\n";

enum class Before {
    kNothing,    // no Nadeo.ini yet
    kOldFile,    // an earlier Nadeo.ini holding kOld, with `attributes`
    kHeldOpen,   // an earlier Nadeo.ini that another process holds open without sharing
    kFolder,     // a folder named Nadeo.ini
    kPrepared,   // the folder comes prepared from outside (environment variable `folder`)
};

enum class After {
    kFilledTemplate,  // the template with the program directory in both places
    kAsItWas,         // exactly what was there before
    kEmpty,           // a file that the failed write left empty
};

struct Row {
    const char* name;  // ASCII: it names the test
    Before before;
    std::string folder;  // a folder name (code page 936) or, for kPrepared, a variable's name
    DWORD attributes;          // of the earlier Nadeo.ini
    DWORD launcherAttributes;  // of the stand-in launcher
    bool saved;                // which notice answers the press
    After after;
};

std::string SavedNotice() { return Cp936("设置成功！"); }
std::string FailedNotice() {
    return Cp936("设置失败！无法写入 Nadeo.ini，请确认该文件未被设为只读，也未被其他程序占用。");
}

std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.name; }

class FaultMatrix : public testing::TestWithParam<Row> {};

// Starts the program in `folder`, presses Space on the button and returns the notice, then
// closes the window with Esc; `exitCode` receives how the process ended.
SeenNotice PressAndClose(const std::string& exe, DWORD* exitCode) {
    RunningProgram program(exe);
    EXPECT_TRUE(program.WaitForMainWindow()) << "the main window never came up";
    EXPECT_TRUE(program.BringToFront());
    EXPECT_TRUE(program.FocusReaches(program.button()));
    SeenNotice seen;
    {
        NoticeWatcher watcher({Dismissal::kTypedKey, VK_RETURN}, program.processId());
        PressKey(VK_SPACE);
        seen = watcher.Result();
    }
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(program.window()) != FALSE; }));
    EXPECT_TRUE(program.BringToFront());
    PressKey(VK_ESCAPE);
    *exitCode = program.WaitForExit();
    return seen;
}

}  // namespace

TEST_P(FaultMatrix, SaysWhatHappenedAndKeepsWhatItMust) {
    const Row& row = GetParam();
    std::optional<GameFolder> made;
    std::string folder;
    if (row.before == Before::kPrepared) {
        const char* prepared = std::getenv(row.folder.c_str());
        if (!prepared) GTEST_SKIP() << row.folder << " is not set: this machine cannot make it";
        folder = prepared;
    } else {
        made.emplace(Launcher::kFile, row.folder);
        folder = made->path();
    }
    const std::string ini = folder + "\\Nadeo.ini";
    const std::string launcher = folder + "\\ManiaPlanetLauncher.exe";
    if (row.launcherAttributes) SetFileAttributesA(launcher.c_str(), row.launcherAttributes);

    if (row.before == Before::kOldFile || row.before == Before::kHeldOpen) {
        WriteFileBytes(ini, kOld);
        if (row.attributes) SetFileAttributesA(ini.c_str(), row.attributes);
    }
    if (row.before == Before::kFolder) CreateDirectoryA(ini.c_str(), nullptr);
    const std::string before = ReadFileBytes(ini);
    HANDLE held = row.before == Before::kHeldOpen
                      ? CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                      : INVALID_HANDLE_VALUE;
    if (row.before == Before::kHeldOpen) {
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }

    DWORD exitCode = STILL_ACTIVE;
    const SeenNotice seen = PressAndClose(folder + "\\Tallowmere.exe", &exitCode);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);

    ASSERT_TRUE(seen.seen) << "no notice answered the press";
    EXPECT_TRUE(SameBytes(seen.text, row.saved ? SavedNotice() : FailedNotice()));
    EXPECT_TRUE(SameBytes(seen.caption, Cp936("信息：")));
    EXPECT_EQ(seen.hasIcon, !row.saved);
    EXPECT_EQ(exitCode, 0u);

    switch (row.after) {
    case After::kFilledTemplate:
        EXPECT_TRUE(SameBytes(ReadFileBytes(ini), FilledIn(InitialTemplate(), folder)));
        break;
    case After::kAsItWas:
        EXPECT_TRUE(SameBytes(ReadFileBytes(ini), before));
        break;
    case After::kEmpty:
        EXPECT_TRUE(SameBytes(ReadFileBytes(ini), ""));
        break;
    }
    if (row.before == Before::kFolder) {
        EXPECT_TRUE(GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    }
    if (row.before == Before::kPrepared && row.folder == "TALLOWMERE_FAULT_DRIVE_ROOT") {
        EXPECT_NE(ReadFileBytes(ini).find("UserDir=" + folder + "\\Data\r\n"), std::string::npos);
    }
}

const Row kRows[] = {
    // name                  before               folder                           attributes               launcher                 saved  after
    {"ReadOnlyFile",         Before::kOldFile,    "tallowmere-fault",             FILE_ATTRIBUTE_READONLY, 0,                       false, After::kAsItWas},
    {"HiddenFile",           Before::kOldFile,    "tallowmere-fault",             FILE_ATTRIBUTE_HIDDEN,   0,                       false, After::kAsItWas},
    {"SystemFile",           Before::kOldFile,    "tallowmere-fault",             FILE_ATTRIBUTE_SYSTEM,   0,                       false, After::kAsItWas},
    {"FileHeldOpen",         Before::kHeldOpen,   "tallowmere-fault",             0,                       0,                       false, After::kAsItWas},
    {"FolderOfThatName",     Before::kFolder,     "tallowmere-fault",             0,                       0,                       false, After::kAsItWas},
    {"FolderNotWritable",    Before::kPrepared,   "TALLOWMERE_FAULT_READONLY",    0,                       0,                       false, After::kAsItWas},
    {"DiskFull",             Before::kPrepared,   "TALLOWMERE_FAULT_FULL",        0,                       0,                       false, After::kEmpty},
    {"DriveRoot",            Before::kPrepared,   "TALLOWMERE_FAULT_DRIVE_ROOT",  0,                       0,                       true,  After::kFilledTemplate},
    {"FolderWithSecondByte5C", Before::kOldFile,    "\x81\x5C-game",                0,                       0,                       true,  After::kFilledTemplate},
    {"FolderWithPlaceholder",  Before::kNothing,    "\xC2\xB7\xBE\xB6",             0,                       0,                       true,  After::kFilledTemplate},
    {"FolderWithSpaces",     Before::kNothing,    "my game folder",               0,                       0,                       true,  After::kFilledTemplate},
    {"HiddenLauncher",       Before::kNothing,    "tallowmere-fault",             0,                       FILE_ATTRIBUTE_HIDDEN,   true,  After::kFilledTemplate},
    {"SystemLauncher",       Before::kNothing,    "tallowmere-fault",             0,                       FILE_ATTRIBUTE_SYSTEM,   true,  After::kFilledTemplate},
};

INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrix, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.name);
                         });
