// Tallowmere.exe's resources: the icon it shows for itself and its window, and its version record.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/bytes.h"

namespace {

// The built program, as Wine sees the build tree: the Unix root is drive Z:.
std::string ProgramPath() {
    std::string path = std::string("Z:") + TALLOWMERE_EXE;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
    *reinterpret_cast<std::string*>(first) = IS_INTRESOURCE(name) ? "#" : name;
    return FALSE;
}

}  // namespace

TEST(Resources, FirstGroupIconIsDefaultIconOneImageOf48By48In32Bits) {
    HMODULE program = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << ProgramPath();
    std::string first;
    EnumResourceNamesA(program, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, "DEFAULT_ICON");
    HRSRC found = FindResourceA(program, "DEFAULT_ICON", RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const GroupIcon*>(LockResource(LoadResource(program, found)));
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 48);
    EXPECT_EQ(group->entries[0].height, 48);
    EXPECT_EQ(group->entries[0].bitCount, 32);
    HICON icon = static_cast<HICON>(LoadImageA(program, "DEFAULT_ICON", IMAGE_ICON, 48, 48, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
    FreeLibrary(program);
}

TEST(Resources, VersionRecordNamesTallowmere100InChinesePrc) {
    const std::string path = ProgramPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string record(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, record.data()));
    struct Field { const char* name; const char* value; };
    const Field fields[] = {
        {"FileVersion", "1.0.0.0"},    {"ProductVersion", "1.0.0.0"},
        {"FileDescription", "Tallowmere"}, {"ProductName", "Tallowmere"},
        {"Comments", "Tallowmere"},
    };
    for (const Field& field : fields) {
        char* value = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\080404B0\\") + field.name;
        ASSERT_TRUE(VerQueryValueA(record.data(), key.c_str(), reinterpret_cast<void**>(&value),
                                   &length)) << field.name;
        EXPECT_TRUE(SameBytes(value, field.value)) << field.name;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}
