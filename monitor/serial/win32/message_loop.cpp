#include "monitor/serial/win32/message_loop.h"

#include <windows.h>

#include "monitor/forms/win32/application_window.h"

namespace lw {

bool Win32MessageLoop::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Win32Application::Dispatch(message);
    }
    return true;
}

void Win32MessageLoop::Pause(std::uint32_t milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
}

}  // namespace lw
