// The notice watcher: polls for the box, reads it, then presses a button, a key or the close box.
#include "tests/support/notice_watcher.h"

#include "tools/win32/process_window.h"
#include "tools/win32/real_input.h"

#include <cstring>

namespace {

constexpr int kTimeoutMs = 20000;

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), length + 1));
    return text;
}

}  // namespace

SeenNotice ReadNotice(HWND box) {
    SeenNotice seen;
    seen.seen = true;
    seen.caption = WindowText(box);
    seen.ownerless = GetWindow(box, GW_OWNER) == nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = {};
        GetClassNameA(child, className, sizeof className);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (!IsWindowVisible(child)) continue;
        if (_stricmp(className, "Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                if (SendMessageA(child, STM_GETICON, 0, 0)) seen.hasIcon = true;
            } else if (GetWindowTextLengthA(child) > 0) {
                seen.text = WindowText(child);
            }
        } else if (_stricmp(className, "Button") == 0) {
            seen.buttons.push_back(GetDlgCtrlID(child));
        }
    }
    return seen;
}

HWND NoticeWatcher::FindBox(DWORD processId) {
    return FindProcessWindow(processId ? processId : GetCurrentProcessId(), "#32770", true);
}

NoticeWatcher::NoticeWatcher(Dismissal dismissal, DWORD processId,
                             std::function<void(HWND)> whileUp)
    : dismissal_(dismissal), processId_(processId), whileUp_(std::move(whileUp)),
      thread_([this] { Run(); }) {}

NoticeWatcher::~NoticeWatcher() {
    if (thread_.joinable()) thread_.join();
}

SeenNotice NoticeWatcher::Result() {
    if (thread_.joinable()) thread_.join();
    return seen_;
}

void NoticeWatcher::Run() {
    HWND box = nullptr;
    for (int waited = 0; !box && waited < kTimeoutMs; waited += 20) {
        box = FindBox(processId_);
        if (!box) Sleep(20);
    }
    if (!box) return;
    Sleep(50);  // let the box finish laying itself out
    seen_ = ReadNotice(box);
    if (whileUp_) whileUp_(box);
    switch (dismissal_.kind) {
    case Dismissal::kButton:
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(dismissal_.value, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, dismissal_.value)));
        break;
    case Dismissal::kKey: {
        // The key goes where the user's would: to the control that has the box's focus.
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &gui);
        HWND target = gui.hwndFocus ? gui.hwndFocus : box;
        PostMessageA(target, WM_KEYDOWN, dismissal_.value, 1);
        PostMessageA(target, WM_KEYUP, dismissal_.value, 0xC0000001);
        break;
    }
    case Dismissal::kCloseBox:
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Dismissal::kTypedKey:
        // Typed keys reach the foreground window only, so the box is brought there first.
        BringToFront(box);
        PressKey(static_cast<WORD>(dismissal_.value));
        break;
    }
    // Wait until the box is gone, so a following watcher cannot see it again.
    for (int waited = 0; IsWindow(box) && waited < kTimeoutMs; waited += 20) Sleep(20);
}
