#include "monitor/controls/win32/edit_window.h"

#include <stdexcept>

#include "monitor/controls/win32/control_keys.h"
#include "monitor/forms/win32/application_window.h"

namespace lw {
namespace {

// Multi-line so that the text rectangle can be narrowed; scrolling sideways instead of
// wrapping keeps the text on one line.
constexpr DWORD kEditStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | ES_MULTILINE | ES_AUTOHSCROLL;

}  // namespace

Win32EditWindow::Win32EditWindow(TVexSpinEdit& control, HWND parent, const ControlRect& bounds)
    : control_(control) {
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", kEditStyle, bounds.left, bounds.top,
                              bounds.Width(), bounds.Height(), parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("Couldn't create a spin edit");
    }
    auto font = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
}

// Nothing reaches the control while the window goes.
Win32EditWindow::~Win32EditWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure_));
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

std::string Win32EditWindow::Text() const {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Win32EditWindow::SetText(const std::string& text) {
    SetWindowTextA(window_, text.c_str());
}

void Win32EditWindow::SelectAll() {
    SendMessageA(window_, EM_SETSEL, 0, -1);
}

void Win32EditWindow::SetReadOnly(bool readOnly) {
    SendMessageA(window_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void Win32EditWindow::SetMaxLength(int length) {
    SendMessageA(window_, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void Win32EditWindow::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

bool Win32EditWindow::Enabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

void Win32EditWindow::SetVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

void Win32EditWindow::SetThreeDimensional(bool on) {
    LONG_PTR exStyle = GetWindowLongPtrA(window_, GWL_EXSTYLE);
    exStyle = on ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~WS_EX_CLIENTEDGE);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, exStyle);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ControlRect Win32EditWindow::Bounds() const {
    RECT rect;
    GetWindowRect(window_, &rect);
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32EditWindow::SetBounds(const ControlRect& bounds) {
    MoveWindow(window_, bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

int Win32EditWindow::ClientWidth() const {
    RECT rect;
    GetClientRect(window_, &rect);
    return rect.right;
}

int Win32EditWindow::ClientHeight() const {
    RECT rect;
    GetClientRect(window_, &rect);
    return rect.bottom;
}

void Win32EditWindow::SetTextRect(const ControlRect& rect) {
    RECT text = {rect.left, rect.top, rect.right, rect.bottom};
    SendMessageA(window_, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&text));
    InvalidateRect(window_, nullptr, TRUE);
}

int Win32EditWindow::FontHeight() const {
    const HDC dc = GetDC(window_);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    return metrics.tmHeight;
}

bool Win32EditWindow::Focused() const {
    return window_ != nullptr && GetFocus() == window_;
}

bool Win32EditWindow::CanFocus() const {
    return IsWindowEnabled(window_) && IsWindowVisible(window_);
}

void Win32EditWindow::SetFocus() {
    ::SetFocus(window_);
}

LRESULT CALLBACK Win32EditWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<Win32EditWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC edit = self->editProcedure_;
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(edit));
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return CallWindowProcA(edit, window, message, wParam, lParam);
    }
    return Win32Application::Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT Win32EditWindow::CallEdit(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(editProcedure_, window_, message, wParam, lParam);
}

LRESULT Win32EditWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            // A multi-line edit would keep Tab, Enter and Esc from the dialog, and the dialog
            // would select the whole text on entry whatever AutoSelect says.
            const LRESULT code = CallEdit(message, wParam, lParam);
            return (code & ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB | DLGC_HASSETSEL)) |
                   DLGC_WANTARROWS | DLGC_WANTCHARS;
        }
        case WM_CHAR:
            if (!control_.KeyPress(static_cast<char>(wParam))) {
                return 0;
            }
            break;
        case WM_KEYDOWN:
            if (!control_.KeyDown(ControlKeyOf(wParam))) {
                return 0;
            }
            break;
        case WM_CUT:
        case WM_PASTE:
            if (!control_.CanCutOrPaste()) {
                return 0;
            }
            break;
        case WM_LBUTTONDOWN: {
            const bool nested = mouseDown_;
            mouseDown_ = true;
            const LRESULT result = ReportTextChange(message, wParam, lParam);
            mouseDown_ = nested;
            return result;
        }
        case WM_SETFOCUS: {
            const LRESULT result = CallEdit(message, wParam, lParam);
            control_.Entered(mouseDown_);
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = CallEdit(message, wParam, lParam);
            control_.Left();
            return result;
        }
        case WM_SIZE: {
            const LRESULT result = CallEdit(message, wParam, lParam);
            control_.Resized();
            return result;
        }
        case WM_SETFONT: {
            const LRESULT result = CallEdit(message, wParam, lParam);
            control_.FontChanged();
            return result;
        }
    }
    return ReportTextChange(message, wParam, lParam);
}

// The edit marks the text as modified whenever the user changes it and clears the mark when
// the text is set as a whole, which is therefore compared.
LRESULT Win32EditWindow::ReportTextChange(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        const std::string before = Text();
        const LRESULT result = CallEdit(message, wParam, lParam);
        if (window_ != nullptr && Text() != before) {
            control_.TextChanged();
        }
        return result;
    }
    const LRESULT result = CallEdit(message, wParam, lParam);
    if (window_ != nullptr && CallEdit(EM_GETMODIFY, 0, 0) != 0) {
        CallEdit(EM_SETMODIFY, FALSE, 0);
        control_.TextChanged();
    }
    return result;
}

}  // namespace lw
