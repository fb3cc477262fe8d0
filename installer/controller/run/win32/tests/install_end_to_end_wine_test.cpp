// A whole installation as a person starts it: a distribution laid out by distpack with a script
// of our writer, setup.exe on it, awmain in the launcher's working directory and the result
// back in setup.exe's exit code; once answered by the test as a person would, once with /S.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "installer/controller/run/win32/tests/box_answerer.h"
#include "installer/controller/win32/tests/test_files.h"
#include "installer/script/events/file_events.h"
#include "installer/script/events/system_events.h"
#include "installer/script/model/install_script.h"
#include "tools/distpack/distpack_command.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw::test {
namespace {

using aw::testing::Exists;
using aw::testing::RunAndWait;

class InstallEndToEndTest : public ::testing::Test {
  protected:
    InstallEndToEndTest() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        temp_ = temp;
        root = temp_ + "awe2e" + std::to_string(GetCurrentProcessId());
        medium = root + "\\medium";
        CreateDirectoryA(root.c_str(), nullptr);
        std::ofstream(root + "\\readme.txt") << "read me";
    }
    ~InstallEndToEndTest() override { RunAndWait("cmd.exe /c rmdir /s /q \"" + root + "\""); }

    // The medium: the script with the packed file's entries, the file, the launcher, the
    // engine and its language library.
    void LayOutMedium(std::int32_t completionKind, std::int32_t showDialog) {
        InstallScript script;
        script.Info.ProductName = "End To End";
        script.Languages.First = 3;
        script.Languages.Flags.assign(20, 1);
        auto folder = std::make_unique<MakeDir>();
        folder->Condition = "1";
        folder->Path = root + "\\installed";
        script.Events.Add(std::move(folder));
        auto completion = std::make_unique<SetCompletion>();
        completion->Condition = "1";
        completion->Kind = completionKind;
        completion->ShowDialog = showDialog;
        script.Events.Add(std::move(completion));
        const auto bytes = WriteScript(script, false, 302);
        ASSERT_TRUE(bytes);
        std::ofstream(root + "\\written.inf", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes->data()),
                   static_cast<std::streamsize>(bytes->size()));
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunDistPack({"--script", root + "\\written.inf", root + "\\install.inf", medium,
                               "--stored", root + "\\readme.txt"},
                              out, err),
                  0)
            << err.str();
        CopyFileA((root + "\\install.inf").c_str(), (medium + "\\install.inf").c_str(), FALSE);
        for (const char* file : {"setup.exe", "awmain.exe", "awenu.dll"}) {
            CopyFileA((testing::ProgramDirectory() + "\\" + file).c_str(),
                      (medium + "\\" + file).c_str(), FALSE);
        }
    }

    // Whether a working directory of this medium's launcher is left under the temporary folder.
    bool WorkingDirectoryLeft() {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((temp_ + "aws*").c_str(), &found);
        bool left = false;
        if (find == INVALID_HANDLE_VALUE) {
            return false;
        }
        do {
            char start[MAX_PATH] = {};
            const std::string settings = temp_ + found.cFileName + "\\awmain.ini";
            GetPrivateProfileStringA("x", "p", "", start, MAX_PATH, settings.c_str());
            left = left || std::string(start).find(medium) == 0;
        } while (FindNextFileA(find, &found));
        FindClose(find);
        return left;
    }

    std::string temp_;
    std::string root;
    std::string medium;
};

TEST_F(InstallEndToEndTest, AnsweredByAPersonTheRestartIsOfferedAndDeclined) {
    LayOutMedium(2, 1);
    BoxAnswerer answerer({IDOK, IDNO}, true);
    EXPECT_EQ(RunAndWait("\"" + medium + "\\setup.exe\""), 2);
    EXPECT_TRUE(Exists(root + "\\installed"));
    EXPECT_FALSE(WorkingDirectoryLeft());
    const std::vector<SeenBox> seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].Buttons, (std::vector<std::string>{"&Restart", "&Stay here"}));
    EXPECT_EQ(seen[1].Text.find("Windows must be restarted"), 0u);
}

TEST_F(InstallEndToEndTest, UnattendedNothingWaitsAndTheExitCodeIsTheResult) {
    LayOutMedium(0, 1);
    BoxAnswerer answerer({}, true);
    EXPECT_EQ(RunAndWait("\"" + medium + "\\setup.exe\" /S"), 0);
    EXPECT_TRUE(Exists(root + "\\installed"));
    EXPECT_FALSE(WorkingDirectoryLeft());
    EXPECT_TRUE(answerer.Seen().empty());
}

}  // namespace
}  // namespace aw::test
