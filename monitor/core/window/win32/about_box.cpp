#include "monitor/core/window/win32/about_box.h"

#include "monitor/core/drawing/tray_hint.h"

namespace lw {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 190;
constexpr int kLampCount = 6;

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id, int x,
              int y, int width, int height) {
    const HWND child =
        CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                        parent, reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

}  // namespace

// Lit lamps in red, unlit ones in grey, each with a dark rim.
void DrawLampRow(HDC dc, int left, int top, int diameter, int count) {
    const HPEN rim = CreatePen(PS_SOLID, 1, RGB(64, 64, 64));
    const HBRUSH lit = CreateSolidBrush(RGB(255, 0, 0));
    const HBRUSH unlit = CreateSolidBrush(RGB(130, 130, 130));
    const HGDIOBJ oldPen = SelectObject(dc, rim);
    const HGDIOBJ oldBrush = SelectObject(dc, lit);
    for (int i = 0; i < count; ++i) {
        SelectObject(dc, i % 3 == 1 ? unlit : lit);
        const int x = left + i * (diameter * 3 / 2);
        Ellipse(dc, x, top, x + diameter, top + diameter);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(unlit);
    DeleteObject(lit);
    DeleteObject(rim);
}

AboutBox::AboutBox(Win32Application& application)
    : Win32Form(application, {.caption = "About LineWink",
                              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              .width = kWidth,
                              .height = kHeight,
                              .centred = true,
                              .dialogKeys = true}) {
    AddChild(Handle(), "STATIC", kProgramNameAndVersion, SS_LEFT, -1, 16, 42, 260, 16);
    AddChild(Handle(), "STATIC",
             "Shows the line signals of a modem's serial port as lamps, times and logs "
             "connections and calls, and keeps an eye on idle lines.",
             SS_LEFT, -1, 16, 62, 262, 48);
    AddChild(Handle(), "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, (kWidth - 80) / 2 - 4,
             118, 80, 24);
}

bool AboutBox::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_PAINT) {
        return false;
    }
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    DrawLampRow(dc, 16, 14, 14, kLampCount);
    EndPaint(Handle(), &paint);
    result = 0;
    return true;
}

}  // namespace lw
