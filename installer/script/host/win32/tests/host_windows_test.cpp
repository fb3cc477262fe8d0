// The host's dialogs from the language library, answered by real window messages.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "installer/languages/resource_numbers.h"
#include "installer/languages/win32/language_library.h"
#include "installer/script/host/component_selection.h"
#include "installer/script/host/win32/win32_host_environment.h"
#include "installer/script/host/win32/win32_host_windows.h"
#include "installer/ui/win32/tests/test_support.h"

namespace aw {
namespace {

std::function<void(HWND)> g_action;
int g_ticks = 0;

// Acts on the first dialog of this thread that shows up; gives up after about two seconds.
void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = test::OwnedDialog(nullptr);
    if (dialog != nullptr && g_action) {
        auto action = std::move(g_action);
        g_action = nullptr;
        action(dialog);
    } else if (++g_ticks > 100 && dialog != nullptr) {
        EndDialog(dialog, IDCANCEL);
    }
}

class Answered {
  public:
    explicit Answered(std::function<void(HWND)> action) {
        g_action = std::move(action);
        g_ticks = 0;
        timer_ = SetTimer(nullptr, 0, 20, Answer);
    }
    ~Answered() {
        KillTimer(nullptr, timer_);
        g_action = nullptr;
    }

  private:
    UINT_PTR timer_;
};

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ItemText(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class Owner : public HostWindowsOwner {
  public:
    explicit Owner(HINSTANCE resources) : resources_(resources) {}
    HINSTANCE ResourceInstance() override { return resources_; }
    std::string PictureFile(const std::string& name) override { return name; }
    bool ExitCommand() override { return true; }
    void HelpCommand() override {}
    std::string SettingsText() override { return "settings"; }
    std::string ProductTitle() override { return "Line Wink"; }

  private:
    HINSTANCE resources_;
};

class HostWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(library.Loaded()); }

    LanguageLibrary library{test::ProgramFolder() + "\\awenu.dll"};
    Owner owner{library.Instance()};
    Win32HostWindows windows{owner};
};

TEST_F(HostWindowsTest, TheWelcomeHasThreeAnswers) {
    const std::pair<int, WelcomeAnswer> answers[] = {
        {IDOK, WelcomeAnswer::Continue},
        {AW_ID_WELCOME_SETTINGS, WelcomeAnswer::Settings},
        {IDCANCEL, WelcomeAnswer::Exit}};
    for (const auto& [button, expected] : answers) {
        std::string shown;
        Answered answered([&, id = button](HWND dialog) {
            shown = ItemText(dialog, AW_ID_WELCOME_TEXT);
            Click(dialog, id);
        });
        EXPECT_EQ(windows.AskWelcome("Line Wink", "Welcome to Line Wink"), expected);
        EXPECT_EQ(shown, "Welcome to Line Wink");
    }
}

TEST_F(HostWindowsTest, TheComponentTreeGivesBackItsCheckMarks) {
    ComponentItem program;
    program.View.Leaf = true;
    program.View.Name = "Program";
    program.View.FirstValue = 300;
    program.Checked = true;
    ComponentItem help = program;
    help.View.Name = "Help";
    help.View.FirstValue = 20;
    help.Checked = false;
    ComponentItem all;
    all.View.Name = "Everything";
    all.Children = {&program, &help};

    std::string needed;
    std::string freeSpace;
    std::string font;
    Answered answered([&](HWND dialog) {
        needed = ItemText(dialog, AW_ID_COMPONENTS_NEEDED);
        freeSpace = ItemText(dialog, AW_ID_COMPONENTS_FREE);
        LOGFONTA logFont{};
        GetObjectA(reinterpret_cast<HFONT>(
                       SendDlgItemMessageA(dialog, AW_ID_COMPONENTS_FREE, WM_GETFONT, 0, 0)),
                   sizeof logFont, &logFont);
        font = logFont.lfFaceName;
        const HWND tree = GetDlgItem(dialog, AW_ID_COMPONENTS_TREE);
        const HTREEITEM root = TreeView_GetRoot(tree);
        const HTREEITEM first = TreeView_GetChild(tree, root);
        const HTREEITEM second = TreeView_GetNextSibling(tree, first);
        TreeView_SetItemState(tree, first, INDEXTOSTATEIMAGEMASK(1), TVIS_STATEIMAGEMASK);
        TreeView_SetItemState(tree, second, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
        Click(dialog, IDOK);
    });
    EXPECT_TRUE(windows.RunComponentSelection({&all}, "c:   512Mb +   32Kb"));
    EXPECT_EQ(needed, "300 K");
    EXPECT_EQ(freeSpace, "c:   512Mb +   32Kb");
    EXPECT_EQ(font, "Courier New");
    EXPECT_FALSE(program.Checked);
    EXPECT_TRUE(help.Checked);

    Answered cancelled([](HWND dialog) { Click(dialog, IDCANCEL); });
    EXPECT_FALSE(windows.RunComponentSelection({&all}, ""));
}

TEST_F(HostWindowsTest, TheSearchWindowShowsItsTextAndTakesCancel) {
    windows.OpenSearchWindow("APP.EXE");
    const HWND search = test::OwnedDialog(nullptr);
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(ItemText(search, AW_ID_SEARCH_TEXT), library.Text(AW_TXT_SEARCHING) + " APP.EXE");
    EXPECT_FALSE(windows.SearchCancelled());
    Click(search, IDCANCEL);
    EXPECT_TRUE(windows.SearchCancelled());
    windows.CloseSearchWindow();
    EXPECT_FALSE(IsWindow(search));
}

TEST(HostEnvironmentTest, LinesAppendAndFilesReadWhole) {
    Win32HostEnvironment environment;
    const std::string path = test::ProgramFolder() + "\\host_environment.log";
    std::remove(path.c_str());
    environment.AppendLine(path, "entering c:\\*.*");
    environment.AppendLine(path, "leaving c:");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(environment.Read(path, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "entering c:\\*.*\r\nleaving c:\r\n");
    std::remove(path.c_str());
    EXPECT_FALSE(environment.Read(path, bytes));
    EXPECT_TRUE(environment.Environment("PATH").has_value());
    EXPECT_FALSE(environment.Environment("NO_SUCH_VARIABLE_HERE").has_value());
}

}  // namespace
}  // namespace aw
