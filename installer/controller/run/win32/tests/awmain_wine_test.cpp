// The program awmain as a person's launcher starts it: the uninstaller without "awmain.ini"
// beside it, and a whole unattended installation of a script of our writer with one beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "installer/controller/win32/tests/test_files.h"
#include "installer/script/events/file_events.h"
#include "installer/script/model/install_script.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw::test {
namespace {

using aw::testing::Exists;
using aw::testing::RunAndWait;

class AwmainWineTest : public ::testing::Test {
  protected:
    AwmainWineTest() {
        root = testing::TestFolder("awmain");
        work = root + "\\work";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA(work.c_str(), nullptr);
        for (const char* file : {"awmain.exe", "awenu.dll"}) {
            CopyFileA((testing::ProgramDirectory() + "\\" + file).c_str(),
                      (work + "\\" + file).c_str(), FALSE);
        }
    }
    ~AwmainWineTest() override {
        std::string command = "cmd.exe /c rmdir /s /q \"" + root + "\"";
        RunAndWait(command);
    }

    std::string root;
    std::string work;
};

// The uninstaller finds no archived log beside it and ends with its failure, writing nothing.
TEST_F(AwmainWineTest, WithoutSettingsBesideItItIsTheUninstaller) {
    EXPECT_EQ(RunAndWait("\"" + work + "\\awmain.exe\" /S"), 1);
    EXPECT_FALSE(Exists(work + "\\awlog3.nnn"));
    EXPECT_FALSE(Exists(work + "\\awmain.ini"));
}

TEST_F(AwmainWineTest, AnUnattendedRunGoesThroughTheScriptAndWritesItsResult) {
    InstallScript script;
    script.Info.ProductName = "Wine Product";
    script.Languages.First = 3;
    script.Languages.Flags.assign(20, 1);
    script.Build.Styles.AddNew();
    script.Build.CurrentStyle = 0;
    auto folder = std::make_unique<MakeDir>();
    folder->Condition = "1";
    folder->Path = root + "\\data";
    script.Events.Add(std::move(folder));
    const auto bytes = WriteScript(script, false, 302);
    ASSERT_TRUE(bytes);
    std::ofstream(work + "\\install.inf", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()),
               static_cast<std::streamsize>(bytes->size()));
    const std::string settings = work + "\\awmain.ini";
    CreateDirectoryA((root + "\\media").c_str(), nullptr);
    WritePrivateProfileStringA("x", "p", (root + "\\media\\setup.exe").c_str(), settings.c_str());
    WritePrivateProfileStringA("x", "cmdl", "", settings.c_str());
    WritePrivateProfileStringA("x", "sz", "1", settings.c_str());
    WritePrivateProfileStringA("x", "u", "1", settings.c_str());

    EXPECT_EQ(RunAndWait("\"" + work + "\\awmain.exe\""), 0);
    char result[16] = {};
    GetPrivateProfileStringA("x", "r", "", result, sizeof result, settings.c_str());
    EXPECT_STREQ(result, "0");
    EXPECT_TRUE(Exists(root + "\\data"));
    EXPECT_TRUE(Exists(work + "\\awlog3.nnn"));
}

}  // namespace
}  // namespace aw::test
