// The program directory: cut at the last real backslash, handed out as fresh equal copies.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/text/program_directory.h"
#include "tests/support/bytes.h"

namespace {

class ProgramDirectoryTest : public testing::Test {
protected:
    void TearDown() override { DetermineProgramDirectory(); }
};

}  // namespace

TEST_F(ProgramDirectoryTest, IsThePathBeforeTheLastRealBackslash) {
    ASSERT_EQ(GetACP(), 936u) << "the tests expect the Chinese ANSI code page";
    const std::string 乗 = Cp936("乗");  // 81 5C: its second byte is a backslash
    ASSERT_EQ(乗, "\x81\x5C");
    struct Case { std::string executable; std::string directory; };
    const Case cases[] = {
        // executable                              directory
        {"D:\\Games\\G2\\tool.exe",                "D:\\Games\\G2"},
        {"C:\\tool.exe",                           "C:"},
        {"D:\\" + 乗 + "\\tool.exe",               "D:\\" + 乗},
        {"D:\\Games\\" + 乗 + ".exe",              "D:\\Games"},
        {"D:\\" + Cp936("赛道狂飙") + "\\t.exe",   "D:\\" + Cp936("赛道狂飙")},
        {"tool.exe",                               ""},
    };
    for (const Case& c : cases) {
        StoreProgramDirectory(c.executable.c_str());
        const Text directory = GetProgramDirectory();
        EXPECT_TRUE(SameBytes(directory.c_str(), c.directory)) << Hex(c.executable);
        EXPECT_EQ(directory.absent(), c.directory.empty());
    }
}

TEST_F(ProgramDirectoryTest, EachCallGivesABlockOfItsOwn) {
    StoreProgramDirectory("D:\\Games\\G2\\tool.exe");
    Text first = GetProgramDirectory();
    const Text second = GetProgramDirectory();
    ASSERT_NE(first.block(), second.block());
    first = Text();
    EXPECT_TRUE(SameBytes(second.c_str(), "D:\\Games\\G2"));
}

TEST_F(ProgramDirectoryTest, OfTheRunningProgramIsWhereItsFileLies) {
    char path[MAX_PATH];
    const std::string executable(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    const Text directory = GetProgramDirectory();
    EXPECT_TRUE(SameBytes(directory.c_str(), executable.substr(0, executable.rfind('\\'))));
}
