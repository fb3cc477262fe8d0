#include "monitor/core/window/win32/setup_form.h"

namespace lw {
namespace {

constexpr int kWidth = 260;
constexpr int kHeight = 110;

void AddButton(HWND parent, const char* text, int id, DWORD style, int x) {
    const HWND button = CreateWindowExA(
        0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, 34, 80, 24, parent,
        reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

}  // namespace

SetupForm::SetupForm(Win32Application& application)
    : Win32Form(application, {.caption = "Setup",
                              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              .width = kWidth,
                              .height = kHeight,
                              .centred = true,
                              .dialogKeys = true}) {
    AddButton(Handle(), "OK", IDOK, BS_DEFPUSHBUTTON, 36);
    AddButton(Handle(), "Cancel", IDCANCEL, BS_PUSHBUTTON, 136);
}

}  // namespace lw
