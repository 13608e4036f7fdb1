// Watches for a message box, from a thread of its own, records what the user would see and
// dismisses it the way a user would. Works for boxes of this process and of a child process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

struct SeenNotice {
    bool seen = false;
    std::string caption;  // bytes, as GetWindowTextA gives them
    std::string text;
    bool hasIcon = false;
    std::vector<int> buttons;  // identifiers of the visible push buttons
    bool ownerless = false;
};

// How the box is dismissed.
struct Dismissal {
    // kKey posts the key to the box's focus; kTypedKey brings the box to the front and types the
    // key through the system's input queue, as a user at the keyboard would.
    enum Kind { kButton, kKey, kCloseBox, kTypedKey } kind = kButton;
    int value = IDOK;  // the button identifier, or the virtual key
};

class NoticeWatcher {
public:
    // Watches for boxes of `processId` (this process when 0). `whileUp` runs on the watcher
    // thread while the box is shown, before it is dismissed.
    explicit NoticeWatcher(Dismissal dismissal = {}, DWORD processId = 0,
                           std::function<void(HWND box)> whileUp = {});
    NoticeWatcher(const NoticeWatcher&) = delete;
    NoticeWatcher& operator=(const NoticeWatcher&) = delete;
    ~NoticeWatcher();

    // Waits for the watcher to finish and returns what it saw; nothing seen after `timeoutMs`.
    SeenNotice Result();
    // A visible message box of `processId` (this process when 0), or null.
    static HWND FindBox(DWORD processId);

private:
    void Run();

    Dismissal dismissal_;
    DWORD processId_;
    std::function<void(HWND)> whileUp_;
    SeenNotice seen_;
    std::thread thread_;
};

// Reads a message box as the user sees it.
SeenNotice ReadNotice(HWND box);
