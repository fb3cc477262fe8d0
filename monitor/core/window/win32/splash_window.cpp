#include "monitor/core/window/win32/splash_window.h"

#include "monitor/core/drawing/tray_hint.h"
#include "monitor/core/window/win32/about_box.h"

namespace lw {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 110;
constexpr UINT_PTR kHideTimer = 1;
constexpr UINT kShownMs = 2500;

}  // namespace

SplashWindow::SplashWindow(Win32Application& application)
    : Win32Form(application, {.caption = "",
                              .style = WS_POPUP | WS_BORDER,
                              .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                              .width = kWidth,
                              .height = kHeight,
                              .centred = true}) {}

void SplashWindow::Present() {
    SetVisible(true);
    SetTimer(Handle(), kHideTimer, kShownMs, nullptr);
    UpdateWindow(Handle());
}

bool SplashWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        case WM_TIMER:
            if (wParam != kHideTimer) {
                return false;
            }
            [[fallthrough]];
        case WM_LBUTTONDOWN:
            KillTimer(Handle(), kHideTimer);
            Hide();
            result = 0;
            return true;
        default:
            return false;
    }
}

void SplashWindow::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT client{};
    GetClientRect(Handle(), &client);
    const HBRUSH background = CreateSolidBrush(RGB(192, 192, 192));
    FillRect(dc, &client, background);
    DeleteObject(background);

    const HFONT title = CreateFontA(-28, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                    0, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
    const HGDIOBJ oldFont = SelectObject(dc, title);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 128));
    RECT line{0, 12, client.right, 48};
    DrawTextA(dc, "LineWink", -1, &line, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DeleteObject(title);
    SetTextColor(dc, RGB(0, 0, 0));
    line = {0, 50, client.right, 66};
    DrawTextA(dc, kProgramNameAndVersion, -1, &line, DT_CENTER | DT_SINGLELINE);
    DrawLampRow(dc, (client.right - 14 * 8) / 2, 76, 14, 6);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &paint);
}

}  // namespace lw
