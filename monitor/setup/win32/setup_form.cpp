#include "monitor/setup/win32/setup_form.h"

namespace lw {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

FormFrame SetupFrame() {
    RECT bounds{0, 0, TSetupDlg::kClientWidth, TSetupDlg::kClientHeight};
    AdjustWindowRectEx(&bounds, kStyle, FALSE, kExStyle);
    return {.caption = "Setup",
            .style = kStyle,
            .exStyle = kExStyle,
            .width = bounds.right - bounds.left,
            .height = bounds.bottom - bounds.top,
            .centred = true,
            .dialogKeys = true};
}

}  // namespace

SetupForm::SetupForm(Win32Application& application, const SetupServices& services)
    : Win32Form(application, SetupFrame()) {
    dialog_ = std::make_unique<TSetupDlg>(*this, windows_, reinterpret_cast<WindowHandle>(Handle()),
                                          services);
}

SetupForm::~SetupForm() = default;

bool SetupForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(Win32DialogWindows::DialogFont());
        return true;
    }
    return windows_.Router().Route(message, wParam, lParam, result);
}

}  // namespace lw
