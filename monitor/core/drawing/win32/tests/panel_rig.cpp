#include "monitor/core/drawing/win32/tests/panel_rig.h"

#include <stdexcept>

namespace lw::testing {
namespace {

const char kPanelClass[] = "LwPanelRig";
const char kForegroundClass[] = "LwForegroundRig";

void Register(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

}  // namespace

void Settle() {
    for (int i = 0; i < 10; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

PanelRig::PanelRig(LineSampler* sampler) : sampler_(sampler ? *sampler : scripted) {
    Register(kPanelClass, WindowProc);
    settings.DefaultPort = 1;
    settings.WindowPositionX = 40;
    settings.WindowPositionY = 40;
    const PanelBounds bounds = InitialPanelBounds(settings);
    window = CreateWindowExA(0, kPanelClass, "LineWink",
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, bounds.left,
                             bounds.top, bounds.width, bounds.height, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        throw std::runtime_error("no panel window");
    }
    drawing = std::make_unique<PanelDrawing>(window, DrawingRecords{settings, sampling, connection},
                                             *this, sampler_, clock);
    drawing->SetTrayIcon(&tray);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    drawing->ApplyBorderStyle();
    tracker_ = std::make_unique<ConnectionTracker>(
        settings, sampling, connection,
        TickServices{clock, sampler_, sounds_, boxes_, logs_, dates_, *this, dialog_},
        LogFileNames{"LINEWINK.DCD", "LINEWINK.RI"});
}

PanelRig::~PanelRig() {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

void PanelRig::Show() {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    drawing->DrawNow();
    Settle();
}

void PanelRig::Tick(const LineState& line) {
    scripted.next = line;
    tracker_->OnTick();
    Settle();
}

LRESULT CALLBACK PanelRig::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* rig = reinterpret_cast<PanelRig*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (rig != nullptr) {
        switch (message) {
            case WM_PAINT:
                rig->drawing->Paint();
                return 0;
            case WM_ERASEBKGND:
                if (rig->drawing->EraseBackground(reinterpret_cast<HDC>(wParam))) {
                    return 1;
                }
                break;
            case WM_SIZE:
                rig->drawing->OnResize();
                return 0;
            default:
                break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

ForegroundWindow::ForegroundWindow(bool minimizeBox, int width) {
    Register(kForegroundClass, DefWindowProcA);
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    if (minimizeBox) {
        style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    }
    window = CreateWindowExA(0, kForegroundClass, "Editor", style, 300, 200, width, 160, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Settle();
}

}  // namespace lw::testing
