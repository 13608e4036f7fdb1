// The shell's own texts, as code page 936 bytes.
#pragma once

// 载入启动窗口失败  (loading the start-up window failed)
inline constexpr char kLoadWindowFailed[] =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";

// 一键设置  (set up with one click): the caption of the button
inline constexpr char kButtonCaption[] = "\xD2\xBB\xBC\xFC\xC9\xE8\xD6\xC3";

// The status bar: 30 spaces push the credit, 由 Tallowmere 小组制作 (made by the Tallowmere
// team), to the right of its left-aligned part.
inline constexpr char kStatusText[] =
    "                              "
    "\xD3\xC9 Tallowmere \xD0\xA1\xD7\xE9\xD6\xC6\xD7\xF7";

// The title ends in a carriage return, handed to the system as it is.
inline constexpr char kMainWindowTitle[] = "Tallowmere\r";

inline constexpr char kMainWindowClass[] = "WTWindow";

// The icon resource of the executable and of the main window.
inline constexpr char kIconResourceName[] = "DEFAULT_ICON";
