// ShowNotice: the style it asks for, the button codes it returns, and the real box it shows.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/system/notice.h"
#include "runtime/system/notice_style.h"
#include "runtime/texts.h"
#include "tests/support/bytes.h"
#include "tests/support/notice_watcher.h"

TEST(NoticeStyle, IsTaskModalUnlessSystemModalWasAsked) {
    struct Case { std::int32_t flags; std::int32_t style; };
    const Case cases[] = {
        // flags                     style passed to MessageBoxA
        {0,                          0x2000},
        {MB_YESNO,                   0x2004},
        {MB_ICONERROR,               0x2010},
        {MB_SYSTEMMODAL,             0x1000},
        {MB_SYSTEMMODAL | MB_OKCANCEL, 0x1001},
        {MB_TASKMODAL,               0x4000},  // arithmetic, not a bitwise or
    };
    for (const Case& c : cases) EXPECT_EQ(NoticeStyle(c.flags), c.style) << c.flags;
}

TEST(NoticeStyle, ButtonCodeIsTheIdentifierMinusOne) {
    const int results[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, 0, 8, 11, -1};
    const int codes[] = {0, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0};
    for (std::size_t i = 0; i < std::size(results); ++i) {
        EXPECT_EQ(ButtonCode(MB_YESNOCANCEL, results[i]), codes[i]) << results[i];
        EXPECT_EQ(ButtonCode(MB_OK | MB_ICONERROR, results[i]), 0) << results[i];
    }
}

TEST(ShowNotice, PlainNoticeHasTheDefaultCaptionOneOkButtonAndNoIcon) {
    NoticeWatcher watcher;
    EXPECT_EQ(ShowNotice("abc"), 0);
    const SeenNotice seen = watcher.Result();
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(SameBytes(seen.caption, kDefaultNoticeCaption));
    EXPECT_TRUE(SameBytes(seen.text, "abc"));
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_TRUE(seen.ownerless);
}

TEST(ShowNotice, ReturnsTheCodeOfHowTheUserAnswered) {
    struct Case { const char* how; std::int32_t flags; Dismissal dismissal; std::int32_t code; };
    const Case cases[] = {
        // how                  flags        dismissal                            code
        {"OK",                  0,           {Dismissal::kButton, IDOK},          0},
        {"Enter",               0,           {Dismissal::kKey, VK_RETURN},        0},
        {"Esc",                 0,           {Dismissal::kKey, VK_ESCAPE},        0},
        {"close box",           0,           {Dismissal::kCloseBox, 0},           0},
        {"Yes",                 MB_YESNO,    {Dismissal::kButton, IDYES},         5},
        {"No",                  MB_YESNO,    {Dismissal::kButton, IDNO},          6},
        {"OK of OK/Cancel",     MB_OKCANCEL, {Dismissal::kButton, IDOK},          0},
        {"Cancel",              MB_OKCANCEL, {Dismissal::kButton, IDCANCEL},      1},
        {"Esc on OK/Cancel",    MB_OKCANCEL, {Dismissal::kKey, VK_ESCAPE},        1},
    };
    for (const Case& c : cases) {
        NoticeWatcher watcher(c.dismissal);
        EXPECT_EQ(ShowNotice("?", c.flags), c.code) << c.how;
        EXPECT_TRUE(watcher.Result().seen) << c.how;
    }
}

TEST(ShowNotice, GivenCaptionIsUsedEvenWhenEmpty) {
    NoticeWatcher watcher;
    ShowNotice(nullptr, MB_ICONERROR, "");
    const SeenNotice seen = watcher.Result();
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(SameBytes(seen.caption, ""));
    EXPECT_TRUE(seen.hasIcon);
}

TEST(ShowNotice, DisablesTheThreadsWindowsWhileItIsUp) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                                  100, nullptr, nullptr, nullptr, nullptr);
    bool enabledWhileUp = true;
    NoticeWatcher watcher({}, 0, [&](HWND) { enabledWhileUp = IsWindowEnabled(window); });
    ShowNotice("?");
    ASSERT_TRUE(watcher.Result().seen);
    EXPECT_FALSE(enabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(window));
    DestroyWindow(window);
}
