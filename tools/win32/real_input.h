// Real input for the program: keys and mouse clicks go through the system's input queue, so they
// reach the program the way a user's do, through its own message loop.
#pragma once

#include <windows.h>

#include <string_view>

enum Modifier : unsigned { kShift = 1, kCtrl = 2, kAlt = 4 };

// Presses and releases `key` while holding the modifiers, sent as one uninterrupted sequence.
void PressKey(WORD key, unsigned modifiers = 0);

// Types lower-case letters and digits, one key each.
void TypeKeys(std::string_view keys);

// Moves the mouse to `point` (screen coordinates) and waits until the cursor is there; false
// when it never got there.
bool MoveMouseTo(POINT point);

// Moves the mouse to `point` and clicks the left button there.
bool ClickAt(POINT point);

// Moves the mouse to the bottom left corner of the screen, where no window of the tests lies.
bool ParkMouse();

POINT CentreOf(HWND window);

// Makes `window` the foreground window, where typed keys go. False when it did not become so.
bool BringToFront(HWND window);
