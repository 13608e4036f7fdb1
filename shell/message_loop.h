// The message loop of the program's one thread.
#pragma once

// Runs until WM_QUIT and returns its wParam; returns 0 at once when no loaded window exists.
int RunMessageLoop();
