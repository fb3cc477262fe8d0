// The windows and machine facts the script host needs besides the controller's: the install
// screen, the script's own dialogs and billboards, the welcome and component-selection dialogs,
// the search window, and the drives and directories that the file search walks. The Win32 side
// is in win32/; tests answer them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/controller/file_system.h"
#include "installer/controller/run/machine.h"
#include "installer/controller/run/packaging.h"
#include "installer/script/model/screen_layout.h"
#include "installer/ui/user_dialog.h"

namespace aw {

struct ComponentItem;

enum class WelcomeAnswer { Continue, Exit, Settings };

class HostWindows {
  public:
    virtual ~HostWindows() = default;

    // The install screen, which owns every other window of the run.
    virtual bool CreateInstallScreen(const ScreenLayout& layout, const std::string& title) = 0;
    virtual void DestroyInstallScreen() = 0;
    // True once after the user asked to leave through the screen's exit button and confirmed.
    virtual bool TakeExitRequest() = 0;

    // A script dialog until a closing button ends it: that button's value; none when the
    // window could not be made.
    virtual std::optional<std::int32_t> RunUserDialog(const DialogDescription& dialog) = 0;
    // A billboard replaces the one shown before.
    virtual bool ShowBillboard(const DialogDescription& dialog) = 0;
    virtual void HideBillboard() = 0;
    virtual bool BillboardShown() = 0;

    virtual WelcomeAnswer AskWelcome(const std::string& title, const std::string& text) = 0;
    virtual void ShowSettings(const std::string& title, const std::string& text) = 0;

    // The component tree with check boxes and the free-space panel; true when the user
    // confirmed, with the items' check marks as chosen.
    virtual bool RunComponentSelection(const std::vector<ComponentItem*>& topLevel,
                                       const std::string& freeSpace) = 0;

    // The modeless search window: the language library's text 0x49 with the pattern, and
    // Cancel.
    virtual void OpenSearchWindow(const std::string& pattern) = 0;
    virtual bool SearchCancelled() = 0;
    virtual void CloseSearchWindow() = 0;
};

// What the file search and the free-space panel see of the machine.
class HostMachine {
  public:
    virtual ~HostMachine() = default;
    // `letter` from 'A' to 'Z'. None: no such drive.
    virtual std::optional<MediumKind> MediumOf(char letter) = 0;
    // Free space in units of 10 KiB; none when it cannot be had.
    virtual std::optional<std::uint32_t> FreeUnits(char letter) = 0;
    // The value of an environment variable; none when it is not set.
    virtual std::optional<std::string> Environment(const std::string& name) = 0;
    // The entries that match a pattern path ("C:\DIR\*.TXT"), in the file system's order;
    // nothing for a directory that cannot be listed.
    virtual std::vector<DirectoryEntry> List(const std::string& patternPath) = 0;
    // Appends one line to a text file, creating it; failures are ignored.
    virtual void AppendLine(const std::string& path, const std::string& line) = 0;
};

// The process's environment and the search's trace file.
class HostEnvironment {
  public:
    virtual ~HostEnvironment() = default;
    virtual std::optional<std::string> Environment(const std::string& name) = 0;
    virtual void AppendLine(const std::string& path, const std::string& line) = 0;
};

// The machine as the controller's file system and machine see it, with the environment.
class SystemHostMachine : public HostMachine {
  public:
    SystemHostMachine(FileSystem& files, Machine& machine, HostEnvironment& environment)
        : files_(files), machine_(machine), environment_(environment) {}
    std::optional<MediumKind> MediumOf(char letter) override;
    std::optional<std::uint32_t> FreeUnits(char letter) override;
    std::optional<std::string> Environment(const std::string& name) override {
        return environment_.Environment(name);
    }
    std::vector<DirectoryEntry> List(const std::string& patternPath) override;
    void AppendLine(const std::string& path, const std::string& line) override {
        environment_.AppendLine(path, line);
    }

  private:
    FileSystem& files_;
    Machine& machine_;
    HostEnvironment& environment_;
};

// Whether a file name matches a pattern of "*" and "?", ignoring case; "*.*" matches every
// name, with or without a dot.
bool MatchesPattern(std::string_view pattern, std::string_view name);

}  // namespace aw
