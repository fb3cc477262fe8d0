// What the demo script does inside the Wine prefix, one command a run (kUsage below).
//
// It exits with 0 when it did what was asked, 1 otherwise (with a line on the error stream).
#include <windows.h>

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "monitor/core/drawing/lamp_layouts.h"
#include "monitor/core/drawing/title_display.h"

#include "monitor/core/sampling/win32/tests/dialer_stand_in.h"

namespace {

struct Found {
    HWND window = nullptr;
    const char* className = nullptr;
    const char* title = nullptr;
    bool visibleOnly = true;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM wanted) {
    auto& found = *reinterpret_cast<Found*>(wanted);
    char className[64] = {};
    char title[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if ((found.visibleOnly && !IsWindowVisible(window)) ||
        lstrcmpiA(className, found.className) != 0 ||
        (found.title != nullptr && lstrcmpA(title, found.title) != 0)) {
        return TRUE;
    }
    found.window = window;
    return FALSE;
}

HWND FindTopLevel(const char* className, const char* title, bool visibleOnly = true) {
    Found found{nullptr, className, title, visibleOnly};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

HWND MonitorPanel() {
    return FindTopLevel("LwForm", "LineWink");
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "lw_demo_helper: %s\n", what.c_str());
    return 1;
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>(value >> shift);
    }
}

void PutChunk(std::string& out, const char* kind, const std::string& body) {
    PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
    const std::string typed = kind + body;
    out += typed;
    PutBigEndian(out,
                 static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                                  static_cast<uInt>(typed.size()))));
}

// Rows of RGB pixels, top first, as a PNG file.
bool WritePng(const std::string& file, int width, int height, const std::string& rgbRows) {
    std::string raw;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        raw.append(rgbRows, y * rowBytes, rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  9) != Z_OK) {
        return false;
    }
    packed.resize(packedSize);
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");
    std::ofstream out(file, std::ios::binary);
    out << png;
    return static_cast<bool>(out);
}

// Pixels of the screen, RGB, top row first.
struct Shot {
    int width = 0;
    int height = 0;
    std::string rgb;

    bool IsRed(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return false;
        }
        const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
        return rgb.compare(at, 3, std::string("\xFF\x00\x00", 3)) == 0;
    }
    // Whether any pixel of the cell at (x, y) is red: the caption's strip is placed by the
    // system's metrics, which may put it a pixel or two from where they say.
    bool AnyRed(int x, int y, int cellWidth, int cellHeight) const {
        for (int row = y; row < y + cellHeight; ++row) {
            for (int column = x; column < x + cellWidth; ++column) {
                if (IsRed(column, row)) {
                    return true;
                }
            }
        }
        return false;
    }
};

Shot TakeScreenArea(const RECT& area) {
    Shot shot{area.right - area.left, area.bottom - area.top, {}};
    if (shot.width <= 0 || shot.height <= 0) {
        return {};
    }
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint8_t*>(bits);
    for (int i = 0; i < shot.width * shot.height; ++i) {
        shot.rgb += static_cast<char>(pixels[4 * i + 2]);
        shot.rgb += static_cast<char>(pixels[4 * i + 1]);
        shot.rgb += static_cast<char>(pixels[4 * i]);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

bool SaveShot(const Shot& shot, const std::string& file) {
    return shot.width > 0 && WritePng(file, shot.width, shot.height, shot.rgb);
}

// The screen's pixels in `area` as a PNG file.
bool SaveScreenArea(const RECT& area, const std::string& file) {
    return SaveShot(TakeScreenArea(area), file);
}

int WaitPanel(int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (MonitorPanel() != nullptr) {
            return 0;
        }
        Sleep(100);
    }
    return Fail("the monitor's panel did not appear");
}

constexpr const char* kLampNames[] = {"CTS", "DSR", "RI", "CD", "DTR", "RTS", "TD", "RD", "HS"};

// The lamps of panel layout `layout` that show lit in the monitor's default colour; the
// panel's client area starts at (left, top) of the shot.
std::vector<std::string> LitLamps(const Shot& shot, int left, int top, int clientWidth,
                                  int layout) {
    const lw::LampLayout& lamps = lw::PanelLayout(layout);
    std::vector<std::string> lit;
    for (const lw::LampSlot& slot : lamps.lamps) {
        if (slot.lamp == lw::Lamp::Dark) {
            continue;
        }
        const lw::LampPoint at = lw::LampPosition(lamps.geometry, slot);
        const int x = left + (clientWidth - lamps.width) / 2 + at.x + lamps.geometry.width / 2;
        const int y = top + at.y - 2 + lamps.geometry.height / 2;
        const std::string name = kLampNames[static_cast<int>(slot.lamp)];
        if (shot.IsRed(x, y) && std::find(lit.begin(), lit.end(), name) == lit.end()) {
            lit.push_back(name);
        }
    }
    return lit;
}

bool AllLit(const std::vector<std::string>& wanted, const std::vector<std::string>& lit) {
    return std::all_of(wanted.begin(), wanted.end(), [&](const std::string& lamp) {
        return std::find(lit.begin(), lit.end(), lamp) != lit.end();
    });
}

void PrintLamps(const std::vector<std::string>& lit) {
    std::string names;
    for (const std::string& lamp : lit) {
        names += (names.empty() ? "" : " ") + lamp;
    }
    std::printf("%s\n", names.empty() ? "none" : names.c_str());
}

// Traffic lights RD and TD for a tick now and then, so the panel is taken when every lamp
// asked for is lit, trying for up to three seconds. Prints the lamps that were lit.
int ShootPanel(const std::string& file, int layout, const std::vector<std::string>& wanted) {
    const HWND panel = MonitorPanel();
    if (panel == nullptr) {
        return Fail("the monitor's panel is not shown");
    }
    Shot shot;
    std::vector<std::string> lit;
    const DWORD start = GetTickCount();
    do {
        RECT area;
        GetWindowRect(panel, &area);
        POINT client{0, 0};
        ClientToScreen(panel, &client);
        RECT inside;
        GetClientRect(panel, &inside);
        shot = TakeScreenArea(area);
        lit = LitLamps(shot, client.x - area.left, client.y - area.top, inside.right, layout);
        if (AllLit(wanted, lit)) {
            break;
        }
        Sleep(10);
    } while (GetTickCount() - start < 3000);
    PrintLamps(lit);
    return SaveShot(shot, file) ? 0 : Fail("cannot write " + file);
}

LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// The lamps of title layout `layout` that show lit on the caption of `window` (an ordinary
// sizeable window with the three buttons), where the monitor draws its strip.
std::vector<std::string> LitTitleLamps(const Shot& shot, HWND window, int layout) {
    const lw::LampLayout& lamps = lw::TitleLayout(layout);
    RECT bounds;
    GetWindowRect(window, &bounds);
    lw::CaptionWindowInfo info;
    info.width = bounds.right - bounds.left;
    info.caption = info.sysMenu = info.minimizeBox = info.maximizeBox = info.sizeable = true;
    lw::SystemMetrics metrics;
    metrics.cxSize = GetSystemMetrics(SM_CXSIZE);
    metrics.cxFrame = GetSystemMetrics(SM_CXFRAME);
    metrics.cyFrame = GetSystemMetrics(SM_CYFRAME);
    metrics.cxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME);
    metrics.cxBorder = GetSystemMetrics(SM_CXBORDER);
    metrics.cyBorder = GetSystemMetrics(SM_CYBORDER);
    const lw::TitlePosition strip = lw::TitleDisplayPosition(info, lamps.width, metrics, {});
    std::vector<std::string> lit;
    for (const lw::LampSlot& slot : lamps.lamps) {
        const lw::LampPoint at = lw::LampPosition(lamps.geometry, slot);
        const std::string name = kLampNames[static_cast<int>(slot.lamp)];
        if (slot.lamp != lw::Lamp::Dark &&
            shot.AnyRed(strip.x + at.x, strip.y + at.y, lamps.geometry.width,
                        lamps.geometry.height + 2) &&
            std::find(lit.begin(), lit.end(), name) == lit.end()) {
            lit.push_back(name);
        }
    }
    return lit;
}

// A plain captioned window with minimise and maximise boxes, like any program's, in front for
// `seconds`; its caption is then taken once the strip's lamps asked for are lit, trying for up
// to three seconds more. Prints the lamps that were lit.
int ShootCaption(int seconds, const std::string& file, int layout,
                 const std::vector<std::string>& wanted) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DocumentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "LwDemoDocument";
    RegisterClassA(&windowClass);
    const HWND document =
        CreateWindowExA(0, "LwDemoDocument", "Letter.txt - Editor", WS_OVERLAPPEDWINDOW, 40, 40,
                        460, 140, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(document, SW_SHOWNORMAL);
    SetForegroundWindow(document);
    Pump(static_cast<DWORD>(seconds) * 1000);
    Shot shot;
    std::vector<std::string> lit;
    const DWORD start = GetTickCount();
    do {
        RECT area;
        GetWindowRect(document, &area);
        area.bottom =
            area.top + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME) + 4;
        shot = TakeScreenArea(area);
        lit = LitTitleLamps(shot, document, layout);
        if (AllLit(wanted, lit)) {
            break;
        }
        Pump(10);
    } while (GetTickCount() - start < 3000);
    PrintLamps(lit);
    DestroyWindow(document);
    return SaveShot(shot, file) ? 0 : Fail("cannot write " + file);
}

BOOL CALLBACK FindShownTooltip(HWND window, LPARAM found) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && lstrcmpiA(className, "tooltips_class32") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The notification area: Wine's own window for it when no desktop's tray takes the icons.
HWND NotificationArea() {
    if (const HWND standalone = FindTopLevel("__winex11_standalone_tray", nullptr)) {
        return standalone;
    }
    return FindTopLevel("Shell_TrayWnd", nullptr);
}

// The pointer rests on the first icon of the notification area until its tooltip shows.
int ReadHint(const std::string& textFile, const std::string& pictureFile) {
    const HWND tray = NotificationArea();
    if (tray == nullptr) {
        return Fail("no notification area is shown");
    }
    RECT icon;
    const HWND firstIcon = GetWindow(tray, GW_CHILD);
    GetWindowRect(firstIcon != nullptr ? firstIcon : tray, &icon);
    if (firstIcon == nullptr) {
        icon.right = icon.left + GetSystemMetrics(SM_CXSMICON) + 4;
        icon.bottom = icon.top + GetSystemMetrics(SM_CYSMICON) + 4;
    }
    // The tooltip shows once the pointer has rested a moment; each attempt comes from aside.
    for (int attempt = 0; attempt < 5; ++attempt) {
        SetCursorPos(icon.right + 40, icon.bottom + 40);
        Pump(300);
        SetCursorPos((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
        for (int waited = 0; waited < 3000; waited += 100) {
            Pump(100);
            HWND tip = nullptr;
            EnumWindows(FindShownTooltip, reinterpret_cast<LPARAM>(&tip));
            // Asked by message: GetWindowText gives another process's windows only their title.
            char text[256] = {};
            DWORD_PTR length = 0;
            if (tip != nullptr &&
                SendMessageTimeoutA(tip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                    SMTO_BLOCK, 2000, &length) &&
                length > 0) {
                std::ofstream(textFile, std::ios::binary) << text << "\n";
                if (!pictureFile.empty()) {
                    RECT area;
                    RECT bounds;
                    GetWindowRect(tip, &area);
                    GetWindowRect(tray, &bounds);
                    UnionRect(&area, &area, &bounds);
                    SaveScreenArea(area, pictureFile);
                }
                return 0;
            }
        }
    }
    return Fail("the tray icon's tooltip did not show");
}

int DriveDialer(const std::vector<std::string>& arguments) {
    const HWND dialer = FindTopLevel("#32770", lw::testing::kStandInTitle, false);
    if (dialer == nullptr) {
        return Fail("the dial-up program is not running");
    }
    const std::string command = arguments.empty() ? "" : arguments[0];
    if (command == "traffic" && arguments.size() == 3) {
        SendMessageA(dialer, lw::testing::kAddTraffic,
                     std::strtoul(arguments[1].c_str(), nullptr, 10),
                     std::strtol(arguments[2].c_str(), nullptr, 10));
    } else if (command == "stream" && arguments.size() == 3) {
        const DWORD until = GetTickCount() + std::strtoul(arguments[1].c_str(), nullptr, 10) * 1000;
        // Each fifth of a second carries between half and all of its share of the rate, most
        // of it received, so that the line never runs faster than its connect speed.
        const unsigned share = std::strtoul(arguments[2].c_str(), nullptr, 10) / 5;
        for (unsigned step = 0; GetTickCount() < until && IsWindow(dialer); ++step) {
            const unsigned bytes = share / 2 + share * ((step * 397) % 100) / 200;
            const unsigned sent = step % 3 == 0 ? 0 : bytes * (5 + (step * 131) % 15) / 100;
            SendMessageA(dialer, lw::testing::kAddTraffic, bytes - sent, sent);
            Sleep(200);
        }
    } else if (command == "drop") {
        SendMessageA(dialer, lw::testing::kDrop, 0, 0);
    } else if (command == "close") {
        PostMessageA(dialer, WM_CLOSE, 0, 0);
    } else {
        return Fail("unknown dialer command");
    }
    return 0;
}

int AnswerBox(int seconds, const std::string& textFile) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (const HWND box = FindTopLevel("#32770", "LineWink")) {
            char text[1024] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            std::ofstream(textFile, std::ios::binary) << text << "\n";
            SendMessageA(box, WM_COMMAND, IDOK, 0);
            return 0;
        }
        Sleep(100);
    }
    return Fail("no box of the monitor showed");
}

int CloseMonitor() {
    const HWND panel = FindTopLevel("LwForm", "LineWink", false);
    if (panel == nullptr) {
        return Fail("the monitor is not running");
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(panel, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(panel, WM_SYSCOMMAND, SC_CLOSE, 0);
    const bool ended = process != nullptr && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    if (process != nullptr) {
        CloseHandle(process);
    }
    return ended ? 0 : Fail("the monitor did not end");
}

}  // namespace

constexpr const char* kUsage =
    "usage: lw_demo_helper COMMAND ...\n"
    "  panel FILE.png LAYOUT [LAMP...]\n"
    "                          the monitor's panel in LAYOUT as on screen, once the lamps\n"
    "                          named (CD, RD, TD, ...) are lit; prints the lamps lit\n"
    "  caption SECONDS FILE.png LAYOUT [LAMP...]\n"
    "                          a window of its own in the foreground, its caption taken\n"
    "                          after SECONDS once the lamps named are lit on the title-bar\n"
    "                          display in title layout LAYOUT; prints the lamps lit\n"
    "  hint FILE.txt [FILE.png]\n"
    "                          the tray icon's hint: the pointer rests on the icon until its\n"
    "                          tooltip shows; its text (and picture)\n"
    "  dialer traffic RECEIVED SENT | stream SECONDS BYTES-A-SECOND | drop | close\n"
    "                          drives the stand-in dial-up program; \"stream\" sends varied\n"
    "                          traffic five times a second, about BYTES-A-SECOND in all\n"
    "  box SECONDS FILE.txt    waits for a box of the monitor, notes its text and answers OK\n"
    "  wait-panel SECONDS      waits until the monitor's panel is shown\n"
    "  close                   closes the monitor as its close box does and waits for it\n"
    "                          to end\n";

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string command = arguments.empty() ? "" : arguments[0];
    if (command == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "panel" && arguments.size() >= 3) {
        return ShootPanel(arguments[1], std::atoi(arguments[2].c_str()),
                          {arguments.begin() + 3, arguments.end()});
    }
    if (command == "caption" && arguments.size() >= 4) {
        return ShootCaption(std::atoi(arguments[1].c_str()), arguments[2],
                            std::atoi(arguments[3].c_str()),
                            {arguments.begin() + 4, arguments.end()});
    }
    if (command == "hint" && arguments.size() >= 2) {
        return ReadHint(arguments[1], arguments.size() > 2 ? arguments[2] : "");
    }
    if (command == "dialer") {
        return DriveDialer({arguments.begin() + 1, arguments.end()});
    }
    if (command == "box" && arguments.size() == 3) {
        return AnswerBox(std::atoi(arguments[1].c_str()), arguments[2]);
    }
    if (command == "wait-panel" && arguments.size() == 2) {
        return WaitPanel(std::atoi(arguments[1].c_str()));
    }
    if (command == "close") {
        return CloseMonitor();
    }
    std::fputs(kUsage, stderr);
    return 1;
}
