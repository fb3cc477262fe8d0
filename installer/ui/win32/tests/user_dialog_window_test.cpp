// A script's dialogs as real windows: templates, controls, bindings, placement and ending,
// answered from inside the dialog's own message loop as a user would.
#include "installer/ui/win32/user_dialog_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "installer/languages/win32/language_library.h"
#include "installer/ui/win32/install_screen.h"
#include "installer/ui/win32/tests/test_support.h"

namespace aw {
namespace {

DialogControlDescription Control(DialogControlKind kind, std::array<std::int32_t, 6> values) {
    DialogControlDescription control;
    control.Kind = static_cast<std::int32_t>(kind);
    control.Values = values;
    return control;
}

DialogControlDescription ClosingButton(const std::string& text, int value, int x) {
    DialogControlDescription button =
        Control(DialogControlKind::ClosingButton, {x, 80, 40, 14, value, 0});
    button.MainText = text;
    return button;
}

// What the test does with the dialog once it is open; the dialog has then two seconds to
// end before it is ended with -999, so that a fault cannot hang the test.
std::function<void(HWND)> g_action;
HWND g_owner = nullptr;
HWND g_dialog = nullptr;
int g_ticks = 0;

void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = test::OwnedDialog(g_owner);
    if (dialog == nullptr) {
        return;
    }
    if (g_action) {
        g_dialog = dialog;
        auto action = std::move(g_action);
        g_action = nullptr;
        action(dialog);
    } else if (++g_ticks > 100) {
        EndDialog(dialog, -999);
    }
}

std::optional<int> RunAnswered(HWND owner, const DialogDescription& dialog, test::DialogHost& host,
                               std::function<void(HWND)> action) {
    g_action = std::move(action);
    g_owner = owner;
    g_dialog = nullptr;
    g_ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, Answer);
    const std::optional<int> result = RunUserDialog(owner, dialog, host);
    KillTimer(nullptr, timer);
    g_action = nullptr;
    return result;
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string FileContent(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void PutFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

class UserDialogWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(library.Loaded());
        owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 50, 800, 600,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        dialog.Values = {500, 500, 200, 100, 77};
        dialog.Caption = "Options";
    }
    void TearDown() override { DestroyWindow(owner); }

    LanguageLibrary library{test::ProgramFolder() + "\\awenu.dll"};
    test::DialogHost host{library.Instance()};
    HWND owner = nullptr;
    DialogDescription dialog;
};

TEST_F(UserDialogWindowTest, AnEmptyCaptionOpensTheFrameWithoutTitle) {
    dialog.Controls = {ClosingButton("OK", 2, 10)};
    LONG_PTR titled = 0;
    UINT closeEntry = 0;
    std::string caption;
    EXPECT_EQ(RunAnswered(owner, dialog, host,
                          [&](HWND window) {
                              titled = GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION;
                              caption = TextOf(window);
                              closeEntry = GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE,
                                                        MF_BYCOMMAND);
                              Click(window, 100);
                          }),
              2);
    EXPECT_EQ(titled, WS_CAPTION);
    EXPECT_EQ(caption, "Options");
    EXPECT_EQ(closeEntry, static_cast<UINT>(-1));

    dialog.Caption.clear();
    EXPECT_EQ(RunAnswered(owner, dialog, host,
                          [&](HWND window) {
                              titled = GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION;
                              Click(window, 100);
                          }),
              2);
    EXPECT_NE(titled, WS_CAPTION);
}

// A text box and a list bound to variables, and the two usual buttons.
class BoundDialogTest : public UserDialogWindowTest {
  protected:
    void SetUp() override {
        UserDialogWindowTest::SetUp();
        name.Assign("old name");
        DialogControlDescription box = Control(DialogControlKind::TextBox, {10, 10, 120, 12, 0, 0});
        box.TextBinding = &name;
        DialogControlDescription list = Control(DialogControlKind::List, {10, 30, 120, 12, 0, 0});
        list.IntegerBinding = &choice;
        list.Label = "first\r\nsecond\r\nthird";
        dialog.Controls = {box, list, ClosingButton("OK", 2, 60), ClosingButton("Cancel", 3, 110)};
    }
    // Types a new name, picks the third line and presses the button numbered `button`.
    std::optional<int> EditAndPress(int button) {
        return RunAnswered(owner, dialog, host, [button](HWND window) {
            SetWindowTextA(GetDlgItem(window, 100), "typed name");
            SendDlgItemMessageA(window, 101, CB_SETCURSEL, 2, 0);
            Click(window, button);
        });
    }
    TextVariable name{"name"};
    std::int32_t choice = 0;
};

TEST_F(BoundDialogTest, AnOddButtonLeavesTheVariables) {
    EXPECT_EQ(EditAndPress(103), 3);
    EXPECT_EQ(name.Text(), "old name");
    EXPECT_EQ(choice, 0);
}

TEST_F(BoundDialogTest, AnEvenButtonStoresTheTypedTextAndTheListChoice) {
    EXPECT_EQ(EditAndPress(102), 2);
    EXPECT_EQ(name.Text(), "typed name");
    EXPECT_EQ(choice, 2);
}

TEST_F(BoundDialogTest, TheListOpensOnTheLineOfItsVariable) {
    choice = 1;
    LRESULT selected = -1, count = 0;
    std::string shownName;
    RunAnswered(owner, dialog, host, [&](HWND window) {
        selected = SendDlgItemMessageA(window, 101, CB_GETCURSEL, 0, 0);
        count = SendDlgItemMessageA(window, 101, CB_GETCOUNT, 0, 0);
        shownName = TextOf(GetDlgItem(window, 100));
        Click(window, 103);
    });
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(shownName, "old name");
}

TEST_F(BoundDialogTest, ATextBoxGivesItsVariableAtMost254Characters) {
    RunAnswered(owner, dialog, host, [](HWND window) {
        SetWindowTextA(GetDlgItem(window, 100), std::string(300, 'x').c_str());
        Click(window, 102);
    });
    EXPECT_EQ(name.Text(), std::string(254, 'x'));
}

TEST_F(UserDialogWindowTest, FileBoxesShowTheirFilesAndOnlyEditableOnesSaveThem) {
    const std::string readOnly = test::ProgramFolder() + "\\licence.txt";
    const std::string editable = test::ProgramFolder() + "\\notes.txt";
    PutFile(readOnly, "Licence\r\nterms");
    PutFile(editable, "old notes");
    DialogControlDescription shown = Control(DialogControlKind::FileBox, {5, 5, 90, 60, 0, 1});
    shown.FilePath = readOnly;
    DialogControlDescription edited = Control(DialogControlKind::FileBox, {105, 5, 90, 60, 0, 0});
    edited.FilePath = editable;
    dialog.Controls = {shown, edited, ClosingButton("Keep", 3, 10), ClosingButton("Save", 4, 60)};

    std::string licence;
    LONG_PTR licenceStyle = 0;
    auto editBoth = [&](int button) {
        return [&licence, &licenceStyle, button](HWND window) {
            licence = TextOf(GetDlgItem(window, 100));
            licenceStyle = GetWindowLongPtrA(GetDlgItem(window, 100), GWL_STYLE);
            SetWindowTextA(GetDlgItem(window, 100), "changed licence");
            SetWindowTextA(GetDlgItem(window, 101), "new notes\r\nline two");
            Click(window, button);
        };
    };
    EXPECT_EQ(RunAnswered(owner, dialog, host, editBoth(102)), 3);
    EXPECT_EQ(licence, "Licence\r\nterms");
    EXPECT_EQ(licenceStyle & ES_READONLY, ES_READONLY);
    EXPECT_EQ(FileContent(editable), "old notes");

    EXPECT_EQ(RunAnswered(owner, dialog, host, editBoth(103)), 4);
    EXPECT_EQ(FileContent(readOnly), "Licence\r\nterms");
    EXPECT_EQ(FileContent(editable), "new notes\r\nline two");
    // Written beside the old file and moved into place: nothing is left beside it.
    WIN32_FIND_DATAA found;
    EXPECT_EQ(FindFirstFileA((test::ProgramFolder() + "\\awb*").c_str(), &found),
              INVALID_HANDLE_VALUE);
}

// A box shows at most 32000 bytes of its file; writing that back would cut the file off.
TEST_F(UserDialogWindowTest, AFileLongerThanTheBoxShowsIsNeverWrittenBack) {
    const std::string path = test::ProgramFolder() + "\\long.txt";
    const std::string content = std::string(32000, 'a') + "tail";
    PutFile(path, content);
    DialogControlDescription box = Control(DialogControlKind::FileBox, {5, 5, 190, 60, 0, 0});
    box.FilePath = path;
    const std::string missing = test::ProgramFolder() + "\\no such file.txt";
    DialogControlDescription empty = Control(DialogControlKind::FileBox, {5, 70, 90, 8, 0, 0});
    empty.FilePath = missing;
    dialog.Controls = {box, empty, ClosingButton("Save", 2, 110)};
    std::size_t shown = 0;
    std::string emptyShown = "?";
    EXPECT_EQ(RunAnswered(owner, dialog, host,
                          [&](HWND window) {
                              shown = static_cast<std::size_t>(
                                  GetWindowTextLengthA(GetDlgItem(window, 100)));
                              emptyShown = TextOf(GetDlgItem(window, 101));
                              Click(window, 102);
                          }),
              2);
    EXPECT_EQ(shown, 32000u);
    EXPECT_EQ(emptyShown, "");
    EXPECT_EQ(FileContent(path), content);
}

TEST_F(UserDialogWindowTest, ACentreOfFiveHundredStandsInTheMiddleOfTheInstallScreen) {
    ScreenLayout layout;
    layout.SizeMode = 3;
    layout.Width = 600;
    layout.Height = 500;
    layout.Gauge.Visible = 0;
    test::ScreenController controller(library.Instance());
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Screen"));
    dialog.Values = {500, 500, 120, 60, 0};
    dialog.Controls = {ClosingButton("OK", 2, 10)};
    RECT place{};
    RunAnswered(screen.Window(), dialog, host, [&](HWND window) {
        GetWindowRect(window, &place);
        Click(window, 100);
    });
    const RECT owner = test::WindowPlace(screen.Window());
    EXPECT_LE(std::abs((place.left + place.right) / 2 - (owner.left + owner.right) / 2), 1);
    EXPECT_LE(std::abs((place.top + place.bottom) / 2 - (owner.top + owner.bottom) / 2), 1);

    // Placed at a quarter of the width instead.
    dialog.Values[0] = 250;
    RunAnswered(screen.Window(), dialog, host, [&](HWND window) {
        GetWindowRect(window, &place);
        Click(window, 100);
    });
    EXPECT_LE(
        std::abs((place.left + place.right) / 2 - (owner.left + (owner.right - owner.left) / 4)),
        1);
}

TEST_F(UserDialogWindowTest, TheClientAreaIsMeasuredInCellsOfTheTemplate) {
    dialog.Controls = {ClosingButton("OK", 2, 10)};
    RECT half{}, whole{};
    RunAnswered(owner, dialog, host, [&](HWND window) {
        GetClientRect(window, &whole);
        Click(window, 100);
    });
    dialog.Values[2] = 100;
    dialog.Values[3] = 50;
    RunAnswered(owner, dialog, host, [&](HWND window) {
        GetClientRect(window, &half);
        Click(window, 100);
    });
    EXPECT_GT(whole.right, 200);
    EXPECT_EQ(half.right, whole.right / 2);
    EXPECT_EQ(half.bottom, whole.bottom / 2);
}

TEST_F(UserDialogWindowTest, EachKindBecomesItsWindowWithTheDialogsFont) {
    DialogControlDescription text = Control(DialogControlKind::Text, {5, 5, 80, 10, 0, 0});
    text.MainText = "Hello";
    DialogControlDescription picture = Control(DialogControlKind::Picture, {5, 20, 40, 30, 0, 0});
    DialogControlDescription box = Control(DialogControlKind::TextBox, {50, 20, 60, 12, 0, 0});
    DialogControlDescription list = Control(DialogControlKind::List, {50, 35, 60, 12, 0, 0});
    DialogControlDescription engine =
        Control(DialogControlKind::EngineDialogButton, {120, 20, 60, 14, 0, 0});
    DialogControlDescription unknown =
        Control(static_cast<DialogControlKind>(9), {0, 0, 9, 9, 0, 0});
    dialog.Controls = {text, picture, box, list, engine, unknown, ClosingButton("Done", 2, 120)};

    struct Seen {
        std::string className, text;
        LONG_PTR style;
        bool sameFont;
    };
    std::vector<Seen> seen;
    bool unknownMade = true;
    std::vector<HWND> ownersBefore;
    RunAnswered(owner, dialog, host, [&](HWND window) {
        const auto font = SendMessageA(window, WM_GETFONT, 0, 0);
        for (int id : {100, 101, 102, 103, 104, 106}) {
            const HWND child = GetDlgItem(window, id);
            seen.push_back({ClassOf(child), TextOf(child), GetWindowLongPtrA(child, GWL_STYLE),
                            SendMessageA(child, WM_GETFONT, 0, 0) == font});
        }
        unknownMade = GetDlgItem(window, 105) != nullptr;
        Click(window, 104);
        ownersBefore = host.engineDialogOwners;
        Click(window, 106);
    });
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].className, "Static");
    EXPECT_EQ(seen[0].text, "Hello");
    EXPECT_EQ(seen[1].className, "Button");
    EXPECT_EQ(seen[1].style & (BS_TYPEMASK | WS_DISABLED | WS_BORDER),
              BS_OWNERDRAW | WS_DISABLED | WS_BORDER);
    EXPECT_EQ(seen[2].className, "Edit");
    EXPECT_EQ(seen[2].style & (ES_AUTOHSCROLL | WS_TABSTOP | ES_MULTILINE),
              ES_AUTOHSCROLL | WS_TABSTOP);
    EXPECT_EQ(seen[3].className, "ComboBox");
    EXPECT_EQ(seen[3].style & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
    EXPECT_EQ(seen[4].text, "&Settings...");
    EXPECT_EQ(seen[5].text, "Done");
    for (const Seen& s : seen) {
        EXPECT_TRUE(s.sameFont) << s.className;
    }
    EXPECT_FALSE(unknownMade);
    EXPECT_EQ(host.prepared, 6);
    // The engine dialog opened over the user dialog, which stayed open.
    ASSERT_EQ(ownersBefore.size(), 1u);
    EXPECT_EQ(ownersBefore[0], g_dialog);
}

TEST_F(UserDialogWindowTest, ThePictureIsStretchedOverItsControl) {
    const std::string path = test::WriteBitmapFile("dialog picture.bmp", 4, 4, [](int x, int) {
        return x < 2 ? RGB(0, 90, 200) : RGB(240, 10, 10);
    });
    DialogControlDescription picture = Control(DialogControlKind::Picture, {10, 10, 100, 60, 0, 0});
    SetFixedText(picture.Picture.File, path);
    dialog.Controls = {picture, ClosingButton("OK", 2, 150)};
    COLORREF left = 0, right = 0;
    RunAnswered(owner, dialog, host, [&](HWND window) {
        const HWND control = GetDlgItem(window, 100);
        UpdateWindow(window);
        RECT size;
        GetClientRect(control, &size);
        left = test::PixelOf(control, size.right / 4, size.bottom / 2);
        right = test::PixelOf(control, size.right * 3 / 4, size.bottom / 2);
        Click(window, 101);
    });
    EXPECT_EQ(left, RGB(0, 90, 200));
    EXPECT_EQ(right, RGB(240, 10, 10));
}

TEST_F(UserDialogWindowTest, CommandTwelveThirtyFourAnswersTheReportedValue) {
    dialog.Controls = {ClosingButton("OK", 2, 10)};
    LRESULT answer = 0;
    bool stillOpen = false;
    RunAnswered(owner, dialog, host, [&](HWND window) {
        answer = SendMessageA(window, WM_COMMAND, 1234, 0);
        stillOpen = IsWindowVisible(window) != FALSE;
        Click(window, 100);
    });
    EXPECT_EQ(answer, 77);
    EXPECT_TRUE(stillOpen);
}

TEST_F(UserDialogWindowTest, EscapeEndsOnlyADialogWithoutClosingButton) {
    EXPECT_EQ(RunAnswered(owner, dialog, host,
                          [](HWND window) { SendMessageA(window, WM_COMMAND, IDCANCEL, 0); }),
              -1);
    dialog.Controls = {ClosingButton("OK", 2, 10)};
    bool stillOpen = false;
    EXPECT_EQ(RunAnswered(owner, dialog, host,
                          [&](HWND window) {
                              SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
                              stillOpen = IsWindow(window) && IsWindowVisible(window);
                              Click(window, 100);
                          }),
              2);
    EXPECT_TRUE(stillOpen);
}

TEST_F(UserDialogWindowTest, WithoutItsTemplateNoDialogIsShown) {
    test::DialogHost noLibrary(GetModuleHandleA(nullptr));
    EXPECT_EQ(RunUserDialog(owner, dialog, noLibrary), std::nullopt);
}

TEST_F(UserDialogWindowTest, ABillboardStaysUntilItIsClosed) {
    DialogControlDescription text = Control(DialogControlKind::Text, {5, 5, 180, 20, 0, 0});
    text.MainText = "Copying the files of the product";
    dialog.Controls = {text, Control(DialogControlKind::TextBox, {5, 30, 100, 12, 0, 0})};
    const HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, owner,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
    SetFocus(edit);
    Billboard billboard;
    ASSERT_TRUE(billboard.Show(owner, dialog, host));
    EXPECT_EQ(GetFocus(), edit);
    const HWND window = billboard.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner);
    EXPECT_EQ(TextOf(GetDlgItem(window, 100)), "Copying the files of the product");
    test::Pump();
    EXPECT_TRUE(IsWindow(window));
    billboard.Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(billboard.Window(), nullptr);
}

}  // namespace
}  // namespace aw
