// OnSetButtonClicked end to end: real folders, the real notice, the bytes on disk.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "launcher/config_template.h"
#include "launcher/config_writer.h"
#include "launcher/texts.h"
#include "runtime/text/concat_text.h"
#include "runtime/text/program_directory.h"
#include "tests/support/bytes.h"
#include "tests/support/notice_watcher.h"
#include "tests/support/temp_dir.h"

namespace {

std::string g_holderText;
bool g_holderEmpty = false;

// Stands in for the template holder: hands out its text under the same rules.
Text ReadHolder() { return g_holderEmpty ? Text() : ConcatText(g_holderText.c_str()); }

std::string Filled(std::string text, const std::string& directory) {
    const std::string placeholder = "\xC2\xB7\xBE\xB6";
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + directory.size()))
        text.replace(at, placeholder.size(), directory);
    return text;
}

class ConfigWriterTest : public testing::Test {
protected:
    void SetUp() override {
        g_holderText.assign(kTemplate, kTemplateLength);
        g_holderEmpty = false;
        SetTemplateReader(ReadHolder);
    }
    void TearDown() override {
        SetTemplateReader(nullptr);
        DetermineProgramDirectory();
    }
    // Places the program in `dir`, clicks, and returns the notice the user saw.
    static SeenNotice Click(const TempDir& dir) {
        StoreProgramDirectory((dir / "Tallowmere.exe").c_str());
        NoticeWatcher watcher;
        OnSetButtonClicked();
        return watcher.Result();
    }
};

}  // namespace

TEST_F(ConfigWriterTest, WritesTheTemplateWithTheProgramDirectoryInBothPlaces) {
    const std::string names[] = {"plain", Cp936("路径"), Cp936("乗") + "x", "with spaces"};
    for (const std::string& name : names) {
        TempDir dir(name);
        const SeenNotice seen = Click(dir);
        const std::string written = ReadFileBytes(dir / "Nadeo.ini");
        EXPECT_TRUE(SameBytes(written, Filled(g_holderText, dir.path()))) << Hex(name);
        EXPECT_EQ(written.size(), 204 + 2 * dir.path().size());
        EXPECT_NE(written.find("UserDir=" + dir.path() + "\\Data\r\n"), std::string::npos);
        EXPECT_NE(written.find("CommonDir=" + dir.path() + "\\Cache\r\n"), std::string::npos);
        EXPECT_TRUE(SameBytes(seen.caption, Cp936("信息：")));
        EXPECT_TRUE(SameBytes(seen.text, Cp936("设置成功！")));
        EXPECT_FALSE(seen.hasIcon);
    }
}

TEST_F(ConfigWriterTest, ReplacesALongerFileWholeAndRewritesTheSameBytesOnEveryClick) {
    TempDir dir;
    WriteFileBytes(dir / "Nadeo.ini", std::string(1000, 'o'));
    Click(dir);
    const std::string first = ReadFileBytes(dir / "Nadeo.ini");
    EXPECT_TRUE(SameBytes(first, Filled(g_holderText, dir.path())));
    EXPECT_TRUE(Click(dir).seen);
    EXPECT_TRUE(SameBytes(ReadFileBytes(dir / "Nadeo.ini"), first));
}

TEST_F(ConfigWriterTest, WritesWhatTheHolderHoldsNow) {
    struct Case { const char* what; std::string holder; bool empty; };
    const Case cases[] = {
        {"typed into", "x\r\nUserDir=\xC2\xB7\xBE\xB6\xC2\xB7\xBE\xB6\\D\r\n", false},
        {"no placeholder left", "[ManiaPlanet]\r\n", false},
        {"emptied", "", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFileBytes(dir / "Nadeo.ini", "old");
        g_holderText = c.holder;
        g_holderEmpty = c.empty;
        const SeenNotice seen = Click(dir);
        EXPECT_TRUE(SameBytes(ReadFileBytes(dir / "Nadeo.ini"), Filled(c.holder, dir.path())))
            << c.what;
        EXPECT_TRUE(SameBytes(seen.text, kSavedNotice)) << c.what;
    }
}

TEST_F(ConfigWriterTest, AFailedWriteIsReportedAndLeavesTheFileAsItWas) {
    TempDir dir;
    const std::string path = dir / "Nadeo.ini";
    WriteFileBytes(path, "old");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const SeenNotice seen = Click(dir);
    EXPECT_TRUE(SameBytes(ReadFileBytes(path), "old"));
    EXPECT_TRUE(SameBytes(seen.caption, Cp936("信息：")));
    EXPECT_TRUE(SameBytes(
        seen.text,
        Cp936("设置失败！无法写入 Nadeo.ini，请确认该文件未被设为只读，也未被其他程序占用。")));
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
}

// Windows cannot start a program from a folder past the 259-byte path limit, but should one run
// there, the file beside it cannot be opened by its plain name: the click must say so and leave
// the earlier file alone, which is reached here by its long-path name.
TEST_F(ConfigWriterTest, AProgramDirectoryPastThePathLimitIsReportedAndLeftAlone) {
    TempDir base;
    std::string directory = base.path();
    std::wstring wide = L"\\\\?\\";
    for (char c : directory) wide += static_cast<wchar_t>(c);
    for (char level = 'a'; level < 'f'; ++level) {
        directory += "\\" + std::string(60, level);
        wide += L"\\" + std::wstring(60, static_cast<wchar_t>(level));
        ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
    }
    ASSERT_GT(directory.size(), 259u);
    HANDLE file = CreateFileW((wide + L"\\Nadeo.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "old", 3, &written, nullptr);
    CloseHandle(file);

    StoreProgramDirectory((directory + "\\Tallowmere.exe").c_str());
    EXPECT_TRUE(SameBytes(GetProgramDirectory().c_str(), directory));
    NoticeWatcher watcher;
    OnSetButtonClicked();
    const SeenNotice seen = watcher.Result();
    EXPECT_TRUE(SameBytes(seen.text, kSaveFailedNotice));

    file = CreateFileW((wide + L"\\Nadeo.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char bytes[16] = {};
    ReadFile(file, bytes, sizeof bytes, &written, nullptr);
    CloseHandle(file);
    EXPECT_TRUE(SameBytes(std::string(bytes, written), "old"));
}
