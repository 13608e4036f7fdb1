// Event dispatch: the loaded windows and RaiseEvent, which runs the handler bound to an event.
#pragma once

#include <windows.h>

#include "shell/main_window_description.h"

// Adds a created window to the loaded windows, with its description.
void AddLoadedWindow(HWND window, const WindowDescription& description);
// Takes a window that is being destroyed out of the loaded windows. When none is left and the
// message loop has started, the loop is asked to end.
void RemoveLoadedWindow(HWND window);
// Destroys the loaded windows that still exist, without their close path.
void DestroyLoadedWindows();
bool AnyLoadedWindowExists();

// Set when the message loop is entered; never cleared.
void MarkMessageLoopStarted();

// Runs the handler bound to `event` of `control` (0 for the window itself) of a loaded window.
// Returns whether a handler ran: none runs while events are suppressed or when none is bound.
bool RaiseEvent(HWND window, int control, int event);
