// What the screen and dialog tests share: the language library beside the tests, a controller
// and a dialog host that note what they are asked, picture files written on the spot, pixels
// read back from windows and messages pumped.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "installer/languages/resource_numbers.h"
#include "installer/ui/win32/screen_interface.h"
#include "installer/ui/win32/user_dialog_window.h"

namespace aw::test {

// Serves the picture files it is given and notes the buttons' commands.
class ScreenController : public ScreenInterface {
  public:
    explicit ScreenController(HINSTANCE resources) : resources_(resources) {}

    std::string MetafilePictureFile() override { return metafile; }
    std::string BackgroundPictureFile() override { return background; }
    std::string BitmapPictureFile() override { return bitmap; }
    void ExitCommand(HWND focus) override { commands.push_back({kExitCommand, focus}); }
    void HelpCommand(HWND focus) override { commands.push_back({kHelpCommand, focus}); }
    void MinimiseCommand() override { commands.push_back({kMinimiseCommand, nullptr}); }
    HINSTANCE ResourceInstance() override { return resources_; }

    struct Command {
        int Id;
        HWND Focus;
        bool operator==(const Command&) const = default;
    };
    std::string metafile, background, bitmap;
    std::vector<Command> commands;

  private:
    HINSTANCE resources_;
};

// Notes the owners of the engine's dialog and counts the controls it is given to prepare.
class DialogHost : public UserDialogHost {
  public:
    explicit DialogHost(HINSTANCE resources) : resources_(resources) {}
    HINSTANCE ResourceInstance() override { return resources_; }
    void RunEngineDialog(HWND owner) override { engineDialogOwners.push_back(owner); }
    void PrepareControl(HWND) override { ++prepared; }

    std::vector<HWND> engineDialogOwners;
    int prepared = 0;

  private:
    HINSTANCE resources_;
};

// The test programs' own folder, where the language libraries are built too.
inline std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\'));
    return folder;
}

// A 24-bit bitmap file of `width` x `height` pixels whose colour at x, y is `colour(x, y)`.
template <class ColourAt>
std::string WriteBitmapFile(const std::string& name, int width, int height, ColourAt colour) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> file(54 + static_cast<std::size_t>(stride) * height, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * stride + x * 3;
            file[at] = GetBValue(c);
            file[at + 1] = GetGValue(c);
            file[at + 2] = GetRValue(c);
        }
    }
    const std::string path = ProgramFolder() + "\\" + name;
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(handle, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    CloseHandle(handle);
    return path;
}

inline COLORREF PixelOf(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

// Lets every window of this thread handle what is waiting for it.
inline void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The client area's pixels as they are now, for reading many of them.
class Snapshot {
  public:
    explicit Snapshot(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        const HDC windowDc = GetDC(window);
        const HDC memory = CreateCompatibleDC(windowDc);
        void* bits = nullptr;
        const HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, windowDc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<std::size_t>(width_) * height_);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, windowDc);
    }
    // As a colour reference: 0x00BBGGRR.
    COLORREF At(int x, int y) const {
        const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

struct OwnedDialogSearch {
    HWND Owner;
    HWND Found;
};

inline BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<OwnedDialogSearch*>(data);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && GetWindow(window, GW_OWNER) == search->Owner &&
        IsWindowVisible(window)) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

// The dialog box of this thread that `owner` owns and that is shown, or none.
inline HWND OwnedDialog(HWND owner) {
    OwnedDialogSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

inline RECT WindowPlace(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return place;
}

}  // namespace aw::test
