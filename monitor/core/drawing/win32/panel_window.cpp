#include "monitor/core/drawing/win32/panel_window.h"

namespace lw {

SystemMetrics CurrentSystemMetrics() {
    SystemMetrics m;
    m.cxMin = GetSystemMetrics(SM_CXMIN);
    m.cxSize = GetSystemMetrics(SM_CXSIZE);
    m.cySize = GetSystemMetrics(SM_CYSIZE);
    m.cyCaption = GetSystemMetrics(SM_CYCAPTION);
    m.cxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME);
    m.cyDlgFrame = GetSystemMetrics(SM_CYDLGFRAME);
    m.cxFrame = GetSystemMetrics(SM_CXFRAME);
    m.cyFrame = GetSystemMetrics(SM_CYFRAME);
    m.cxBorder = GetSystemMetrics(SM_CXBORDER);
    m.cyBorder = GetSystemMetrics(SM_CYBORDER);
    return m;
}

GdiPanelWindow::~GdiPanelWindow() {
    if (brush_ != nullptr) {
        DeleteObject(brush_);
    }
}

int GdiPanelWindow::Width() const {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    return bounds.right - bounds.left;
}

int GdiPanelWindow::CaptionTextWidth() const {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return 0;
    }
    char text[64] = {};
    const int length = GetWindowTextA(window_, text, sizeof text);
    const HDC screen = GetDC(nullptr);
    const HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32A(screen, text, length, &size);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

void GdiPanelWindow::SetColour(Colour colour) {
    const HDC screen = GetDC(nullptr);
    const COLORREF shown = GetNearestColor(screen, colour);
    ReleaseDC(nullptr, screen);
    if (brush_ != nullptr) {
        DeleteObject(brush_);
    }
    brush_ = CreateSolidBrush(shown);
}

// Only the sizeable frame changes; whether the window has a caption is the window's own
// business.
void GdiPanelWindow::SetBorder(PanelBorder border) {
    const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
    const LONG_PTR wanted =
        border == PanelBorder::Sizeable ? style | WS_THICKFRAME : style & ~LONG_PTR{WS_THICKFRAME};
    if (wanted == style) {
        return;
    }
    SetWindowLongPtrA(window_, GWL_STYLE, wanted);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A topmost panel goes above the other topmost windows again at each drawing, so that one
// that rose above it since is covered again; a panel that is not topmost is left where the
// user put it among the others, and only loses the topmost state once.
void GdiPanelWindow::SetTopmost(bool topmost) {
    const bool now = (GetWindowLongPtrA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (!topmost && !now) {
        return;
    }
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void GdiPanelWindow::Resize(int width, int height) {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    if (bounds.right - bounds.left == width && bounds.bottom - bounds.top == height) {
        return;
    }
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void GdiPanelWindow::Invalidate() {
    InvalidateRect(window_, nullptr, FALSE);
}

bool GdiPanelWindow::EraseBackground(HDC dc) const {
    if (brush_ == nullptr) {
        return false;
    }
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, brush_);
    return true;
}

}  // namespace lw
