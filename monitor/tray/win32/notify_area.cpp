#include "monitor/tray/win32/notify_area.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

namespace lw {

// The first version of the record is the one the Windows 95 shell knows: 88 bytes there.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);
// Its tip holds 64 bytes; later versions of the structure have room for more.
static_assert(sizeof(NotifyIconRecord::tip) == 64);

bool Win32NotifyArea::Send(NotifyRequest request, const NotifyIconRecord& record) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.window);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.icon);
    std::memcpy(data.szTip, record.tip, sizeof record.tip);
    data.szTip[sizeof record.tip - 1] = '\0';
    const DWORD message = request == NotifyRequest::Add      ? NIM_ADD
                          : request == NotifyRequest::Modify ? NIM_MODIFY
                                                             : NIM_DELETE;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace lw
