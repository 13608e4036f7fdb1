// The shell's default window icons, loaded from the DEFAULT_ICON resource when first needed.
#pragma once

#include <windows.h>

HICON BigWindowIcon();
HICON SmallWindowIcon();
// Destroys whichever of the two icons was loaded.
void DestroyWindowIcons();
