// The message loop: every message is first offered to the main window's keyboard handling.
#include "shell/message_loop.h"

#include <windows.h>

#include "shell/events.h"
#include "shell/main_window.h"

int RunMessageLoop() {
    MarkMessageLoopStarted();
    if (!AnyLoadedWindowExists()) return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateMainWindowMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
