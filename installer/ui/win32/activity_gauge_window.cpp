#include "installer/ui/win32/activity_gauge_window.h"

#include "installer/languages/resource_numbers.h"
#include "installer/ui/win32/percentage_bar_window.h"

namespace aw {
namespace {

constexpr COLORREF kFirstBarColour = 0x00FF00;
constexpr COLORREF kSecondBarColour = 0x0000FF;

}  // namespace

ActivityGaugeWindow::ActivityGaugeWindow(HWND screen, HINSTANCE resources, PixelPoint point)
    : screen_(screen), point_(point) {
    if (!RegisterPercentageBar()) {
        return;
    }
    CreateDialogParamA(resources, "DLGGAUGE", screen, Proc, reinterpret_cast<LPARAM>(this));
}

ActivityGaugeWindow::~ActivityGaugeWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

INT_PTR CALLBACK ActivityGaugeWindow::Proc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        reinterpret_cast<ActivityGaugeWindow*>(lParam)->Open(window);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        if (auto* self =
                reinterpret_cast<ActivityGaugeWindow*>(GetWindowLongPtrA(window, DWLP_USER))) {
            self->window_ = nullptr;
        }
    }
    return FALSE;
}

void ActivityGaugeWindow::Open(HWND window) {
    window_ = window;
    SendDlgItemMessageA(window, AW_ID_GAUGE_FIRST_BAR, kBarSetColour, kFirstBarColour, 0);
    SendDlgItemMessageA(window, AW_ID_GAUGE_SECOND_BAR, kBarSetColour, kSecondBarColour, 0);
    levels_.Open(GetTickCount());
    POINT at{point_.X, point_.Y};
    ClientToScreen(screen_, &at);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    Show(kIdleGaugeLevels);
}

void ActivityGaugeWindow::Pulse() {
    if (window_ == nullptr) {
        return;
    }
    if (const auto levels = levels_.Pulse(GetTickCount())) {
        Show(*levels);
    }
}

void ActivityGaugeWindow::Show(const GaugeLevels& levels) {
    SendDlgItemMessageA(window_, AW_ID_GAUGE_FIRST_BAR, kBarSetValue,
                        static_cast<WPARAM>(levels.First), 0);
    SendDlgItemMessageA(window_, AW_ID_GAUGE_SECOND_BAR, kBarSetValue,
                        static_cast<WPARAM>(levels.Second), 0);
    UpdateWindow(window_);
}

}  // namespace aw
