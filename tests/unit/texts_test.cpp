// The program's texts are the intended Chinese texts in code page 936, byte for byte.
#include <gtest/gtest.h>

#include "launcher/config_template.h"
#include "launcher/texts.h"
#include "runtime/texts.h"
#include "shell/texts.h"
#include "tests/support/bytes.h"

TEST(Texts, AreTheIntendedTextsInCodePage936) {
    struct Case { const char* constant; const char* utf8; };
    const Case cases[] = {
        {kSavedNotice, "设置成功！"},
        {kSaveFailedNotice,
         "设置失败！无法写入 Nadeo.ini，请确认该文件未被设为只读，也未被其他程序占用。"},
        {kPlacementNotice, "请将本程序放置到【赛道狂飙2：峡谷】游戏目录下"},
        {kDefaultNoticeCaption, "信息："},
        {kErrorReportCaption, "错误"},
        {kErrorReportHead, "运行时出错!\r\n\r\n错误信息："},
        {kAllocationFailedFormat, "分配 %d 字节内存失败!"},
        {kLoadWindowFailed, "载入启动窗口失败"},
        {kButtonCaption, "一键设置"},
        {kPlaceholder, "路径"},
    };
    for (const Case& c : cases) EXPECT_TRUE(SameBytes(c.constant, Cp936(c.utf8))) << c.utf8;
    EXPECT_EQ(std::string(kPlacementNotice).size(), 45u);
    EXPECT_EQ(std::string(kDefaultNoticeCaption).size(), 6u);
}

TEST(Texts, TemplateIsTheElevenLinesOfTheLaunchersConfiguration) {
    const std::string lines[] = {
        ";;;;;;;;;;;", "; WARNING ;", ";;;;;;;;;;;",
        "; In order to avoid any misfunctioning do no edit this file !", "", "[ManiaPlanet]",
        "WindowTitle=ManiaPlanet", "Distro=ABEBA", "Language=zh",
        "UserDir=\xC2\xB7\xBE\xB6\\Data", "CommonDir=\xC2\xB7\xBE\xB6\\Cache",
    };
    const std::size_t lengths[] = {11, 11, 11, 61, 0, 13, 23, 12, 11, 17, 20};
    std::string expected;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i + 1;
        expected += lines[i] + "\r\n";
    }
    EXPECT_EQ(expected.size(), 212u);
    EXPECT_TRUE(SameBytes(std::string(kTemplate, kTemplateLength), expected));
    EXPECT_TRUE(SameBytes(expected.substr(expected.find("UserDir=") + 8, 4), Cp936("路径")));
}
