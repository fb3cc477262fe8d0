#include "monitor/controls/win32/spin_button_window.h"

#include <stdexcept>

#include "monitor/controls/win32/control_keys.h"
#include "monitor/controls/win32/glyph.h"
#include "monitor/forms/win32/application_window.h"

namespace lw {
namespace {

const char kClassName[] = "LwSpinButton";

ATOM SpinButtonClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass);
    }();
    if (atom == 0) {
        throw std::runtime_error("Couldn't register window class: LwSpinButton");
    }
    return atom;
}

RECT ToRect(const ControlRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

class Win32SpinButtonWindow::Timer : public RepeatTimer {
  public:
    Timer(Win32SpinButtonWindow& window, unsigned id) : window_(window), id_(id) {}
    ~Timer() override {
        Stop();
        window_.timers_.erase(id_);
    }
    void Start(unsigned milliseconds) override {
        SetTimer(window_.window_, id_, milliseconds, nullptr);
    }
    void Stop() override { KillTimer(window_.window_, id_); }

  private:
    Win32SpinButtonWindow& window_;
    unsigned id_;
};

Win32SpinButtonWindow::Win32SpinButtonWindow(TSpinButton& control, HWND parent,
                                             const ControlRect& bounds)
    : control_(control) {
    window_ = CreateWindowExA(0, MAKEINTATOM(SpinButtonClass(WindowProc)), "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds.left, bounds.top,
                              bounds.Width(), bounds.Height(), parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("Couldn't create a spin button");
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32SpinButtonWindow::~Win32SpinButtonWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Win32SpinButtonWindow::SetBounds(const ControlRect& bounds) {
    MoveWindow(window_, bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

void Win32SpinButtonWindow::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

bool Win32SpinButtonWindow::Enabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

void Win32SpinButtonWindow::Repaint() {
    InvalidateRect(window_, nullptr, FALSE);
}

bool Win32SpinButtonWindow::Focused() const {
    return window_ != nullptr && GetFocus() == window_;
}

bool Win32SpinButtonWindow::CanFocus() const {
    return IsWindowEnabled(window_) && IsWindowVisible(window_);
}

void Win32SpinButtonWindow::SetFocus() {
    ::SetFocus(window_);
}

void Win32SpinButtonWindow::CaptureMouse() {
    SetCapture(window_);
}

void Win32SpinButtonWindow::ReleaseMouse() {
    if (GetCapture() == window_) {
        ReleaseCapture();
    }
}

bool Win32SpinButtonWindow::HasMouseCapture() const {
    return window_ != nullptr && GetCapture() == window_;
}

std::unique_ptr<RepeatTimer> Win32SpinButtonWindow::CreateTimer(unsigned id, Handler<> onTick) {
    timers_[id] = onTick;
    return std::make_unique<Timer>(*this, id);
}

LRESULT CALLBACK Win32SpinButtonWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    auto* self = reinterpret_cast<Win32SpinButtonWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return Win32Application::Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT Win32SpinButtonWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            control_.MouseDown(x, y);
            return 0;
        case WM_MOUSEMOVE:
            control_.MouseMove(x, y);
            return 0;
        case WM_LBUTTONUP:
            control_.MouseUp(x, y);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window_) {
                control_.CaptureLost();
            }
            return 0;
        case WM_TIMER:
            if (const auto timer = timers_.find(static_cast<unsigned>(wParam));
                timer != timers_.end()) {
                const Handler<> onTick = timer->second;
                onTick();
                return 0;
            }
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (control_.KeyDown(ControlKeyOf(wParam))) {
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            control_.FocusChanged();
            return 0;
        case WM_ENABLE:
            Repaint();
            return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void Win32SpinButtonWindow::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    PaintHalf(dc, control_.UpButton());
    PaintHalf(dc, control_.DownButton());
    EndPaint(window_, &paint);
}

// A raised face, sunk while pressed, with the glyph in its middle.
void Win32SpinButtonWindow::PaintHalf(HDC dc, const TTimerSpeedButton& half) {
    RECT face = ToRect(half.Bounds());
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (half.IsDown() ? DFCS_PUSHED : 0));
    const int shift = half.IsDown() ? 1 : 0;
    if (const auto* glyph = dynamic_cast<const Win32Glyph*>(half.Glyph().get())) {
        const int count = half.NumGlyphs();
        const bool enabled = IsWindowEnabled(window_) != FALSE;
        // The pictures: normal, disabled, pressed; a missing one falls back to the first.
        int index = 0;
        if (!enabled && count > 1) {
            index = 1;
        } else if (half.IsDown() && count > 2) {
            index = 2;
        }
        const int width = glyph->Width() / count;
        const int x = half.Bounds().left + (half.Bounds().Width() - width) / 2 + shift;
        const int y = half.Bounds().top + (half.Bounds().Height() - glyph->Height()) / 2 + shift;
        glyph->Draw(dc, x, y, index, count, !enabled && count == 1);
    }
    if (const auto focus = control_.FocusRect(half)) {
        const RECT rect = ToRect(*focus);
        DrawFocusRect(dc, &rect);
    }
}

}  // namespace lw
