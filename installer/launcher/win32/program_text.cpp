#include "installer/launcher/win32/program_text.h"

#include <windows.h>

namespace aw {

namespace {

bool WriteTo(DWORD which, const std::string& text) {
    const HANDLE out = GetStdHandle(which);
    DWORD written = 0;
    return out != nullptr && out != INVALID_HANDLE_VALUE &&
           WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

void ShowText(const std::string& text, const char* title) {
    if (!WriteTo(STD_OUTPUT_HANDLE, text)) {
        MessageBoxA(nullptr, text.c_str(), title, MB_OK | MB_ICONINFORMATION);
    }
}

void ReportProblem(const std::string& message, const char* title, bool unattended) {
    if (unattended) {
        WriteTo(STD_ERROR_HANDLE, std::string(title) + ": " + message + "\n");
        return;
    }
    MessageBoxA(nullptr, message.c_str(), title, MB_OK | MB_ICONSTOP | MB_SETFOREGROUND);
}

}  // namespace aw
