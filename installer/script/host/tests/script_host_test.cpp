#include "installer/script/host/script_host.h"

#include "installer/controller/run/tests/controller_rig.h"
#include "installer/script/host/tests/fakes/fake_host_windows.h"
#include "installer/script/host/tests/fakes/fake_services.h"
#include "installer/script/model/tests/fakes/fake_files.h"
#include "installer/script/variables/tests/fakes/fake_controller.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw::testing {
namespace {

// A script of our writer, run by the script host through the whole install controller.
class ScriptHostTest : public ControllerTest {
  protected:
    ScriptHostTest() {
        files.AddFile("D:\\README.TXT", "read me");
        auto& readme = written.Build.Files.AddNew();
        readme.FileName = "README.TXT";
        readme.FirstSize = readme.SecondSize = 7;
        auto& style = written.Build.Styles.AddNew();
        auto& listed = style.FileList.AddNew();
        listed.Second = 1;
        listed.File = {0, &readme};
        written.Build.CurrentStyle = 0;
        written.Info.ProductName = "Line Wink";
        written.Languages.First = 3;
        written.Languages.Flags.assign(20, 1);
    }

    template <class Kind>
    Kind& Add(const std::string& condition = "1") {
        auto event = std::make_unique<Kind>();
        event->Condition = condition;
        return static_cast<Kind&>(written.Events.Add(std::move(event)));
    }

    // Writes the script beside the installer, as a build would.
    void WriteScriptFile() {
        scriptFiles.Files["C:\\SETUP\\install.inf"] = aw::WriteScript(written, false, 302).value();
    }

    std::int32_t InitialiseAndRunHost() {
        WriteScriptFile();
        if (!scriptHost.Initialise()) {
            return -1;
        }
        const std::int32_t result = scriptHost.Run();
        scriptHost.CleanUp();
        return result;
    }

    InstallScript written;
    FakeFiles scriptFiles;
    FakeOutputFiles outputFiles;
    FakeSupport wholeFiles;
    FakeHostWindows hostWindows;
    FakeHostEnvironment environment;
    ScriptHost scriptHost{system, {scriptFiles, outputFiles, wholeFiles, hostWindows, environment}};
};

TEST_F(ScriptHostTest, AScriptInstallsItsFilesAndWritesItsEntries) {
    auto& folder = Add<SetText>();
    folder.Variable = "i";
    folder.Value = "C:\\APP";
    Add<MakeDir>().Path = "$i";
    auto& install = Add<InstallFiles>();
    install.SourceKind = 1;
    install.Files.Files.push_back({0, written.Build.Files.At(0)});
    install.DestinationDirectory = "$i";
    install.WildcardSpec = "+*.*";
    auto& ini = Add<WriteIni>();
    ini.File = "$i\\app.ini";

    EXPECT_EQ(InitialiseAndRunHost(), 0);
    EXPECT_EQ(files.Text("C:\\APP\\README.TXT"), "read me");
    EXPECT_NE(world.system.iniFiles.Files.at("C:\\APP\\app.ini").find("entry=value"),
              std::string::npos);
    EXPECT_EQ(hostWindows.Calls.front(), "CreateInstallScreen Line Wink");
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ScriptHostTest, TheWelcomeAndTheSelectionAnswerByPosition) {
    written.Build.Styles.At(0)->CustomHandler = 1;
    Add<QueryOne>().Variable = "exitcode1";
    Add<QueryTwo>().Variable = "exitcode2";
    Add<CustomStep>();
    Add<MakeDir>().Path = "C:\\FIRST";
    Add<CustomStep>();
    auto& bound = Add<MakeDir>();
    bound.Path = "C:\\BOUND";
    bound.ComponentBound = 1;
    auto& leaf = written.Components.AddNew();
    leaf.Leaf = 1;
    leaf.Name = "Program";
    leaf.FirstValue = leaf.SecondValue = "0";

    EXPECT_EQ(InitialiseAndRunHost(), 0);
    EXPECT_TRUE(files.Has("C:\\FIRST"));
    EXPECT_FALSE(files.Has("C:\\BOUND"));
    EXPECT_EQ(hostWindows.FreeSpaceShown.size(), 1u);

    // Leaving at the welcome is the abort path; nothing was installed to archive a log for.
    hostWindows.Welcome = WelcomeAnswer::Exit;
    written.Events.At(3)->Condition = "nosuchvar";
    EXPECT_EQ(InitialiseAndRunHost(), 1);
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ScriptHostTest, HostOperationsAnswerFromTheScript) {
    written.Info.LogValues[0] = 0x10002;
    written.Info.First = 250;
    written.Progress.LogValue = 1;
    Add<BeginProgress>();
    Add<MakeDir>().ComponentBound = 1;
    WriteScriptFile();
    ASSERT_TRUE(scriptHost.Initialise());

    std::int32_t first = 0;
    std::int32_t second = 0;
    scriptHost.ScriptLongs(first, second);
    EXPECT_EQ(first, 0x10002);
    scriptHost.UninstallSettings(first, second);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 100);
    EXPECT_EQ(scriptHost.MinimumMillisecondsPerFile(), 250);
    ASSERT_TRUE(scriptHost.SelectionRange(first, second));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 2);
    EXPECT_TRUE(scriptHost.EventComponentBound(1));
    EXPECT_EQ(scriptHost.EventCount(), 2);
    std::vector<DistributionEntry> entries;
    ASSERT_TRUE(scriptHost.DiskMap(entries, first));
    EXPECT_EQ(entries.at(0).Name, "README.TXT");
    EXPECT_EQ(scriptHost.AcquireLanguageSet().First, 3);

    scriptHost.UnloadScript();
    EXPECT_EQ(scriptHost.EventCount(), 0);
    EXPECT_FALSE(scriptHost.DiskMap(entries, first));
}

}  // namespace
}  // namespace aw::testing
