#include "installer/controller/run/tests/controller_rig.h"

#include <cstdio>

#include "installer/controller/install_paths.h"

namespace aw::testing {

DriveType FakeMachine::DriveTypeOf(const std::string& root) {
    const auto found = root.empty() ? Drives.end() : Drives.find(root[0]);
    return found == Drives.end() ? DriveType::Unknown : found->second;
}

bool FakeMachine::Execute(ExecuteRequest& request) {
    Executed.push_back(request);
    request.ExitCode = 7;
    return ExecuteWorks;
}

bool FakeWindows::LoadLanguage(const std::string& path) {
    Calls.push_back("language " + path);
    if (LanguageWorks) {
        Language = path;
    }
    return LanguageWorks;
}

std::string FakeWindows::LanguageText(std::uint32_t number) {
    char text[32];
    std::snprintf(text, sizeof text, "<%02X %%s>", number);
    return text;
}

std::int32_t FakeWindows::ShowBox(const Box& box) {
    Boxes.push_back(box);
    if (OnBox) {
        OnBox(box);
    }
    if (Answers.empty()) {
        return box.Default;
    }
    const std::int32_t answer = Answers.front();
    Answers.pop_front();
    return answer;
}

bool FakeWindows::Prompt(PromptRequest& request) {
    request.Answer = "typed";
    return true;
}

bool FakeWindows::TakeCancelRequest() {
    return CancelAfterMessages >= 0 && Messages >= CancelAfterMessages &&
           (CancelAfterMessages = -1, true);
}

bool FakeWindows::CreateIconWindow(const std::string& title) {
    Calls.push_back("icon window " + title);
    return IconWindowWorks;
}

void FakeWindows::Wait(std::uint32_t milliseconds) {
    Calls.push_back("wait " + std::to_string(milliseconds));
    machine_.Clock += milliseconds;
}

namespace {

class FileOutput : public OutputFile {
  public:
    explicit FileOutput(std::unique_ptr<OpenFile> file) : file_(std::move(file)) {}
    bool Write(std::string_view bytes) override {
        return file_->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    }
    bool Close() override { return file_->Close(); }

  private:
    std::unique_ptr<OpenFile> file_;
};

}  // namespace

std::unique_ptr<OutputFile> FileSystemLogFiles::Create(const std::string& path) {
    std::unique_ptr<OpenFile> file = files_.Create(path);
    return file ? std::make_unique<FileOutput>(std::move(file)) : nullptr;
}

std::unique_ptr<OutputFile> FileSystemLogFiles::OpenForAppend(const std::string& path) {
    std::unique_ptr<OpenFile> file = files_.OpenForWriting(path);
    if (!file || !file->Seek(file->Size().value_or(0))) {
        return nullptr;
    }
    return std::make_unique<FileOutput>(std::move(file));
}

bool FileSystemLogFiles::ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    if (!files_.Has(path)) {
        return false;
    }
    bytes = files_.At(path).Bytes;
    return true;
}

std::int32_t TestHost::RunScript() {
    Calls.push_back("run script");
    return script_.Events ? script_.Events(*this) : CompletionStatus();
}

bool TestHost::ProductName(std::string& name) {
    name = script_.Product;
    return !name.empty();
}

bool TestHost::DiskMap(std::vector<DistributionEntry>& entries, std::int32_t& mapValue) {
    entries = script_.Files;
    mapValue = script_.MapValue;
    return true;
}

bool TestHost::CreateInstallScreen() {
    Calls.push_back("create screen");
    return script_.ScreenWorks;
}

bool TestHost::SelectionRange(std::int32_t& first, std::int32_t& last) {
    first = script_.RangeFirst;
    last = script_.RangeLast;
    return first >= 0;
}

std::uint32_t TestHost::EventSizeKiB(std::int32_t event) {
    return script_.EventSizes.at(static_cast<std::size_t>(event));
}

void TestHost::ShowBillboard(std::int32_t index) {
    Calls.push_back("billboard " + std::to_string(index));
    ShownBillboard = index;
}

void TestHost::HideBillboard() {
    Calls.push_back("hide billboard");
    ShownBillboard = -1;
}

ControllerTest::ControllerTest() {
    files.AddDirectory("C:\\SETUP");
    files.AddFile("C:\\SETUP\\awmain.exe", "engine");
    files.AddFile("C:\\SETUP\\awenu.dll", "library");
    files.AddDirectory("D:");
    machine.Drives['D'] = DriveType::CdRom;
    Setting("p", "D:\\SETUP.EXE");
    Setting("cmdl", "");
    Setting("sz", "1200");
}

void ControllerTest::Setting(const std::string& key, const std::string& value) {
    files.WriteProfileEntry("C:\\SETUP\\awmain.ini", "x", key, value);
}

DistributionEntry& ControllerTest::MediaFile(const std::string& name, const std::string& text,
                                             bool auxiliary) {
    files.AddFile(JoinPath("D:", name), text);
    DistributionEntry entry;
    entry.Name = name;
    entry.Size = entry.StoredSize = static_cast<std::uint32_t>(text.size());
    entry.Auxiliary = auxiliary ? 1 : 0;
    script.Files.push_back(entry);
    return script.Files.back();
}

std::vector<std::string> ControllerTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const Box& box : windows.Boxes) {
        texts.push_back(box.Text);
    }
    return texts;
}

std::int32_t ControllerTest::InitialiseAndRun() {
    if (!host.Initialise()) {
        return -1;
    }
    const std::int32_t result = host.Run();
    host.CleanUp();
    host.WriteResult(result);
    return result;
}

}  // namespace aw::testing
