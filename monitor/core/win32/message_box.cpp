#include "monitor/core/win32/message_box.h"

namespace lw {

MessageAnswer Win32MessageBoxes::ShowWarning(const std::string& text, MessageButtons buttons) {
    const UINT style = MB_ICONWARNING | (buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
    switch (MessageBoxA(owner_, text.c_str(), kMessageBoxTitle, style)) {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
    }
}

}  // namespace lw
