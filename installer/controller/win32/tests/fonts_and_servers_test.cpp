// Fonts added to the real font table, and OLE servers registered through a test library and a
// test program built beside these tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "installer/controller/win32/tests/installer_rig.h"

namespace aw {
namespace {

// A TrueType font of the build machine, reached through Wine's drive for the Unix root.
const char kFontSource[] = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf";

std::string OwnDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory(path, length);
    return directory.substr(0, directory.rfind('\\'));
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class FontsAndServersTest : public ::testing::Test {
  protected:
    testing::Win32InstallerRig rig;
    testing::FakeReport& report = rig.report;
    Installer& installer = rig.installer;
    MemoryLog& log = rig.log;
    const std::string directory = OwnDirectory();
};

TEST_F(FontsAndServersTest, AnInstalledFontIsInTheFontTableAndLogged) {
    const std::string font = directory + "\\AwTestFont.ttf";
    ASSERT_TRUE(CopyFileA(kFontSource, font.c_str(), FALSE)) << "no font at " << kFontSource;
    ASSERT_TRUE(installer.InstallFont(font));
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload, LogPayload(logrec::FontInstalled{font}));
    // Wine does not take a font added by its path out of the table again; the file stays in use
    // until this process ends, so its name is left for the next run to overwrite.
    RemoveFontResourceA(font.c_str());
}

TEST_F(FontsAndServersTest, AFileThatIsNoFontIsRefused) {
    const std::string notFont = directory + "\\AwNotAFont.ttf";
    std::ofstream(notFont, std::ios::binary) << "not a font";
    EXPECT_FALSE(installer.InstallFont(notFont));
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to install font"});
    EXPECT_TRUE(log.Records.empty());
    DeleteFileA(notFont.c_str());
}

TEST_F(FontsAndServersTest, ALibraryIsRegisteredThroughItsEntryPointWhateverItAnswers) {
    const std::string note = directory + "\\aw_test_server.registered";
    DeleteFileA(note.c_str());
    ASSERT_TRUE(installer.RegisterOleServer(directory + "\\aw_test_server.dll"));
    EXPECT_TRUE(Exists(note));
    EXPECT_TRUE(log.Records.empty());
    DeleteFileA(note.c_str());
}

TEST_F(FontsAndServersTest, ALibraryWithoutTheEntryPointOrNoLibraryAtAllFails) {
    EXPECT_FALSE(installer.RegisterOleServer("kernel32.dll"));
    EXPECT_FALSE(installer.RegisterOleServer(directory + "\\missing.dll"));
    EXPECT_EQ(report.Errors, (std::vector<std::string>{
                                 "Unable to register OLE2 server kernel32.dll",
                                 "Unable to register OLE2 server " + directory + "\\missing.dll"}));
}

TEST_F(FontsAndServersTest, AProgramIsStartedWithReg) {
    const std::string note = directory + "\\aw_test_server_program.args";
    DeleteFileA(note.c_str());
    ASSERT_TRUE(installer.RegisterOleServer(directory + "\\aw_test_server_program.exe"));
    for (int wait = 0; wait < 200 && !Exists(note); ++wait) {
        Sleep(50);
    }
    EXPECT_EQ(ReadText(note), "/reg");
    DeleteFileA(note.c_str());
    EXPECT_FALSE(installer.RegisterOleServer(directory + "\\missing.exe"));
    EXPECT_EQ(report.Errors.size(), 1u);
}

}  // namespace
}  // namespace aw
