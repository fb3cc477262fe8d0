// The host's windows and machine, answered by tests.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "installer/script/host/component_selection.h"
#include "installer/script/host/host_windows.h"

namespace aw::testing {

class FakeHostWindows : public HostWindows {
  public:
    std::vector<std::string> Calls;
    std::vector<DialogDescription> Dialogs;
    std::optional<std::int32_t> DialogResult = 5;
    WelcomeAnswer Welcome = WelcomeAnswer::Continue;
    // One answer per showing of the component tree; confirmed when none is left. Each may
    // change the check marks first.
    std::deque<bool> SelectionAnswers;
    std::function<void(const std::vector<ComponentItem*>&)> Choose;
    std::vector<std::string> FreeSpaceShown;
    // Cancel is pressed once this many cancel checks have passed (never when negative).
    int CancelAfter = -1;
    bool Billboard = false;

    bool CreateInstallScreen(const ScreenLayout&, const std::string& title) override {
        Calls.push_back("CreateInstallScreen " + title);
        return true;
    }
    void DestroyInstallScreen() override { Calls.push_back("DestroyInstallScreen"); }
    bool TakeExitRequest() override { return std::exchange(ExitRequested, false); }
    bool ExitRequested = false;
    std::optional<std::int32_t> RunUserDialog(const DialogDescription& dialog) override {
        Dialogs.push_back(dialog);
        return DialogResult;
    }
    bool ShowBillboard(const DialogDescription& dialog) override {
        Calls.push_back("ShowBillboard " + dialog.Caption);
        Billboard = true;
        return true;
    }
    void HideBillboard() override { Billboard = false; }
    bool BillboardShown() override { return Billboard; }
    WelcomeAnswer AskWelcome(const std::string& title, const std::string&) override {
        Calls.push_back("AskWelcome " + title);
        return Welcome;
    }
    void ShowSettings(const std::string&, const std::string&) override {
        Calls.push_back("ShowSettings");
    }
    bool RunComponentSelection(const std::vector<ComponentItem*>& topLevel,
                               const std::string& freeSpace) override {
        FreeSpaceShown.push_back(freeSpace);
        if (Choose) {
            Choose(topLevel);
        }
        if (SelectionAnswers.empty()) {
            return true;
        }
        const bool answer = SelectionAnswers.front();
        SelectionAnswers.pop_front();
        return answer;
    }
    void OpenSearchWindow(const std::string& pattern) override {
        Calls.push_back("OpenSearchWindow " + pattern);
    }
    bool SearchCancelled() override { return CancelAfter >= 0 && CancelAfter-- == 0; }
    void CloseSearchWindow() override { Calls.push_back("CloseSearchWindow"); }
};

class FakeHostMachine : public HostMachine {
  public:
    std::map<char, MediumKind> Media;
    std::map<char, std::uint32_t> Free;
    std::map<std::string, std::string> Variables;
    // Listings by pattern path.
    std::map<std::string, std::vector<DirectoryEntry>> Listings;
    std::vector<std::string> Listed;
    std::map<std::string, std::vector<std::string>> Lines;

    std::optional<MediumKind> MediumOf(char letter) override {
        auto found = Media.find(letter);
        return found == Media.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::uint32_t> FreeUnits(char letter) override {
        auto found = Free.find(letter);
        return found == Free.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> Environment(const std::string& name) override {
        auto found = Variables.find(name);
        return found == Variables.end() ? std::nullopt : std::optional(found->second);
    }
    std::vector<DirectoryEntry> List(const std::string& patternPath) override {
        Listed.push_back(patternPath);
        auto found = Listings.find(patternPath);
        return found == Listings.end() ? std::vector<DirectoryEntry>{} : found->second;
    }
    void AppendLine(const std::string& path, const std::string& line) override {
        Lines[path].push_back(line);
    }
};

class FakeHostEnvironment : public HostEnvironment {
  public:
    std::map<std::string, std::string> Variables;
    std::map<std::string, std::vector<std::string>> Lines;
    std::optional<std::string> Environment(const std::string& name) override {
        auto found = Variables.find(name);
        return found == Variables.end() ? std::nullopt : std::optional(found->second);
    }
    void AppendLine(const std::string& path, const std::string& line) override {
        Lines[path].push_back(line);
    }
};

}  // namespace aw::testing
