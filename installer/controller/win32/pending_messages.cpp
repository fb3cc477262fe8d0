#include "installer/controller/win32/pending_messages.h"

#include <windows.h>

namespace aw {

void RunPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Left for the loop that ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool MessagePacer::Due() {
    const std::uint32_t now = GetTickCount();
    // Unsigned difference: right across the counter's wrap after 49.7 days.
    if (now - last_ < kIntervalMs) {
        return false;
    }
    last_ = now;
    return true;
}

void MessagePacer::Turn() {
    if (Due()) {
        RunPendingMessages();
    }
}

}  // namespace aw
