#include "installer/controller/tests/fakes/system_fakes.h"

#include <algorithm>
#include <cctype>

#include "installer/controller/text_case.h"

namespace aw::testing {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ParentPath(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

FakeRegistry::Id FakeRegistry::IdOf(const RegistryKey& key) {
    return {key.Root, Lower(key.Path)};
}

bool FakeRegistry::Listed(const std::set<std::string>& paths, const std::string& path) {
    return std::any_of(paths.begin(), paths.end(),
                       [&](const std::string& listed) { return EqualIgnoringCase(listed, path); });
}

bool FakeRegistry::KeyExists(const RegistryKey& key) {
    return key.Path.empty() || keys_.count(IdOf(key)) != 0;
}

bool FakeRegistry::CreateKey(const RegistryKey& key) {
    if (Listed(FailCreate, key.Path) || !KeyExists({key.Root, ParentPath(key.Path)})) {
        return false;
    }
    keys_[IdOf(key)].Path = key.Path;
    return true;
}

bool FakeRegistry::DeleteKey(const RegistryKey& key) {
    const std::optional<std::vector<std::string>> subkeys = SubkeyNames(key);
    if (Listed(FailDelete, key.Path) || !subkeys || !subkeys->empty()) {
        return false;
    }
    return keys_.erase(IdOf(key)) != 0;
}

std::optional<std::vector<std::string>> FakeRegistry::SubkeyNames(const RegistryKey& key) {
    if (Listed(FailList, key.Path) || !KeyExists(key)) {
        return std::nullopt;
    }
    const std::string prefix = key.Path.empty() ? "" : Lower(key.Path) + "\\";
    std::vector<std::string> names;
    for (const auto& [id, data] : keys_) {
        if (id.first == key.Root && id.second.starts_with(prefix) &&
            id.second.find('\\', prefix.size()) == std::string::npos) {
            names.push_back(data.Path.substr(prefix.size()));
        }
    }
    return names;
}

std::optional<std::vector<NamedValue>> FakeRegistry::Values(const RegistryKey& key) {
    if (Listed(FailList, key.Path) || !KeyExists(key) || key.Path.empty()) {
        return std::nullopt;
    }
    return keys_[IdOf(key)].Values;
}

std::optional<RegistryValue> FakeRegistry::ReadValue(const RegistryKey& key,
                                                     const std::string& name) {
    if (!KeyExists(key) || key.Path.empty()) {
        return std::nullopt;
    }
    for (const NamedValue& value : keys_[IdOf(key)].Values) {
        if (EqualIgnoringCase(value.Name, name)) {
            return value.Value;
        }
    }
    return std::nullopt;
}

bool FakeRegistry::WriteValue(const RegistryKey& key, const std::string& name,
                              const RegistryValue& value) {
    if (FailWrite || key.Path.empty() || !KeyExists(key)) {
        return false;
    }
    std::vector<NamedValue>& values = keys_[IdOf(key)].Values;
    for (NamedValue& existing : values) {
        if (EqualIgnoringCase(existing.Name, name)) {
            existing.Value = value;
            return true;
        }
    }
    values.push_back({name, value});
    return true;
}

bool FakeRegistry::DeleteValue(const RegistryKey& key, const std::string& name) {
    if (FailWrite || !KeyExists(key)) {
        return false;
    }
    std::vector<NamedValue>& values = keys_[IdOf(key)].Values;
    return std::erase_if(values,
                         [&](const NamedValue& v) { return EqualIgnoringCase(v.Name, name); }) != 0;
}

void FakeRegistry::Add(std::int32_t root, const std::string& path) {
    if (path.empty() || KeyExists({root, path})) {
        return;
    }
    Add(root, ParentPath(path));
    keys_[IdOf({root, path})].Path = path;
}

void FakeRegistry::Put(std::int32_t root, const std::string& path, const std::string& name,
                       RegistryValue value) {
    Add(root, path);
    keys_[IdOf({root, path})].Values.push_back({name, std::move(value)});
}

IniFileRead FakeIniFiles::Read(const std::string& path) {
    if (Unreadable.count(path) != 0) {
        return {true, false, ""};
    }
    const auto file = Files.find(path);
    if (file == Files.end()) {
        return {};
    }
    return {true, true, file->second};
}

bool FakeIniFiles::WriteNew(const std::string& path, const std::string& text) {
    Steps.push_back("write " + path);
    if (FailWrite || Files.count(path) != 0) {
        return false;
    }
    Files[path] = text;
    return true;
}

bool FakeIniFiles::Delete(const std::string& path) {
    Steps.push_back("delete " + path);
    return FailDelete.count(path) == 0 && Files.erase(path) != 0;
}

bool FakeIniFiles::Rename(const std::string& from, const std::string& to) {
    Steps.push_back("rename " + from + " " + to);
    if (FailRename || Files.count(from) == 0 || Files.count(to) != 0) {
        return false;
    }
    Files[to] = Files[from];
    Files.erase(from);
    return true;
}

namespace {

class FakeShell : public ShellInterface {
  public:
    FakeShell(FakeShellState& state, std::string kind) : state_(state), kind_(std::move(kind)) {}

    void Close(bool closeProgramManager) override {
        Call(kind_ + " close " + std::to_string(closeProgramManager));
    }
    bool Open(bool mayStart) override {
        const bool open = kind_ == "links" ? state_.LinksOpen
                          : mayStart       ? state_.ProgramManagerStarts
                                           : state_.ProgramManagerAnswers;
        Call(kind_ + " open " + std::to_string(mayStart));
        return open;
    }
    bool CreateGroup(const std::string& group) override {
        if (!Call("create group " + group)) {
            return false;
        }
        state_.Groups[group];
        current_ = group;
        return true;
    }
    bool DeleteGroup(const std::string& group) override {
        return Call("delete group " + group) && state_.Groups.erase(group) != 0;
    }
    bool ShowGroup(const std::string& group, std::int32_t showCommand) override {
        if (!Call("show group " + group + " " + std::to_string(showCommand)) ||
            state_.Groups.count(group) == 0) {
            return false;
        }
        current_ = group;
        return true;
    }
    bool AddFullItem(const ProgramItem& item) override {
        if (!Call("add full item " + current_ + "/" + item.Name)) {
            return false;
        }
        state_.Groups[current_].push_back(item);
        return true;
    }
    bool AddItem(const std::string& name, const std::string& commandLine,
                 const std::string& iconFile, std::int32_t iconIndex,
                 const std::string& workingDirectory) override {
        if (!Call("add item " + current_ + "/" + name)) {
            return false;
        }
        // Placed by the shell, as Program Manager does; the minimise flag is lost.
        ProgramItem item{40, 50, 0, iconIndex, 0, name, commandLine, iconFile, workingDirectory};
        state_.Groups[current_].push_back(item);
        return true;
    }
    bool DeleteItem(const std::string& name) override {
        if (!Call("delete item " + current_ + "/" + name)) {
            return false;
        }
        return std::erase_if(state_.Groups[current_],
                             [&](const ProgramItem& item) { return item.Name == name; }) != 0;
    }
    bool GroupExists(const std::string& group) override { return state_.Groups.count(group) != 0; }
    std::optional<std::vector<ProgramItem>> GroupItems(const std::string& group) override {
        const auto found = state_.Groups.find(group);
        if (!state_.ListsItems || found == state_.Groups.end()) {
            return std::nullopt;
        }
        return found->second;
    }

  private:
    bool Call(const std::string& call) {
        state_.Calls.push_back(call);
        const bool injected = state_.Inject && state_.Inject();
        if (!injected && state_.FailCalls.count(call) == 0) {
            return true;
        }
        if (state_.OnFailedCall) {
            state_.OnFailedCall();
        }
        return false;
    }

    FakeShellState& state_;
    std::string kind_;
    std::string current_;
};

}  // namespace

std::unique_ptr<ShellInterface> FakeShellFactory::NewProgramManagerClient() {
    return std::make_unique<FakeShell>(state_, "pm");
}

std::unique_ptr<ShellInterface> FakeShellFactory::NewShellLinkWriter() {
    return std::make_unique<FakeShell>(state_, "links");
}

std::string FakeShortPaths::ShortForm(const std::string& path) {
    const auto form = Forms.find(path);
    return form == Forms.end() ? path : form->second;
}

std::string FakeShortPaths::LongForm(const std::string& path) {
    const auto form = LongForms.find(path);
    return form == LongForms.end() ? path : form->second;
}

bool FakeFonts::AddFont(const std::string& file) {
    if (Fail) {
        return false;
    }
    Fonts.insert(file);
    return true;
}

bool FakeFonts::RemoveFont(const std::string& file) {
    return !Fail && Fonts.erase(file) != 0;
}

bool FakeServers::StartHidden(const std::string& commandLine) {
    Started.push_back(commandLine);
    return !Fail;
}

bool FakeServers::CallRegisterServer(const std::string& file) {
    Registered.push_back(file);
    return !Fail;
}

}  // namespace aw::testing
