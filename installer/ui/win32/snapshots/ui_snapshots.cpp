// Takes pictures of the installer's face for the documentation: the install screen with the
// script builder's default layout, and a script's dialog over it. Each picture is the whole
// display, written as a 24-bit bitmap file.
//
//   ui_snapshots <language library> <screen picture.bmp> <dialog picture.bmp>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "installer/languages/resource_numbers.h"
#include "installer/languages/win32/language_library.h"
#include "installer/ui/win32/install_screen.h"
#include "installer/ui/win32/percentage_bar_window.h"
#include "installer/ui/win32/tests/test_support.h"
#include "installer/ui/win32/user_dialog_window.h"

namespace aw {
namespace {

// The whole display as a 24-bit bitmap file, rows from the bottom up.
bool SaveDisplay(const std::string& path) {
    const test::Snapshot display(GetDesktopWindow());
    const int width = display.Width();
    const int height = display.Height();
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &pixels[static_cast<std::size_t>(height - 1 - y) * stride];
        for (int x = 0; x < width; ++x) {
            const COLORREF c = display.At(x, y);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
    }
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

void Settle() {
    for (int i = 0; i < 20; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

DialogControlDescription Control(DialogControlKind kind, std::array<std::int32_t, 6> values,
                                 std::string text = {}) {
    DialogControlDescription control;
    control.Kind = static_cast<std::int32_t>(kind);
    control.Values = values;
    control.MainText = std::move(text);
    return control;
}

// The dialog a script might ask its user: a name, a kind of installation and the notes
// that come with the product.
DialogDescription SampleDialog(TextVariable& name, std::int32_t& kind, const std::string& notes) {
    DialogDescription dialog;
    dialog.Values = {500, 450, 220, 150, 0};
    dialog.Caption = "Arkwell Options";
    DialogControlDescription box = Control(DialogControlKind::TextBox, {70, 8, 140, 12, 0, 0});
    box.TextBinding = &name;
    DialogControlDescription list = Control(DialogControlKind::List, {70, 26, 140, 12, 0, 0});
    list.IntegerBinding = &kind;
    list.Label = "Typical\r\nCompact\r\nEverything";
    DialogControlDescription file = Control(DialogControlKind::FileBox, {10, 46, 200, 70, 0, 1});
    file.FilePath = notes;
    dialog.Controls = {
        Control(DialogControlKind::Text, {10, 10, 58, 10, 0, 0}, "Your name:"),
        box,
        Control(DialogControlKind::Text, {10, 28, 58, 10, 0, 0}, "Installation:"),
        list,
        file,
        Control(DialogControlKind::EngineDialogButton, {10, 126, 60, 16, 0, 0}),
        Control(DialogControlKind::ClosingButton, {86, 126, 60, 16, 2, 0}, "OK"),
        Control(DialogControlKind::ClosingButton, {150, 126, 60, 16, 3, 0}, "Cancel"),
    };
    return dialog;
}

std::string g_dialogPicture;
bool g_dialogSaved = false;

void CALLBACK TakeDialogPicture(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND dialog = GetActiveWindow();
    Settle();
    g_dialogSaved = SaveDisplay(g_dialogPicture);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(107, BN_CLICKED), 0);
}

BOOL CALLBACK FixGaugeLevels(HWND window, LPARAM) {
    if (GetDlgItem(window, AW_ID_GAUGE_FIRST_BAR) != nullptr) {
        SendDlgItemMessageA(window, AW_ID_GAUGE_FIRST_BAR, kBarSetValue, 85, 0);
        SendDlgItemMessageA(window, AW_ID_GAUGE_SECOND_BAR, kBarSetValue, 92, 0);
    }
    return TRUE;
}

// The gauge's levels are random; the picture shows fixed ones, so that the same code gives
// the same picture.
void ShowFixedGaugeLevels() {
    EnumThreadWindows(GetCurrentThreadId(), FixGaugeLevels, 0);
}

int Run(const std::string& library, const std::string& screenPicture,
        const std::string& dialogPicture) {
    LanguageLibrary language(library);
    if (!language.Loaded()) {
        std::fprintf(stderr, "cannot load %s\n", library.c_str());
        return 1;
    }
    ScreenLayout layout;
    layout.Titles.Texts.AddNew();
    test::ScreenController controller(language.Instance());
    InstallScreen screen(layout, controller);
    if (!screen.Create("Arkwell") || !screen.Realise()) {
        std::fprintf(stderr, "cannot show the install screen\n");
        return 1;
    }
    Settle();
    screen.GaugePulse();
    ShowFixedGaugeLevels();
    Settle();
    if (!SaveDisplay(screenPicture)) {
        std::fprintf(stderr, "cannot write %s\n", screenPicture.c_str());
        return 1;
    }

    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string notes = std::string(folder) + "arkwell notes.txt";
    if (FILE* file = std::fopen(notes.c_str(), "wb")) {
        std::fputs(
            "Arkwell 2.1\r\n\r\nThis version adds a second lamp layout and keeps the\r\n"
            "connection log beside the program.\r\n",
            file);
        std::fclose(file);
    }
    TextVariable name("user");
    name.Assign("Ada Lovelace");
    std::int32_t kind = 0;
    test::DialogHost host(language.Instance());
    g_dialogPicture = dialogPicture;
    SetTimer(nullptr, 0, 300, TakeDialogPicture);
    RunUserDialog(screen.Window(), SampleDialog(name, kind, notes), host);
    DeleteFileA(notes.c_str());
    if (!g_dialogSaved) {
        std::fprintf(stderr, "cannot write %s\n", dialogPicture.c_str());
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace aw

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ui_snapshots <language library> <screen.bmp> <dialog.bmp>\n");
        return 2;
    }
    return aw::Run(argv[1], argv[2], argv[3]);
}
