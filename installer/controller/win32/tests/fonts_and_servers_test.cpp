// Fonts added to the real font table, and OLE servers registered through a test library and a
// test program built beside these tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "installer/controller/win32/tests/installer_rig.h"
#include "installer/controller/win32/tests/test_files.h"

namespace aw {
namespace {

// A TrueType font of the build machine, reached through Wine's drive for the Unix root.
const char kFontSource[] = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf";

using testing::Exists;
using testing::ReadText;

class FontsAndServersTest : public ::testing::Test, protected testing::Win32InstallerRig {
  protected:
    const std::string directory = testing::ProgramDirectory();
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
    ASSERT_TRUE(testing::WaitForFile(note));
    EXPECT_EQ(ReadText(note), "/reg");
    DeleteFileA(note.c_str());
    EXPECT_FALSE(installer.RegisterOleServer(directory + "\\missing.exe"));
    EXPECT_EQ(report.Errors.size(), 1u);
}

}  // namespace
}  // namespace aw
