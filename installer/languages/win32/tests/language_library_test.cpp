// The language libraries as built, loaded by the system: what they hold and how their texts
// are looked up.
#include "installer/languages/win32/language_library.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "installer/languages/resource_numbers.h"

namespace aw {
namespace {

const char* const kCodes[] = {"enu", "eng", "deu", "fra"};

std::string LibraryPath(const std::string& code) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    directory.resize(directory.find_last_of('\\'));
    return directory + "\\aw" + code + ".dll";
}

// Every number whose entry in the string table is not empty, read from the table's blocks
// of sixteen counted UTF-16 texts.
std::set<unsigned> StringNumbers(HMODULE library) {
    std::vector<unsigned> blocks;
    EnumResourceNamesA(
        library, MAKEINTRESOURCEA(6),
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) -> BOOL {
            reinterpret_cast<std::vector<unsigned>*>(found)->push_back(
                static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&blocks));
    std::set<unsigned> numbers;
    for (unsigned block : blocks) {
        HRSRC resource = FindResourceA(library, MAKEINTRESOURCEA(block), MAKEINTRESOURCEA(6));
        const auto* entry = static_cast<const WORD*>(LockResource(LoadResource(library, resource)));
        for (unsigned i = 0; i < 16; ++i) {
            if (*entry != 0) {
                numbers.insert((block - 1) * 16 + i);
            }
            entry += 1 + *entry;
        }
    }
    return numbers;
}

std::set<std::string> ResourceNames(HMODULE library, LPCSTR type) {
    std::set<std::string> names;
    EnumResourceNamesA(
        library, type,
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) -> BOOL {
            reinterpret_cast<std::set<std::string>*>(found)->insert(name);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    return names;
}

// The controls of a template as the system creates them: identifier, class and position.
std::vector<std::string> TemplateControls(HINSTANCE library, const std::string& name) {
    HWND dialog = CreateDialogParamA(
        library, name.c_str(), nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; },
        0);
    std::vector<std::string> controls;
    if (dialog == nullptr) {
        return controls;
    }
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM found) -> BOOL {
            char className[64] = {};
            GetClassNameA(child, className, sizeof className);
            RECT place;
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
            reinterpret_cast<std::vector<std::string>*>(found)->push_back(
                std::to_string(GetDlgCtrlID(child)) + " " + className + " " +
                std::to_string(place.left) + "," + std::to_string(place.top));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    controls.push_back("client " + std::to_string([&] {
                           RECT client;
                           GetClientRect(dialog, &client);
                           return client.right * 10000 + client.bottom;
                       }()));
    DestroyWindow(dialog);
    return controls;
}

class LanguageLibraries : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InitCommonControls();
        // The bar's real class belongs to the install screen; any window serves here.
        WNDCLASSA bar = {};
        bar.style = CS_GLOBALCLASS;
        bar.lpfnWndProc = DefWindowProcA;
        bar.hInstance = GetModuleHandleA(nullptr);
        bar.lpszClassName = AW_PERCENT_BAR_CLASS;
        RegisterClassA(&bar);
    }
    void SetUp() override {
        for (const char* code : kCodes) {
            libraries[code] = LanguageLibrary(LibraryPath(code));
            ASSERT_TRUE(libraries[code].Loaded()) << code;
        }
    }
    std::map<std::string, LanguageLibrary> libraries;
};

TEST_F(LanguageLibraries, EveryLibraryHoldsEveryTextTheEngineAsksFor) {
    std::set<unsigned> expected = {2,    4,    12,   0x24, 0x29, 0x2B, 0x2C, 0x39, 0x49, 0x4A,
                                   0x4B, 0x55, 0x56, 0x5B, 0x7F, 0xC8, 0xC9, 0xD0, 0xD1};
    for (unsigned n = 0x2E; n <= 0x31; ++n)
        expected.insert(n);
    for (unsigned n = 0x3D; n <= 0x48; ++n)
        expected.insert(n);
    for (unsigned n = 0x83; n <= 0x87; ++n)
        expected.insert(n);
    for (unsigned n = 0x8F; n <= 0x96; ++n)
        expected.insert(n);
    for (unsigned n = 0x98; n <= 0xA0; ++n)
        expected.insert(n);
    for (unsigned n = 0xE0; n <= 0xF6; ++n)
        expected.insert(n);
    for (const char* code : kCodes) {
        EXPECT_EQ(StringNumbers(libraries[code].Instance()), expected) << code;
    }
}

TEST_F(LanguageLibraries, EveryLibraryHoldsTheSameTemplatesAndBitmaps) {
    const std::set<std::string> templates = {
        "DLGAOW",        "DLGBANNER",      "DLGCOMPONENTS",    "DLGERROR",       "DLGGAUGE",
        "DLGINSERTDISK", "DLGMESSAGE",     "DLGPROGRESS",      "DLGPROMPT",      "DLGQUESTION",
        "DLGSEARCH",     "DLGUNDOASKQUIT", "DLGUNDOMAINADV",   "DLGUNDOMAINSIM", "DLGUNDOMAINSLT",
        "DLGUSERINFO",   "DLGUSRDLG",      "DLGUSRDLGNOTITLE", "DLGWELCOME"};
    const std::set<std::string> bitmaps = {"BMEXITDN", "BMEXITUP", "BMHELPDN",
                                           "BMHELPUP", "BMMINZDN", "BMMINZUP"};
    for (const char* code : kCodes) {
        EXPECT_EQ(ResourceNames(libraries[code].Instance(), MAKEINTRESOURCEA(5)), templates)
            << code;
        EXPECT_EQ(ResourceNames(libraries[code].Instance(), MAKEINTRESOURCEA(2)), bitmaps) << code;
    }
}

TEST_F(LanguageLibraries, EveryTemplateOpensWithTheSameControlsInEveryLanguage) {
    for (const std::string& name :
         ResourceNames(libraries["enu"].Instance(), MAKEINTRESOURCEA(5))) {
        const std::vector<std::string> english =
            TemplateControls(libraries["enu"].Instance(), name);
        ASSERT_FALSE(english.empty()) << name << " does not open";
        for (const char* code : kCodes) {
            EXPECT_EQ(TemplateControls(libraries[code].Instance(), name), english)
                << name << " in " << code;
        }
    }
    const std::vector<std::string> gauge =
        TemplateControls(libraries["enu"].Instance(), "DLGGAUGE");
    ASSERT_EQ(gauge.size(), 3u);
    EXPECT_EQ(gauge[0].substr(0, 17), "101 awpercentbar ");
    EXPECT_EQ(gauge[1].substr(0, 17), "102 awpercentbar ");
}

TEST_F(LanguageLibraries, ButtonBitmapsFillTheLargestButton) {
    for (const char* name :
         {"BMEXITUP", "BMEXITDN", "BMHELPUP", "BMHELPDN", "BMMINZUP", "BMMINZDN"}) {
        HBITMAP bitmap = LoadBitmapA(libraries["fra"].Instance(), name);
        ASSERT_NE(bitmap, nullptr) << name;
        BITMAP size;
        GetObjectA(bitmap, sizeof size, &size);
        EXPECT_EQ(size.bmWidth, 63) << name;
        EXPECT_EQ(size.bmHeight, 39) << name;
        DeleteObject(bitmap);
    }
}

// Both English libraries carry the texts that the engine also knows without a library.
TEST_F(LanguageLibraries, EnglishTextsAreTheEnginesOwn) {
    const std::map<unsigned, std::string> known = {
        {0x3D, "Congratulations!\n%s has been installed successfully"},
        {0x3E,
         "%s has been installed successfully\nbut we need to restart\nWindows for the changes to "
         "take effect"},
        {0x3F, "&Restart"},
        {0x40, "&Stay here"},
        {0x41,
         "%s has been installed successfully\nbut we need to restart\nDOS for the changes to take "
         "effect"},
        {0x42, "Installation Completed"},
        {0x47, "Installation is incomplete\nAre you sure you want to abort the installation?"},
        {0x48, "Query Abort"},
        {0x4A, "Please insert disk: %s"},
        {0x4B, "Insert Disk"},
        {0x55, "Installation is being aborted"},
        {0x56, "Abort"},
    };
    for (const char* code : {"enu", "eng"}) {
        for (const auto& [number, text] : known) {
            EXPECT_EQ(libraries[code].Text(number), text) << code << " " << number;
        }
    }
}

TEST_F(LanguageLibraries, AMissingNumberReadsAsNoSuchString) {
    for (unsigned number : {0u, 0x97u, 0xC7u, 0xFFFFu}) {
        EXPECT_EQ(libraries["deu"].Text(number), "NO SUCH STRING!!!") << number;
    }
}

TEST_F(LanguageLibraries, TranslationsArriveInTheAnsiCodePageAndWhole) {
    EXPECT_EQ(libraries["deu"].Text(AW_TXT_INSERT_DISK_TITLE), "Diskette einlegen");
    EXPECT_EQ(libraries["deu"].Text(AW_TXT_ABORT_QUERY),
              "Die Installation ist unvollst\xE4ndig.\nM\xF6"
              "chten Sie die Installation wirklich abbrechen?");
    EXPECT_EQ(libraries["fra"].Text(AW_TXT_RECORD_STATE + 4),
              "\xC9"
              "chec de l'annulation");
    // Longer than the first buffer the lookup tries.
    const std::string question = libraries["fra"].Text(AW_TXT_SHARED_FILE_QUESTION);
    EXPECT_GT(question.size(), 128u);
    EXPECT_EQ(question.substr(0, 19), "Le fichier partag\xE9\n");
    EXPECT_EQ(question.substr(question.size() - 26), "Voulez-vous le supprimer ?");
}

TEST(LanguageLibrary, AMissingFileLoadsNothing) {
    LanguageLibrary missing(LibraryPath("xyz"));
    EXPECT_FALSE(missing.Loaded());
    LanguageLibrary moved(LibraryPath("enu"));
    ASSERT_TRUE(moved.Loaded());
    LanguageLibrary owner(std::move(moved));
    EXPECT_FALSE(moved.Loaded());
    EXPECT_EQ(owner.Text(AW_TXT_ABORTING_TITLE), "Abort");
}

}  // namespace
}  // namespace aw
