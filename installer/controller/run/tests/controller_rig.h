// A whole install controller in memory: a test host derived from it with a script that the
// test describes, the machine, the windows that record every box and answer as the test says,
// and the file system, registry and shell stand-ins of the Installer's tests.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/install_controller.h"
#include "installer/controller/tests/fakes/copy_world.h"

namespace aw::testing {

class FakeMachine : public Machine {
  public:
    std::string Program = "C:\\SETUP\\awmain.exe";
    std::map<char, DriveType> Drives{{'C', DriveType::Fixed}};
    std::uint32_t Clock = 1000;
    bool ExecuteWorks = true;
    std::vector<ExecuteRequest> Executed;

    std::string ProgramPath() override { return Program; }
    void SuppressErrorBoxes() override {}
    DriveType DriveTypeOf(const std::string& root) override;
    std::uint32_t Ticks() override { return Clock; }
    void WindowsVersion(std::int32_t& major, std::int32_t& minor) override {
        major = 4;
        minor = 10;
    }
    std::int32_t ProcessorFamily() override { return 586; }
    bool Execute(ExecuteRequest& request) override;
};

class FakeWindows : public ControllerWindows {
  public:
    explicit FakeWindows(FakeMachine& machine) : machine_(machine) {}

    // Every box shown; each is answered from Answers (its default button when none is left).
    std::vector<Box> Boxes;
    std::vector<std::string> Told;
    std::deque<std::int32_t> Answers;
    std::function<void(const Box&)> OnBox;
    bool LanguageWorks = true;
    std::string Language;
    // "show 3 <title> <text>", "hide 3", "icon window", "help <file>", ...
    std::vector<std::string> Calls;
    std::vector<std::int32_t> Percents;
    bool ProgressShown = false;
    bool IconVisible = false;
    bool IconWindowWorks = true;
    int CancelAfterMessages = -1;

    bool LoadLanguage(const std::string& path) override;
    void FreeLanguage() override { Language.clear(); }
    bool LanguageLoaded() override { return !Language.empty(); }
    std::string LanguageText(std::uint32_t number) override;
    std::int32_t ShowBox(const Box& box) override;
    void TellUnattended(const std::string& message) override { Told.push_back(message); }
    bool Prompt(PromptRequest& request) override;
    bool AskUserInfo(UserInfoRequest&) override { return true; }
    OverwriteChoice AskOverwrite(const std::string&, const std::string&) override {
        return OverwriteChoice::Keep;
    }
    void ShowProgressWindow(bool shown) override { ProgressShown = shown; }
    bool ProgressWindowShown() override { return ProgressShown; }
    void SetProgressLines(const std::string& first, const std::string&,
                          const std::string&) override {
        Calls.push_back("lines " + first);
    }
    void SetProgressPercent(std::int32_t percent, const std::string&) override {
        Percents.push_back(percent);
    }
    bool TakeCancelRequest() override;
    void ShowBanner(std::int32_t slot, const std::string& title, const std::string& text) override {
        Calls.push_back("show " + std::to_string(slot) + " " + title + " " + text);
    }
    void HideBanner(std::int32_t slot) override { Calls.push_back("hide " + std::to_string(slot)); }
    void LoadProgramIcon(const std::string& file) override { Calls.push_back("icon " + file); }
    void FreeProgramIcon() override { Calls.push_back("free icon"); }
    bool CreateIconWindow(const std::string& title) override;
    void SetIconWindowTitle(const std::string& title) override {
        Calls.push_back("icon title " + title);
    }
    bool IconWindowVisible() override { return IconVisible; }
    void DestroyIconWindow() override { Calls.push_back("destroy icon window"); }
    void OpenHelp(const std::string& file) override { Calls.push_back("help " + file); }
    void CloseHelp() override { Calls.push_back("close help"); }
    void ProcessMessages() override { ++Messages; }
    void Wait(std::uint32_t milliseconds) override;
    int Messages = 0;

  private:
    FakeMachine& machine_;
};

// Log files in the memory file system, so that the archive copies what the log wrote.
class FileSystemLogFiles : public LogFiles {
  public:
    explicit FileSystemLogFiles(MemoryFileSystem& files) : files_(files) {}
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForAppend(const std::string& path) override;
    bool CutBack(const std::string& path, std::size_t size) override;
    bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) override;

  private:
    MemoryFileSystem& files_;
};

// The script a test host stands for.
struct TestScript {
    std::string Product = "Line Wink";
    std::vector<DistributionEntry> Files;
    std::int32_t MapValue = 0;
    LanguageSet Languages{3, std::vector<std::int32_t>(20, 1)};
    std::vector<std::uint32_t> EventSizes;
    std::int32_t RangeFirst = -1;
    std::int32_t RangeLast = 0;
    std::int32_t Billboards = 0;
    std::int32_t MinimumMilliseconds = 0;
    bool ScreenWorks = true;
    bool Loads = true;
    // The events: what runs between the start and the end of the script.
    std::function<std::int32_t(InstallController&)> Events;
};

class TestHost : public InstallController {
  public:
    TestHost(ControllerSystem& system, TestScript& script)
        : InstallController(system), script_(script) {}

    std::vector<std::string> Calls;
    std::int32_t ShownBillboard = -1;

    std::int32_t RunScript() override;
    bool LoadScript() override { return script_.Loads; }
    void UnloadScript() override { Calls.push_back("unload"); }
    void ScriptLongs(std::int32_t& first, std::int32_t& second) override {
        first = 0x10002;
        second = 3;
    }
    void UninstallSettings(std::int32_t& style, std::int32_t& pacing) override {
        style = 1;
        pacing = 100;
    }
    bool UseThreeDimensionalControls() override { return false; }
    bool ProductName(std::string& name) override;
    bool ShellCloseFlag() override { return false; }
    bool DiskMap(std::vector<DistributionEntry>& entries, std::int32_t& mapValue) override;
    const LanguageSet& AcquireLanguageSet() override { return script_.Languages; }
    void ReleaseLanguageSet() override {}
    bool CreateInstallScreen() override;
    void DestroyInstallScreen() override { Calls.push_back("destroy screen"); }
    bool SelectionRange(std::int32_t& first, std::int32_t& last) override;
    std::uint32_t EventSizeKiB(std::int32_t event) override;
    std::uint32_t EventRequiredSize(std::int32_t event) override { return EventSizeKiB(event); }
    std::int32_t EventCount() override {
        return static_cast<std::int32_t>(script_.EventSizes.size());
    }
    bool EventComponentBound(std::int32_t) override { return false; }
    std::int32_t ComponentCount() override { return 0; }
    std::int32_t BillboardCount() override { return script_.Billboards; }
    void ShowBillboard(std::int32_t index) override;
    void HideBillboard() override;
    bool BillboardShown() override { return ShownBillboard >= 0; }
    std::int32_t MinimumMillisecondsPerFile() override { return script_.MinimumMilliseconds; }

  private:
    TestScript& script_;
};

// The rig: "awmain.ini" in C:\SETUP says the installation starts from D:\SETUP.EXE.
class ControllerTest : public ::testing::Test {
  protected:
    ControllerTest();

    // Writes a key of section "x" of "awmain.ini".
    void Setting(const std::string& key, const std::string& value);
    // A distribution file on the media, in the source directory.
    DistributionEntry& MediaFile(const std::string& name, const std::string& text,
                                 bool auxiliary = false);
    // The texts of the boxes shown, in order.
    std::vector<std::string> BoxTexts() const;
    // Initialise and run, as the program entry does.
    std::int32_t InitialiseAndRun();

    CopyWorld world;
    MemoryFileSystem& files = world.files;
    FakeMachine machine;
    FakeWindows windows{machine};
    FileSystemLogFiles logFiles{world.files};
    ControllerSystem system{
        files,   world.versions, world.decompression, world.system.services, logFiles,
        machine, windows};
    TestScript script;
    TestHost host{system, script};
};

}  // namespace aw::testing
