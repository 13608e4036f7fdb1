// The configuration template that one click turns into Nadeo.ini, and what surrounds it.
#pragma once

#include <cstddef>

// Eleven lines, each ended by CR LF, 212 bytes in code page 936. Every 路径 (C2 B7 BE B6) is
// replaced by the program directory. Line 4 is kept byte for byte as the launcher expects it.
inline constexpr char kTemplate[] =
    ";;;;;;;;;;;\r\n"
    "; WARNING ;\r\n"
    ";;;;;;;;;;;\r\n"
    "; In order to avoid any misfunctioning do no edit this file !\r\n"
    "\r\n"
    "[ManiaPlanet]\r\n"
    "WindowTitle=ManiaPlanet\r\n"
    "Distro=ABEBA\r\n"
    "Language=zh\r\n"
    "UserDir=\xC2\xB7\xBE\xB6\\Data\r\n"
    "CommonDir=\xC2\xB7\xBE\xB6\\Cache\r\n";
inline constexpr std::size_t kTemplateLength = sizeof kTemplate - 1;
static_assert(kTemplateLength == 212);

// 路径 (path): the placeholder for the program directory.
inline constexpr char kPlaceholder[] = "\xC2\xB7\xBE\xB6";

// Joined to the program directory as it is: the directory has no trailing separator.
inline constexpr char kConfigFileSuffix[] = "/Nadeo.ini";
