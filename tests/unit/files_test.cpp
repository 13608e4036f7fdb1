// FileExists and WriteBytesToFile against real files in a fresh folder for each test.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/system/files.h"
#include "runtime/text/text_to_bytes.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr char kOld[] = "old contents that are longer than the new ones\r\n";

class FilesTest : public testing::Test {
protected:
    TempDir dir_;
};

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST_F(FilesTest, FileExistsAnswersWhatADirectorySearchFinds) {
    WriteFileBytes(dir_ / "ManiaPlanetLauncher.exe", "MZ");
    WriteFileBytes(dir_ / "hidden.exe", "MZ");
    SetFileAttributesA((dir_ / "hidden.exe").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((dir_ / "folder").c_str(), nullptr);
    struct Case { std::string name; bool exists; };
    const Case cases[] = {
        // name                                 exists
        {dir_ / "ManiaPlanetLauncher.exe",      true},
        {dir_ / "hidden.exe",                   true},
        {dir_ / "folder",                       true},
        {dir_ / "*.exe",                        true},
        {dir_ / "Mania?lanetLauncher.exe",      true},
        {dir_ / "*.ini",                        false},
        {dir_ / "missing.exe",                  false},
        {dir_ / "folder\\",                     false},
        {"C:\\",                                false},
        {"",                                    false},
    };
    for (const Case& c : cases) EXPECT_EQ(FileExists(c.name.c_str()), c.exists) << c.name;
    EXPECT_FALSE(FileExists(nullptr));
}

TEST_F(FilesTest, FileExistsResolvesABareNameInTheCurrentDirectory) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    CreateDirectoryA((dir_ / "ManiaPlanetLauncher.exe").c_str(), nullptr);  // a folder counts too
    SetCurrentDirectoryA(dir_.path().c_str());
    EXPECT_TRUE(FileExists("ManiaPlanetLauncher.exe"));
    EXPECT_FALSE(FileExists("Nadeo.ini"));
    SetCurrentDirectoryA(previous);
    EXPECT_FALSE(FileExists("ManiaPlanetLauncher.exe"));
}

TEST_F(FilesTest, WriteReplacesTheWholeFileWithTheSequencesInOrder) {
    const Bytes first = TextToBytes("[ManiaPlanet]\r\n");
    const Bytes second = TextToBytes("Language=zh\r\n");
    const Bytes empty;
    struct Case { const char* what; std::initializer_list<const Bytes*> sequences; const char* want; };
    const Case cases[] = {
        {"one sequence over a longer file", {&first}, "[ManiaPlanet]\r\n"},
        {"two sequences, one after the other", {&first, &second}, "[ManiaPlanet]\r\nLanguage=zh\r\n"},
        {"an empty sequence truncates", {&empty}, ""},
        {"no sequence truncates", {}, ""},
        {"empty sequences are skipped", {&empty, &second, &empty}, "Language=zh\r\n"},
    };
    for (const Case& c : cases) {
        const std::string path = dir_ / "Nadeo.ini";
        WriteFileBytes(path, kOld);
        EXPECT_TRUE(WriteBytesToFile(path.c_str(), c.sequences)) << c.what;
        EXPECT_TRUE(SameBytes(ReadFileBytes(path), c.want)) << c.what;
    }
}

TEST_F(FilesTest, WriteCreatesAMissingFileAndJoinsMixedSeparators) {
    const Bytes bytes = TextToBytes("abc");
    const std::string mixed = dir_.path() + "/Nadeo.ini";
    EXPECT_TRUE(WriteBytesToFile(mixed.c_str(), {&bytes}));
    EXPECT_TRUE(SameBytes(ReadFileBytes(dir_ / "Nadeo.ini"), "abc"));
}

TEST_F(FilesTest, WriteThatCannotOpenLeavesEverythingAsItWas) {
    const Bytes bytes = TextToBytes("new");
    struct Case { const char* what; DWORD attributes; };
    const Case cases[] = {
        {"read-only", FILE_ATTRIBUTE_READONLY},
        {"hidden", FILE_ATTRIBUTE_HIDDEN},
        {"system", FILE_ATTRIBUTE_SYSTEM},
    };
    for (const Case& c : cases) {
        const std::string path = dir_ / (std::string(c.what) + ".ini");
        WriteFileBytes(path, kOld);
        SetFileAttributesA(path.c_str(), c.attributes);
        EXPECT_FALSE(WriteBytesToFile(path.c_str(), {&bytes})) << c.what;
        EXPECT_TRUE(SameBytes(ReadFileBytes(path), kOld)) << c.what;
    }

    EXPECT_FALSE(WriteBytesToFile((dir_ / "missing\\Nadeo.ini").c_str(), {&bytes}));
    EXPECT_FALSE(Exists(dir_ / "missing"));

    CreateDirectoryA((dir_ / "folder").c_str(), nullptr);
    EXPECT_FALSE(WriteBytesToFile((dir_ / "folder").c_str(), {&bytes}));
}

TEST_F(FilesTest, WriteToAFileHeldOpenByAnotherLeavesItAsItWas) {
    const std::string path = dir_ / "Nadeo.ini";
    WriteFileBytes(path, kOld);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Bytes bytes = TextToBytes("new");
    EXPECT_FALSE(WriteBytesToFile(path.c_str(), {&bytes}));
    CloseHandle(held);
    EXPECT_TRUE(SameBytes(ReadFileBytes(path), kOld));
}

TEST_F(FilesTest, WriteWithAnEmptyNameTouchesNothing) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(dir_.path().c_str());
    const Bytes bytes = TextToBytes("new");
    EXPECT_FALSE(WriteBytesToFile("", {&bytes}));
    EXPECT_FALSE(WriteBytesToFile(nullptr, {&bytes}));
    SetCurrentDirectoryA(previous);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir_ / "*").c_str(), &found);
    int entries = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do ++entries; while (FindNextFileA(find, &found));
        FindClose(find);
    }
    EXPECT_EQ(entries, 2);  // . and ..
}
