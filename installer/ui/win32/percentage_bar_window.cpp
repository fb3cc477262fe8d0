#include "installer/ui/win32/percentage_bar_window.h"

#include <string>

#include "installer/languages/resource_numbers.h"
#include "installer/ui/percentage_bar.h"
#include "installer/ui/win32/gdi_handles.h"

namespace aw {
namespace {

// The window's extra bytes: the value, then the colour.
constexpr int kValueSlot = 0;
constexpr int kColourSlot = sizeof(LONG_PTR);

RECT ToRect(const PixelRect& r) {
    return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
}

// 9 points in "MS Sans Serif" across, in "Arial" turned upright.
GdiObject<HFONT> BarFont(HDC dc, bool horizontal) {
    const int height = -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);
    const int angle = horizontal ? 0 : 900;
    return GdiObject<HFONT>(CreateFontA(height, 0, angle, angle, FW_NORMAL, FALSE, FALSE, FALSE,
                                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                        horizontal ? "MS Sans Serif" : "Arial"));
}

void Paint(HWND window) {
    PaintSession paint(window);
    RECT client;
    GetClientRect(window, &client);
    const BarDrawing drawing = DrawBar({client.right, client.bottom},
                                       static_cast<int>(GetWindowLongPtrA(window, kValueSlot)));
    const HDC dc = paint.Dc();
    FillSolid(dc, ToRect(drawing.Filled),
              static_cast<COLORREF>(GetWindowLongPtrA(window, kColourSlot)));
    FillSolid(dc, ToRect(drawing.Rest), RGB(255, 255, 255));

    const GdiObject<HFONT> font = BarFont(dc, drawing.Horizontal);
    Selection selected(dc, font.Get());
    SIZE text;
    GetTextExtentPoint32A(dc, drawing.Text.c_str(), static_cast<int>(drawing.Text.size()), &text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    // Turned upright, the text runs upward from its starting point with its top to the left.
    const int x = drawing.Horizontal ? (client.right - text.cx) / 2 : (client.right - text.cy) / 2;
    const int y =
        drawing.Horizontal ? (client.bottom - text.cy) / 2 : (client.bottom + text.cx) / 2;
    TextOutA(dc, x, y, drawing.Text.c_str(), static_cast<int>(drawing.Text.size()));
}

LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            SetWindowLongPtrA(window, kColourSlot, GetSysColor(COLOR_HIGHLIGHT));
            return 0;
        case kBarSetValue:
            SetWindowLongPtrA(window, kValueSlot, static_cast<LONG_PTR>(wParam));
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
            return 0;
        case kBarSetColour:
            SetWindowLongPtrA(window, kColourSlot, static_cast<LONG_PTR>(wParam));
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case kBarGetValue:
            return GetWindowLongPtrA(window, kValueSlot);
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterPercentageBar() {
    static const bool registered = [] {
        WNDCLASSA bar = {};
        bar.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
        bar.lpfnWndProc = BarProc;
        bar.cbWndExtra = 2 * sizeof(LONG_PTR);
        bar.hInstance = GetModuleHandleA(nullptr);
        bar.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        bar.lpszClassName = AW_PERCENT_BAR_CLASS;
        return RegisterClassA(&bar) != 0;
    }();
    return registered;
}

}  // namespace aw
