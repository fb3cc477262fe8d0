#include "monitor/setup/win32/select_reg_dlg.h"

#include "monitor/setup/machine_lists.h"

namespace lw {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;

const char kExplanation[] =
    "There were problems with the identifying the correct Registry Key. Please select a key or "
    "press Cancel.";

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id,
              const RECT& place) {
    const HWND child = CreateWindowExA(
        className == std::string("LISTBOX") ? WS_EX_CLIENTEDGE : 0, className, text,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

}  // namespace

// The label fills the window behind the other controls, its text at the top.
TSelectRegDlg::TSelectRegDlg(Win32Application& application, Registry& registry,
                             MonitorSettings& settings)
    : Win32Form(application, {.caption = "Select Registry Entry",
                              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                              .exStyle = WS_EX_DLGMODALFRAME,
                              .width = kWidth,
                              .height = kHeight,
                              .dialogKeys = true}),
      registry_(registry),
      settings_(settings) {
    RECT client;
    GetClientRect(Handle(), &client);
    const HWND label = AddChild(Handle(), "STATIC", kExplanation, SS_CENTER, -1, client);
    const int buttonTop = client.bottom - kButtonHeight - 10;
    list_ = AddChild(Handle(), "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, kListId,
                     {10, 44, client.right - 10, buttonTop - 10});
    const int buttonsLeft = (client.right - 2 * kButtonWidth - 10) / 2;
    AddChild(Handle(), "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK,
             {buttonsLeft, buttonTop, buttonsLeft + kButtonWidth, buttonTop + kButtonHeight});
    AddChild(Handle(), "BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL,
             {buttonsLeft + kButtonWidth + 10, buttonTop, buttonsLeft + 2 * kButtonWidth + 10,
              buttonTop + kButtonHeight});
    SetWindowPos(label, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    OnShow = NotifyEvent::Of<&TSelectRegDlg::FormShow>(*this);
}

void TSelectRegDlg::FormShow(Component&) {
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : StatisticsNames(registry_)) {
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

bool TSelectRegDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
        Picked();
        result = 0;
        return true;
    }
    return false;
}

// OK and Cancel only close the dialog: a pick stays made.
void TSelectRegDlg::Picked() {
    const LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) {
        return;
    }
    std::string name(static_cast<size_t>(SendMessageA(list_, LB_GETTEXTLEN, index, 0)), '\0');
    SendMessageA(list_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    settings_.DUNRegistryName = name;
    OnChosen(settings_.DUNRegistryName);
}

}  // namespace lw
