// The window icons: both made from the one 48 x 48 image, at 48 x 48.
#include "shell/window_icons.h"

#include <utility>

#include "shell/texts.h"

namespace {

HICON g_big = nullptr;
HICON g_small = nullptr;

HICON LoadIconImage() {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), kIconResourceName, IMAGE_ICON, 48, 48, 0));
}

}  // namespace

HICON BigWindowIcon() { return g_big ? g_big : (g_big = LoadIconImage()); }
HICON SmallWindowIcon() { return g_small ? g_small : (g_small = LoadIconImage()); }

void DestroyWindowIcons() {
    if (HICON icon = std::exchange(g_big, nullptr)) DestroyIcon(icon);
    if (HICON icon = std::exchange(g_small, nullptr)) DestroyIcon(icon);
}
