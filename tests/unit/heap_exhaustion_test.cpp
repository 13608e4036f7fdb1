// The program's end on an exhausted heap and from inside its end callback, in child processes.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/bytes.h"
#include "tests/support/notice_watcher.h"
#include "tests/support/process.h"
#include "tests/unit/child_modes.h"

TEST(HeapExhaustion, ShowsTheErrorReportAndEndsWithMinusOne) {
    ChildProcess child('"' + ThisProgram() + "\" " + kExhaustHeapMode);
    ASSERT_TRUE(child.started());
    NoticeWatcher watcher({}, child.id());
    const SeenNotice seen = watcher.Result();
    EXPECT_EQ(child.Wait(), 0xFFFFFFFFu);
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(SameBytes(seen.caption, Cp936("错误")));
    EXPECT_TRUE(SameBytes(seen.text, Cp936("运行时出错!\r\n\r\n错误信息：分配 212 字节内存失败!\r\n")));
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
}

TEST(EndProgram, CalledAgainFromTheEndCallbackEndsAtOnceWithItsCode) {
    ChildProcess child('"' + ThisProgram() + "\" " + kEndTwiceMode);
    ASSERT_TRUE(child.started());
    EXPECT_EQ(child.Wait(), static_cast<DWORD>(kSecondEndCode));
}
