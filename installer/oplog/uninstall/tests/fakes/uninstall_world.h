// The uninstaller over the Installer's memory world: files, registry, INI files and shell in
// memory, with WIN.INI, "movexe.exe", the windows, the user and the clock answered by tests.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "installer/controller/tests/fakes/copy_world.h"
#include "installer/oplog/log_encoding.h"
#include "installer/oplog/uninstall/uninstall_controller.h"

namespace aw::testing {

// Log files read from the memory file system.
class WorldLogFiles : public LogFiles {
  public:
    explicit WorldLogFiles(MemoryFileSystem& files) : files_(files) {}
    std::unique_ptr<OutputFile> Create(const std::string&) override { return nullptr; }
    std::unique_ptr<OutputFile> OpenForAppend(const std::string&) override { return nullptr; }
    bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) override {
        if (!files_.Has(path)) {
            return false;
        }
        bytes = files_.At(path).Bytes;
        return true;
    }

  private:
    MemoryFileSystem& files_;
};

class FakeUninstallSystem : public UninstallSystem {
  public:
    std::string Program = "C:\\PROGRAM\\BACK\\AWMAIN.EXE";
    std::map<std::string, std::string> WinIni;  // "section|key" -> value
    int MovexeStarts = 0;
    bool MovexeStartsFail = false;
    bool MovexeUnattended = false;
    // The command lines run and waited for; each answers with RunExit.
    std::vector<std::string> Ran;
    std::function<std::optional<int>()> RunExit = [] { return std::nullopt; };

    std::string ProgramPath() override { return Program; }
    std::optional<std::string> WinIniEntry(const std::string& section,
                                           const std::string& key) override {
        const auto found = WinIni.find(section + "|" + key);
        return found == WinIni.end() ? std::nullopt : std::optional(found->second);
    }
    bool WriteWinIniEntry(const std::string& section, const std::string& key,
                          const std::string& value) override {
        WinIni[section + "|" + key] = value;
        return true;
    }
    void DeleteWinIniSection(const std::string& section) override {
        std::erase_if(WinIni, [&](const auto& entry) { return entry.first.starts_with(section); });
    }
    bool StartMovexe(bool unattended) override {
        ++MovexeStarts;
        MovexeUnattended = unattended;
        return !MovexeStartsFail;
    }
    std::optional<int> RunAndWait(const std::string& commandLine) override {
        Ran.push_back(commandLine);
        return RunExit();
    }
};

class FakeUndoUser : public UndoUser {
  public:
    std::vector<std::string> Asked;
    std::deque<bool> Answers;  // Yes (or the second button) when empty
    std::deque<QuitAnswer> QuitAnswers;

    std::string Text(std::uint32_t number) override {
        char text[32];
        std::snprintf(text, sizeof text, "<%02X %%s>", number);
        return text;
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        Asked.push_back(title + " " + text);
        return Next();
    }
    bool AskTwoButtons(const std::string& text, const std::string& title, const std::string& first,
                       const std::string& second) override {
        Asked.push_back(title + " " + text + " [" + first + "|" + second + "]");
        return Next();
    }
    QuitAnswer AskQuit() override {
        Asked.push_back("quit");
        const QuitAnswer answer = QuitAnswers.front();
        QuitAnswers.pop_front();
        return answer;
    }

  private:
    bool Next() {
        if (Answers.empty()) {
            return true;
        }
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

// Time passes only while messages run.
class FakeClock : public PassClock {
  public:
    std::uint32_t Now = 5000;
    std::vector<std::uint32_t> Waits;
    std::function<void()> OnMessages;
    std::uint32_t Milliseconds() override { return Now; }
    void RunMessagesFor(std::uint32_t milliseconds) override {
        Waits.push_back(milliseconds);
        Now += milliseconds;
        if (OnMessages) {
            OnMessages();
        }
    }
};

class FakeView : public UninstallView {
  public:
    bool LoadFails = false;
    std::vector<std::string> Loaded;
    // Plays the dialog; each call is one dialog run (a switch of view runs the next).
    std::function<DialogEnd(std::int32_t, UninstallController&)> Dialog;
    std::vector<std::int32_t> Styles;

    bool LoadLanguage(const std::string& path) override {
        Loaded.push_back(path);
        return !LoadFails;
    }
    void FreeLanguage() override {}
    DialogEnd RunDialog(std::int32_t style, UninstallController& controller) override {
        Styles.push_back(style);
        return Dialog(style, controller);
    }
};

class FakeObserver : public UndoObserver {
  public:
    bool Confirm = true;
    bool Closable = true;
    std::vector<std::string> Calls;
    std::function<void(std::size_t)> OnAfter;

    bool WantsConfirmation() override { return Confirm; }
    bool CanClose() override { return Closable; }
    void Begin() override { Calls.push_back("begin"); }
    void End() override { Calls.push_back("end"); }
    void BeforeRecord(std::size_t n) override { Calls.push_back("before " + std::to_string(n)); }
    void AfterRecord(std::size_t n) override {
        Calls.push_back("after " + std::to_string(n));
        if (OnAfter) {
            OnAfter(n);
        }
    }
};

// The bytes of a log with this header and these records.
inline std::vector<std::uint8_t> LogBytes(LogHeader header, std::vector<LogRecord> records) {
    std::vector<std::uint8_t> bytes = EncodeHeader(header);
    for (LogRecord& record : records) {
        const std::vector<std::uint8_t> encoded = EncodeRecord(record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    return bytes;
}

struct UninstallWorld {
    UninstallWorld() {
        world.installer.DetachLog();
        world.installer.SetSilent(true);
        world.files.AddDirectory("C:\\PROGRAM");
        world.files.AddDirectory("C:\\PROGRAM\\BACK");
    }

    UninstallController NewController(bool unattended = false) {
        return UninstallController(
            {world.installer, logFiles, system, view, user, clock, world.report}, unattended);
    }

    CopyWorld world;
    WorldLogFiles logFiles{world.files};
    FakeUninstallSystem system;
    FakeUndoUser user;
    FakeClock clock;
    FakeView view;
};

}  // namespace aw::testing
