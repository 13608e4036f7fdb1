// The main window description: what the window and its controls are made of, and which of their
// events run which handler. Constant data; the program never changes a property afterwards.
#pragma once

#include <windows.h>

#include <span>

using Handler = void (*)();

// Event numbers of a window.
enum WindowEvent : int {
    kCreationComplete = 0,
    kCloseQuery = 1,
    kDestroying = 2,
    kMoved = 3,
    kResized = 4,
};

// Event numbers of a button.
enum ButtonEvent : int { kClicked = 0 };

struct EventBinding {
    int event;
    Handler handler;
};

struct ControlDescription {
    const char* className;
    const char* text;
    DWORD style;
    int x, y, width, height;
    int childId;
    std::span<const EventBinding> events;
};

struct WindowDescription {
    const char* className;
    const char* title;
    DWORD style;
    int width, height;
    std::span<const EventBinding> events;
    std::span<const ControlDescription> controls;  // in the order of creation
};

// The window counts as its own first control; its controls follow in the order of creation.
enum MainWindowControl : int {
    kMainWindowItself = 0,
    按钮1 = 1,
    编辑框1 = 2,
    状态条1 = 3,
};
inline constexpr int kMainWindowControlCount = 3;

// The colours of the template holder: black on white.
inline constexpr COLORREF kHolderTextColour = RGB(0, 0, 0);
inline constexpr COLORREF kHolderBackColour = RGB(255, 255, 255);

// The one part of the status bar reaches past the visible width of the bar.
inline constexpr int kStatusPartRightEdge = 500;

extern const WindowDescription kMainWindowDescription;

// The description's control for a control number other than the window itself.
inline const ControlDescription& DescribeControl(MainWindowControl control) {
    return kMainWindowDescription.controls[control - 1];
}
