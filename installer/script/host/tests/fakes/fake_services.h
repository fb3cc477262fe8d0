// The controller's services, recorded and answered by tests.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_support.h"

namespace aw::testing {

class FakeServices : public ControllerServices {
  public:
    // Every call by name, with its main argument, in order.
    std::vector<std::string> Calls;
    std::vector<std::string> Errors;
    std::vector<std::string> Checks;
    std::vector<std::int32_t> UndoClasses;

    bool Silent = false;
    bool Succeed = true;
    std::set<std::string> Files;
    std::vector<FileRequest> FileRequests;
    std::vector<IniRequest> IniRequests;
    std::vector<RegistryValueRequest> RegistryRequests;
    std::vector<ExecuteRequest> Programs;
    std::vector<ItemRequest> Items;
    std::vector<UninstallerRequest> Uninstallers;
    std::vector<std::uint32_t> Advances;
    PromptRequest LastPrompt;
    std::string PromptAnswer;
    std::uint32_t ExitCode = 0;
    std::int32_t Completion = 0;
    std::int32_t CompletionStatusValue = 0;
    CompletionAnswer CompletionReply = CompletionAnswer::Continue;
    std::int32_t AbortAnswers = 0;
    bool AbortReply = false;
    CdRomRequest CdRom;
    std::vector<std::string> Arguments;

    void ReportError(const std::string& message) override { Errors.push_back(message); }
    void CheckFailed(const char* unit, int line) override {
        (void)line;
        Checks.push_back(unit);
    }
    bool Unattended() const override { return Silent; }
    void SetUndoClass(std::int32_t undoClass) override { UndoClasses.push_back(undoClass); }

    bool InstallFile(FileRequest& request) override {
        Calls.push_back("InstallFile " + request.DestinationPath);
        FileRequests.push_back(request);
        return Succeed;
    }
    bool InstallUninstaller(const UninstallerRequest& request) override {
        Calls.push_back("InstallUninstaller " + request.BackDirectory);
        Uninstallers.push_back(request);
        return Succeed;
    }
    bool FileExists(const std::string& path) override { return Files.contains(path); }
    bool RenameFile(const std::string& from, const std::string& to) override {
        return Record("RenameFile " + from + " " + to);
    }
    bool CopyPlainFile(const std::string& from, const std::string& to) override {
        return Record("CopyFile " + from + " " + to);
    }
    bool DeletePath(const std::string& path) override { return Record("DeletePath " + path); }
    bool MakeDirectory(const std::string& path) override { return Record("MakeDirectory " + path); }

    bool WriteIni(const IniRequest& request) override {
        IniRequests.push_back(request);
        return Record("WriteIni " + request.File);
    }
    bool WriteRegistry(const RegistryValueRequest& request) override {
        RegistryRequests.push_back(request);
        return Record("WriteRegistry " + request.Key.Path);
    }
    bool CreateItem(const ItemRequest& request) override {
        Items.push_back(request);
        return Record("CreateItem " + request.Group);
    }
    bool DeleteItem(const std::string& group, const std::string& item) override {
        return Record("DeleteItem " + group + " " + item);
    }
    bool DeleteGroup(const std::string& group) override { return Record("DeleteGroup " + group); }

    bool ExecuteProgram(ExecuteRequest& request) override {
        Programs.push_back(request);
        request.ExitCode = ExitCode;
        return Record("ExecuteProgram " + request.CommandLine);
    }
    CompletionAnswer SetCompletion(CompletionRequest& request) override {
        Calls.push_back("SetCompletion");
        request.Status = Completion;
        return CompletionReply;
    }
    std::int32_t CompletionStatus() override { return CompletionStatusValue; }
    bool ShowMessage(MessageRequest& request) override {
        return Record("ShowMessage " + request.Text);
    }
    bool AskThreeButtons(MessageRequest& request) override {
        request.Answer = 1;
        return Record("AskThreeButtons " + request.Text);
    }
    bool PromptText(PromptRequest& request) override {
        LastPrompt = request;
        request.Answer = PromptAnswer;
        return Record("PromptText");
    }
    bool AskUserInfo(UserInfoRequest& request) override {
        for (auto& value : request.Values) {
            value += "!";
        }
        return Record("AskUserInfo");
    }
    bool AbortQuery() override {
        Calls.push_back("AbortQuery");
        ++AbortAnswers;
        return AbortReply;
    }

    bool CompareTexts(CompareRequest& request) override {
        request.Result = request.First.compare(request.Second);
        return Record("CompareTexts");
    }
    bool ReadIniEntry(ReadIniEntryRequest& request) override {
        request.Found = true;
        request.Value = "ini value";
        return Record("ReadIniEntry " + request.Directory + " " + request.File);
    }
    bool ReadRegistryValue(ReadRegistryRequest& request) override {
        request.Found = true;
        request.Value = "registry value";
        return Record("ReadRegistryValue " + request.Key);
    }
    void WindowsVersion(std::int32_t& major, std::int32_t& minor) override {
        major = 4;
        minor = 10;
    }
    std::int32_t Processor() override { return 586; }
    void FirstCdRom(CdRomRequest& request) override {
        Calls.push_back("FirstCdRom");
        request = CdRom;
    }
    std::int32_t ArgumentCount() override { return static_cast<std::int32_t>(Arguments.size()); }
    bool Argument(std::int32_t index, std::string& text) override {
        if (index < 1 || index > ArgumentCount()) {
            Errors.push_back("No argument at " + std::to_string(index));
            return false;
        }
        text = Arguments[static_cast<std::size_t>(index - 1)];
        return true;
    }
    std::string SourceDirectory() override { return "D:\\DISK1"; }
    std::string WindowsDirectory() override { return "C:\\WINDOWS"; }
    std::string SystemDirectory() override { return "C:\\WINDOWS\\SYSTEM"; }
    std::string OwnDirectory() override { return "C:\\WINDOWS\\TEMP\\AW"; }
    std::int32_t LanguageIndex() override { return 3; }
    std::int32_t DiskSpaceNeeded() override { return 1234; }

    bool BeginProgress(std::int32_t first, std::int32_t second, std::int32_t third) override {
        return Record("BeginProgress " + std::to_string(first) + " " + std::to_string(second) +
                      " " + std::to_string(third));
    }
    void EndProgress() override { Calls.push_back("EndProgress"); }
    void AdvanceProgress(std::uint32_t units) override { Advances.push_back(units); }
    void ShowBanner(BannerKind kind) override {
        Calls.push_back("ShowBanner " + std::to_string(static_cast<int>(kind)));
    }
    void HideBanner(BannerKind kind) override {
        Calls.push_back("HideBanner " + std::to_string(static_cast<int>(kind)));
    }
    void ShowMessageWindow(const MessageWindowRequest& request) override {
        Calls.push_back("ShowMessageWindow " + request.Title + "|" + request.Text);
    }
    void HideMessageWindow() override { Calls.push_back("HideMessageWindow"); }
    void ProcessMessages() override { ++Pumps; }

    int Pumps = 0;

  private:
    bool Record(std::string call) {
        Calls.push_back(std::move(call));
        return Succeed;
    }
};

// The dialogs, search, entries and files of the events that need them.
class FakeSupport : public ScriptDialogs,
                    public FileSearcher,
                    public DistributionEntries,
                    public WholeFiles {
  public:
    std::map<const DistributionFile*, DistributionEntry> EntryMap;
    std::map<std::string, std::vector<std::uint8_t>> FileBytes;
    std::vector<std::string> DialogsShown;
    std::int32_t DialogResult = 0;
    SearchRequest LastSearch;

    bool ShowUserDialog(const std::string& name, std::int32_t& result) override {
        DialogsShown.push_back(name);
        result = DialogResult;
        return true;
    }
    bool Search(SearchRequest& request) override {
        LastSearch = request;
        request.Found = true;
        request.Path = "C:\\FOUND\\" + request.Pattern;
        return true;
    }
    const DistributionEntry* EntryFor(const DistributionFile* file) override {
        auto found = EntryMap.find(file);
        return found == EntryMap.end() ? nullptr : &found->second;
    }
    bool Read(const std::string& path, std::vector<std::uint8_t>& bytes) override {
        auto found = FileBytes.find(path);
        if (found == FileBytes.end()) {
            return false;
        }
        bytes = found->second;
        return true;
    }
    EventSupport Support() { return EventSupport{*this, *this, *this, *this}; }
};

}  // namespace aw::testing
