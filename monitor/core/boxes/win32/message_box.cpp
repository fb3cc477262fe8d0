#include "monitor/core/boxes/win32/message_box.h"

namespace lw {
namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Warning:
            return MB_ICONWARNING;
        case MessageIcon::Error:
            return MB_ICONERROR;
        case MessageIcon::None:
            break;
    }
    return 0;
}

UINT ButtonStyle(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return MB_OKCANCEL;
        case MessageButtons::YesNo:
            return MB_YESNO;
        case MessageButtons::YesNoCancel:
            return MB_YESNOCANCEL;
        case MessageButtons::AbortRetry:
            return MB_ABORTRETRYIGNORE;
        case MessageButtons::Ok:
            break;
    }
    return MB_OK;
}

bool HasCancel(MessageButtons buttons) {
    return buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel;
}

// Some systems end a box without a Cancel button with IDCANCEL on Esc; such a box answers
// the choice that changes nothing instead.
MessageAnswer AnswerOf(int result, MessageButtons buttons) {
    switch (result) {
        case IDCANCEL:
            if (HasCancel(buttons)) {
                return MessageAnswer::Cancel;
            }
            return buttons == MessageButtons::YesNo        ? MessageAnswer::No
                   : buttons == MessageButtons::AbortRetry ? MessageAnswer::Abort
                                                           : MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        case IDRETRY:
            return MessageAnswer::Retry;
        case IDABORT:
        case IDIGNORE:  // only if the hidden button was reached after all
            return MessageAnswer::Abort;
        default:
            return MessageAnswer::Ok;
    }
}

// Moves two equal buttons, keeping the gap between them, to the middle of the box.
void CentreButtonPair(HWND box, HWND left, HWND right) {
    RECT client;
    RECT first;
    RECT second;
    GetClientRect(box, &client);
    GetWindowRect(left, &first);
    GetWindowRect(right, &second);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&first), 2);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&second), 2);
    const int gap = second.left - first.right;
    const int width = first.right - first.left;
    const int x = (client.right - (2 * width + gap)) / 2;
    const UINT keep = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(left, nullptr, x, first.top, 0, 0, keep);
    SetWindowPos(right, nullptr, x + width + gap, second.top, 0, 0, keep);
}

// Watches for an Abort/Retry/Ignore box of this thread to finish laying itself out, which it
// does in WM_INITDIALOG before it is first shown.
HHOOK g_ignoreHook = nullptr;

bool TakeAwayIgnore(HWND box) {
    HWND abort = GetDlgItem(box, IDABORT);
    HWND retry = GetDlgItem(box, IDRETRY);
    HWND ignore = GetDlgItem(box, IDIGNORE);
    if (abort == nullptr || retry == nullptr || ignore == nullptr) {
        return false;
    }
    // Hidden and disabled rather than destroyed: the box still knows its buttons by number,
    // but neither a click nor its mnemonic key can reach it.
    ShowWindow(ignore, SW_HIDE);
    EnableWindow(ignore, FALSE);
    CentreButtonPair(box, abort, retry);
    return true;
}

LRESULT CALLBACK AfterBoxLayout(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = g_ignoreHook;
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && TakeAwayIgnore(call->hwnd)) {
        UnhookWindowsHookEx(hook);
        g_ignoreHook = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// A box opened from inside another one's message loop finds the hook gone already, since
// the outer box was laid out before its loop began.
int ShowAbortRetry(HWND owner, const std::string& text, UINT style) {
    const bool hooked = g_ignoreHook == nullptr;
    if (hooked) {
        g_ignoreHook =
            SetWindowsHookExA(WH_CALLWNDPROCRET, AfterBoxLayout, nullptr, GetCurrentThreadId());
    }
    const int result = MessageBoxA(owner, text.c_str(), kMessageBoxTitle, style);
    if (hooked && g_ignoreHook != nullptr) {
        UnhookWindowsHookEx(g_ignoreHook);
        g_ignoreHook = nullptr;
    }
    return result;
}

}  // namespace

MessageAnswer Win32MessageBoxes::Show(const std::string& text, MessageIcon icon,
                                      MessageButtons buttons) {
    const UINT style = IconStyle(icon) | ButtonStyle(buttons);
    if (buttons == MessageButtons::AbortRetry) {
        return AnswerOf(ShowAbortRetry(owner_, text, style), buttons);
    }
    return AnswerOf(MessageBoxA(owner_, text.c_str(), kMessageBoxTitle, style), buttons);
}

}  // namespace lw
