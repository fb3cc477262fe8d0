// In-memory stand-ins for the registry, INI files, shell, font table and server registration,
// with the failures the tests need, bundled into one set of system services.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "installer/controller/system_services.h"

namespace aw::testing {

class FakeRegistry : public RegistryAccess {
  public:
    bool KeyExists(const RegistryKey& key) override;
    bool CreateKey(const RegistryKey& key) override;
    bool DeleteKey(const RegistryKey& key) override;
    std::optional<std::vector<std::string>> SubkeyNames(const RegistryKey& key) override;
    std::optional<std::vector<NamedValue>> Values(const RegistryKey& key) override;
    std::optional<RegistryValue> ReadValue(const RegistryKey& key,
                                           const std::string& name) override;
    bool WriteValue(const RegistryKey& key, const std::string& name,
                    const RegistryValue& value) override;
    bool DeleteValue(const RegistryKey& key, const std::string& name) override;

    // Adds the key and its missing parents without going through the Installer.
    void Add(std::int32_t root, const std::string& path);
    void Put(std::int32_t root, const std::string& path, const std::string& name,
             RegistryValue value);

    // Keys (by path, in any case) whose creation, deletion or listing fails; a failing value write.
    std::set<std::string> FailCreate;
    std::set<std::string> FailDelete;
    std::set<std::string> FailList;
    bool FailWrite = false;

    using Id = std::pair<std::int32_t, std::string>;
    struct Key {
        // As first written.
        std::string Path;
        std::vector<NamedValue> Values;
    };
    const std::map<Id, Key>& Keys() const { return keys_; }

  private:
    static Id IdOf(const RegistryKey& key);
    static bool Listed(const std::set<std::string>& paths, const std::string& path);
    std::map<Id, Key> keys_;
};

class FakeIniFiles : public IniFiles {
  public:
    IniFileRead Read(const std::string& path) override;
    bool Exists(const std::string& path) override { return Files.count(path) != 0; }
    bool WriteNew(const std::string& path, const std::string& text) override;
    bool Delete(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    std::string WindowsDirectory() override { return "C:\\WINDOWS"; }

    std::map<std::string, std::string> Files;
    // What was done, in order: "write <path>", "delete <path>", "rename <from> <to>".
    std::vector<std::string> Steps;
    std::set<std::string> Unreadable;
    std::set<std::string> FailDelete;
    bool FailWrite = false;
    bool FailRename = false;
};

// Groups and items as a shell keeps them, shared by every interface the factory makes.
struct FakeShellState {
    std::map<std::string, std::vector<ProgramItem>> Groups;
    // Every call, such as "pm open 0", "links open", "create group G", "add item G/N".
    std::vector<std::string> Calls;
    bool ProgramManagerAnswers = true;
    bool ProgramManagerStarts = true;
    bool LinksOpen = true;
    // A shell that cannot list a group's items.
    bool ListsItems = true;
    std::set<std::string> FailCalls;
    // Runs when a call fails, as a shell that gave up part-way.
    std::function<void()> OnFailedCall;
    // Asked before every call; true fails it.
    std::function<bool()> Inject;
};

class FakeShellFactory : public ShellFactory {
  public:
    explicit FakeShellFactory(FakeShellState& state) : state_(state) {}
    std::unique_ptr<ShellInterface> NewProgramManagerClient() override;
    std::unique_ptr<ShellInterface> NewShellLinkWriter() override;

  private:
    FakeShellState& state_;
};

// Short and long forms by table; any other path has none.
class FakeShortPaths : public ShortPaths {
  public:
    std::string ShortForm(const std::string& path) override;
    std::string LongForm(const std::string& path) override;
    std::map<std::string, std::string> Forms;
    std::map<std::string, std::string> LongForms;
};

class FakeFonts : public FontTable {
  public:
    bool AddFont(const std::string& file) override;
    bool RemoveFont(const std::string& file) override;
    void AnnounceFontChange() override { ++Announcements; }
    std::set<std::string> Fonts;
    int Announcements = 0;
    bool Fail = false;
};

class FakeServers : public ServerRegistration {
  public:
    bool StartHidden(const std::string& commandLine) override;
    bool CallRegisterServer(const std::string& file) override;
    std::vector<std::string> Started;
    std::vector<std::string> Registered;
    bool Fail = false;
};

struct FakeSystem {
    FakeRegistry registry;
    FakeIniFiles iniFiles;
    FakeShellState shellState;
    FakeShellFactory shells{shellState};
    FakeShortPaths shortPaths;
    FakeFonts fonts;
    FakeServers servers;
    SystemServices services{registry, iniFiles, shells, shortPaths, fonts, servers, OsRecord{}};
};

}  // namespace aw::testing
