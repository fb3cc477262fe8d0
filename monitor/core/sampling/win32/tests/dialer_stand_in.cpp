// A stand-in of the system's dial-up program for tests: one top-level dialog whose user value
// points to the connection's counters. Messages sent to the dialog drive it:
//   kAddTraffic  (wParam received, lParam transmitted bytes to add)
//   kDrop        (the connection ends: the user value becomes 0)
//   WM_CLOSE     (the program ends)
// The command line gives the connect speed.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "monitor/core/sampling/win32/tests/dialer_stand_in.h"

namespace {

std::uint8_t g_block[36] = {};

void Put24(std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 3; ++i) {
        g_block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t Get24(std::size_t offset) {
    return g_block[offset] | (g_block[offset + 1] << 8) | (g_block[offset + 2] << 16);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case lw::testing::kAddTraffic:
            Put24(28, Get24(28) + static_cast<std::uint32_t>(wParam));
            Put24(32, Get24(32) + static_cast<std::uint32_t>(lParam));
            return TRUE;
        case lw::testing::kDrop:
            SetWindowLongPtrA(dialog, DWLP_USER, 0);
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const auto speed = static_cast<std::uint16_t>(std::strtoul(commandLine, nullptr, 10));
    g_block[4] = static_cast<std::uint8_t>(speed);
    g_block[5] = static_cast<std::uint8_t>(speed >> 8);
    const HWND dialog =
        CreateWindowExA(0, "#32770", lw::testing::kStandInTitle, WS_OVERLAPPEDWINDOW, 0, 0, 200,
                        100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (dialog == nullptr) {
        return 1;
    }
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(DialogProc));
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(g_block));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
