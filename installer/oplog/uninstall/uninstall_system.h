// What the uninstall controller needs from the system and from its windows, besides the
// Installer's own services. The Win32 implementations live in installer/oplog/win32.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace aw {

class UninstallSystem {
  public:
    virtual ~UninstallSystem() = default;
    // The full path of the running program.
    virtual std::string ProgramPath() = 0;
    // WIN.INI through the system's profile functions; none when the entry is missing.
    virtual std::optional<std::string> WinIniEntry(const std::string& section,
                                                   const std::string& key) = 0;
    virtual bool WriteWinIniEntry(const std::string& section, const std::string& key,
                                  const std::string& value) = 0;
    virtual void DeleteWinIniSection(const std::string& section) = 0;
    // Starts "movexe.exe" from the Windows directory, shown normally (unattended: with "/S");
    // false when it did not start.
    virtual bool StartMovexe(bool unattended) = 0;
    // Runs the command line and waits for it to end: its exit code, none when it did not start.
    virtual std::optional<int> RunAndWait(const std::string& commandLine) = 0;
};

// Milliseconds and the waiting between records, letting the windows work meanwhile.
class PassClock {
  public:
    virtual ~PassClock() = default;
    virtual std::uint32_t Milliseconds() = 0;
    // Runs window messages until `milliseconds` have passed or a message came in.
    virtual void RunMessagesFor(std::uint32_t milliseconds) = 0;
};

// How the main dialog ended.
enum class DialogEnd { Done, Cancelled, SwitchView };

class UninstallController;

class UninstallView {
  public:
    virtual ~UninstallView() = default;
    // Loads the language library at `path` as the resource instance.
    virtual bool LoadLanguage(const std::string& path) = 0;
    virtual void FreeLanguage() = 0;
    // Runs the main dialog of the style (0 simple, 1 detailed, 2 selection) until it ends.
    virtual DialogEnd RunDialog(std::int32_t style, UninstallController& controller) = 0;
};

// What the main dialog hears of the undo pass, in slot order.
class UndoObserver {
  public:
    virtual ~UndoObserver() = default;
    // Whether the pass asks the user before it starts.
    virtual bool WantsConfirmation() = 0;
    // Whether the dialog may close now; false keeps it open whatever else holds.
    virtual bool CanClose() = 0;
    virtual void Begin() = 0;
    virtual void End() = 0;
    // The record at position n of the list (file order).
    virtual void BeforeRecord(std::size_t n) = 0;
    virtual void AfterRecord(std::size_t n) = 0;
};

}  // namespace aw
