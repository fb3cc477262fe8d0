// The system's file-open, colour and font dialogs as the settings dialog opens them: the
// filter and the folder they start in, the colour and font they are preset to, and the font
// dialog's Apply.
#include "monitor/setup/win32/common_dialogs.h"

#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "monitor/setup/win32/tests/dialog_user.h"

namespace lw {
namespace {

std::string TempFolder() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "lwsounds";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[128] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// A TrueType font of the ANSI character set that this system has, in every size.
std::string AnsiTrueTypeFace() {
    LOGFONTA wanted = {};
    wanted.lfCharSet = ANSI_CHARSET;
    std::string face;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(
        screen, &wanted,
        [](const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM found) -> int {
            if ((type & TRUETYPE_FONTTYPE) == 0 || font->lfFaceName[0] == '@') {
                return 1;
            }
            *reinterpret_cast<std::string*>(found) = font->lfFaceName;
            return 0;
        },
        reinterpret_cast<LPARAM>(&face), 0);
    ReleaseDC(nullptr, screen);
    return face;
}

class CommonDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"ding.wav", "tada.wav", "readme.txt"}) {
            std::ofstream(folder + "\\" + name) << "RIFF";
        }
    }
    void TearDown() override {
        for (const char* name : {"ding.wav", "tada.wav", "readme.txt"}) {
            DeleteFileA((folder + "\\" + name).c_str());
        }
        RemoveDirectoryA(folder.c_str());
    }

    const std::string folder = TempFolder();
    Win32CommonDialogs dialogs;
};

TEST_F(CommonDialogsTest, TheFileDialogStartsInTheFoldersPatternWithItsFilter) {
    std::vector<std::string> filters;
    std::string shownFolder;
    testing::DialogUser user;
    user.With("Open", [&](HWND dialog) {
        filters = ComboItems(GetDlgItem(dialog, cmb1));
        char path[MAX_PATH] = {};
        SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(path));
        shownFolder = path;
        SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>("tada.wav"));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    const std::optional<std::string> chosen =
        dialogs.OpenFile("Sound files|*.wav|All files (*.*)|*.*", folder + "\\*.wav");
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
    EXPECT_EQ(filters, (std::vector<std::string>{"Sound files", "All files (*.*)"}));
    EXPECT_EQ(lstrcmpiA(shownFolder.c_str(), folder.c_str()), 0) << shownFolder;
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(lstrcmpiA(chosen->c_str(), (folder + "\\tada.wav").c_str()), 0) << *chosen;

    testing::DialogUser cancelling;
    cancelling.With("Open", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(dialogs.OpenFile("Executables (*.exe)|*.exe|All files (*.*)|*.*", ""), std::nullopt);
}

TEST_F(CommonDialogsTest, TheColourDialogIsPresetToTheColour) {
    testing::DialogUser user;
    user.With("Color", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(dialogs.ChooseColour(RGB(10, 200, 30)), RGB(10, 200, 30));
    user.With("Color", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(dialogs.ChooseColour(RGB(10, 200, 30)), std::nullopt);
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
}

// Apply hands over the font shown while the dialog stays open; Cancel still ends it with
// nothing chosen.
TEST_F(CommonDialogsTest, TheFontDialogIsPresetAndItsApplyHandsTheFontOver) {
    const std::string face = AnsiTrueTypeFace();
    ASSERT_FALSE(face.empty());
    const FontSpec preset{face, 12, true, false, false, false, RGB(0, 0, 128)};
    std::vector<FontSpec> applied;
    LOGFONTA shown = {};
    testing::DialogUser user;
    user.With("Font", [&](HWND dialog) {
        SendMessageA(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&shown));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(psh3, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, psh3)));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    const auto apply = [&](const FontSpec& font) { applied.push_back(font); };
    EXPECT_EQ(dialogs.PickFont(preset, apply), std::nullopt);
    EXPECT_TRUE(user.failures.empty()) << user.failures.front();
    EXPECT_EQ(std::string(shown.lfFaceName), face);
    EXPECT_EQ(shown.lfWeight, FW_BOLD);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].face, face);
    EXPECT_EQ(applied[0].size, 12);
    EXPECT_TRUE(applied[0].bold);

    user.With("Font", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
    const std::optional<FontSpec> chosen = dialogs.PickFont(preset, apply);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->face, face);
    EXPECT_EQ(chosen->size, 12);
    EXPECT_TRUE(chosen->bold);
    EXPECT_FALSE(chosen->italic);
}

}  // namespace
}  // namespace lw
