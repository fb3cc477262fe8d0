// The windows and machine facts the script host needs besides the controller's: the install
// screen, the script's own dialogs and billboards, the welcome and component-selection dialogs,
// the search window, and the drives and directories that the file search walks. The Win32 side
// is in win32/; tests answer them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// Medium kinds of drives: 0 diskette, 1 fixed, 2 large removable, 3 remote, 4 CD-ROM.
enum MediumKind : std::int32_t {
    kDiskette = 0,
    kFixedDisk = 1,
    kLargeRemovable = 2,
    kRemoteDrive = 3,
    kCdRomDrive = 4,
};

struct DirectoryEntry {
    std::string Name;
    bool Directory = false;
};

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

}  // namespace aw
