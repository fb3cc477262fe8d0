#include "monitor/forms/win32/form_window.h"

#include <stdexcept>

namespace lw {
namespace {

const char kClassName[] = "LwForm";

ATOM FormClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass);
    }();
    if (atom == 0) {
        throw std::runtime_error("Couldn't register window class: LwForm");
    }
    return atom;
}

Win32Form* FormOf(HWND window) {
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

Win32Form::Win32Form(Win32Application& application, const FormFrame& frame)
    : Form(application.App(), window_), win32App_(application), dialogKeys_(frame.dialogKeys) {
    int left = frame.left;
    int top = frame.top;
    if (frame.centred) {
        left = (GetSystemMetrics(SM_CXSCREEN) - frame.width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - frame.height) / 2;
    }
    const HWND window =
        CreateWindowExA(frame.exStyle, MAKEINTATOM(FormClass(WindowProc)), frame.caption.c_str(),
                        frame.style & ~WS_VISIBLE, left, top, frame.width, frame.height,
                        application.Handle(), nullptr, GetModuleHandleA(nullptr), this);
    if (window == nullptr) {
        throw std::runtime_error("Couldn't create the window \"" + frame.caption + "\"");
    }
    window_.Attach(window);
}

Win32Form::~Win32Form() {
    DestroyComponents();
    SetWindowLongPtrA(window_.Hwnd(), GWLP_USERDATA, 0);
    DestroyWindow(window_.Hwnd());
}

bool Win32Form::HandleDialogKey(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return false;
    }
    HWND root = message.hwnd;
    while (root != nullptr && (GetWindowLongPtrA(root, GWL_STYLE) & WS_CHILD) != 0) {
        root = GetParent(root);
    }
    if (root == nullptr || GetClassLongPtrA(root, GCW_ATOM) != FormClass(WindowProc)) {
        return false;
    }
    const Win32Form* form = FormOf(root);
    return form != nullptr && form->dialogKeys_ && IsDialogMessageA(root, &message);
}

bool Win32Form::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Win32Form* form = FormOf(window);
    if (form == nullptr || form->window_.Hwnd() != window) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return Win32Application::Guarded([&] { return form->Dispatch(message, wParam, lParam); });
}

LRESULT Win32Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_CLOSE:
            CloseRequested();
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE && MinimizeRequested()) {
                return 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                App().FormActivated(*this);
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
                SetModalResult(ModalResult::Ok);
                return 0;
            }
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
                SetModalResult(ModalResult::Cancel);
                return 0;
            }
            break;
    }
    return DefWindowProcA(window_.Hwnd(), message, wParam, lParam);
}

}  // namespace lw
