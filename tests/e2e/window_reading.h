// Reading the windows of another process from outside, as bytes and rectangles.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

std::string ClassNameOf(HWND window);

// The text the system keeps for the window (its title or caption), as GetWindowTextA gives it.
std::string WindowTextOf(HWND window);

// The text as the control itself answers WM_GETTEXT: for an edit control, what it holds now.
std::string ControlTextOf(HWND control);

// The text of one part of a status bar, as SB_GETTEXTA gives it. The control writes the text
// into the caller's buffer, so the buffer is made inside the status bar's own process.
std::string StatusPartTextOf(HWND statusBar, int part);

// The child's window rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
RECT ClientRectOf(HWND window);

// The children from the top of the z-order down.
std::vector<HWND> ChildrenTopDown(HWND parent);

// A screen point on the window's frame where the system hit-tests `hitCode` (HTCLOSE,
// HTCAPTION, ...): the middle of that part, found by asking the window itself.
std::optional<POINT> NonClientPoint(HWND window, LRESULT hitCode);
