// The main window: creation from its description, painting, status bar alignment, keyboard
// navigation, focus, and reading a control's text.
#pragma once

#include <windows.h>

#include "runtime/text/text.h"
#include "shell/main_window_description.h"

// Creates the main window hidden, with its controls shown inside it, and installs the template
// holder as the configuration writer's template. Returns false when the window or one of its
// controls cannot be created.
bool CreateMainWindow();

// The live main window, or null before it is created and after it is destroyed.
HWND MainWindowHandle();

// The control's current text as a fresh block; absent when the text is empty.
Text ReadControlText(HWND window, MainWindowControl control);

// Applies the main window's keyboard rules to a key-down message addressed to the window or one
// of its controls. Returns true when the key was consumed.
bool PreTranslateMainWindowMessage(const MSG& message);
