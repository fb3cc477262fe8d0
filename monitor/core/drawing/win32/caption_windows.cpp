#include "monitor/core/drawing/win32/caption_windows.h"

namespace lw {
namespace {

HWND Hwnd(CaptionWindowId window) {
    return reinterpret_cast<HWND>(window);
}

// Other programs' windows are asked with a time limit, so that a hung program cannot hold
// up the monitor's tick.
void SendBriefly(CaptionWindowId window, UINT message, WPARAM wParam) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(Hwnd(window), message, wParam, 0, SMTO_ABORTIFHUNG, 250, &ignored);
}

class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace

HWND ForegroundTopLevelWindow() {
    HWND window = GetForegroundWindow();
    for (HWND parent = window; parent != nullptr; parent = GetParent(parent)) {
        window = parent;
    }
    return window;
}

CaptionWindowId GdiCaptionWindows::ForegroundTopLevel() const {
    return reinterpret_cast<CaptionWindowId>(ForegroundTopLevelWindow());
}

CaptionWindowInfo GdiCaptionWindows::Describe(CaptionWindowId window) const {
    const HWND hwnd = Hwnd(window);
    RECT bounds{};
    GetWindowRect(hwnd, &bounds);
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    const auto has = [style](LONG_PTR bits) { return (style & bits) != 0; };
    CaptionWindowInfo info;
    info.width = bounds.right - bounds.left;
    info.caption = has(WS_DLGFRAME);
    info.sysMenu = has(WS_SYSMENU);
    info.minimizeBox = has(WS_MINIMIZEBOX);
    info.maximizeBox = has(WS_MAXIMIZEBOX);
    info.sizeable = has(WS_THICKFRAME);
    info.popup = has(WS_POPUP);
    info.child = has(WS_CHILD);
    info.minimized = IsIconic(hwnd) != FALSE;
    info.monitorWindow = hwnd == monitor_;
    return info;
}

void GdiCaptionWindows::RepaintFrame(CaptionWindowId window) {
    SendBriefly(window, WM_NCPAINT, 1);
}

void GdiCaptionWindows::RedrawCaption(CaptionWindowId window) {
    SendBriefly(window, WM_NCACTIVATE, 1);
}

void GdiCaptionWindows::DrawStrip(CaptionWindowId window, const Picture& strip, int x, int y,
                                  int width, int height) {
    const WindowDc dc(Hwnd(window));
    if (dc != nullptr) {
        resources_.CopyTo(dc, strip, x, y, width, height);
    }
}

void GdiCaptionWindows::DrawTime(CaptionWindowId window, const std::string& text, int right,
                                 int top, int bottom, const DrawingFont& font, Colour textColour,
                                 Colour background) {
    const WindowDc dc(Hwnd(window));
    if (dc == nullptr) {
        return;
    }
    const HGDIOBJ previous = SelectObject(dc, static_cast<const GdiFont&>(font).Font());
    SetTextColor(dc, textColour);
    SetBkColor(dc, background);
    SetBkMode(dc, OPAQUE);
    RECT box{0, top, right, bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

}  // namespace lw
