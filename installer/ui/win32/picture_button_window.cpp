#include "installer/ui/win32/picture_button_window.h"

namespace aw {
namespace {

constexpr char kClassName[] = "wndclassawgadbtn";

}  // namespace

PictureButtonWindow::PictureButtonWindow(HWND screen, HINSTANCE bitmaps,
                                         const PictureButtonKind& kind, const PixelRect& place)
    : kind_(kind),
      up_(LoadBitmapA(bitmaps, kind.UpBitmap)),
      down_(LoadBitmapA(bitmaps, kind.DownBitmap)) {
    static const bool registered = [] {
        WNDCLASSA button = {};
        button.lpfnWndProc = Proc;
        button.hInstance = GetModuleHandleA(nullptr);
        button.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        button.lpszClassName = kClassName;
        return RegisterClassA(&button) != 0;
    }();
    if (!registered) {
        return;
    }
    window_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, place.Left, place.Top,
                              place.Width, place.Height, screen,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kind.Command)),
                              GetModuleHandleA(nullptr), this);
}

PictureButtonWindow::~PictureButtonWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void PictureButtonWindow::Place(const PixelRect& place) {
    MoveWindow(window_, place.Left, place.Top, place.Width, place.Height, TRUE);
}

LRESULT CALLBACK PictureButtonWindow::Proc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<PictureButtonWindow*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PictureButtonWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT PictureButtonWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
            focusGiver_ = reinterpret_cast<HWND>(wParam);
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(window_);
            SetCapture(window_);
            press_.Press();
            Redraw();
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == window_ && press_.Move(PointerOver(lParam))) {
                Redraw();
            }
            return 0;
        case WM_LBUTTONUP: {
            // The press ends before the capture does, so that losing the capture below is
            // not taken for another window's doing.
            const bool send = press_.Release();
            if (GetCapture() == window_) {
                ReleaseCapture();
            }
            Redraw();
            if (send) {
                SendMessageA(GetParent(window_), WM_COMMAND, static_cast<WPARAM>(kind_.Command),
                             reinterpret_cast<LPARAM>(focusGiver_));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            // Another window took the pointer: the press ends without a command.
            if (press_.Current() != PictureButtonPress::State::Released) {
                press_.Release();
                Redraw();
            }
            return 0;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void PictureButtonWindow::Paint() {
    PaintSession paint(window_);
    const GdiObject<HBITMAP>& picture = press_.DrawnDown() ? down_ : up_;
    if (!picture) {
        return;
    }
    BITMAP size;
    GetObjectA(picture.Get(), sizeof size, &size);
    RECT client;
    GetClientRect(window_, &client);
    BitmapSource source(paint.Dc(), picture.Get());
    const int previous = SetStretchBltMode(paint.Dc(), COLORONCOLOR);
    StretchBlt(paint.Dc(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    SetStretchBltMode(paint.Dc(), previous);
}

void PictureButtonWindow::Redraw() {
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

bool PictureButtonWindow::PointerOver(LPARAM position) const {
    RECT client;
    GetClientRect(window_, &client);
    const POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    return PtInRect(&client, at) != FALSE;
}

}  // namespace aw
