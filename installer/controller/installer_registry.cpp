// The Installer's registry operations. Every key path that reaches the log holds at most 259
// characters, so longer paths are refused before anything changes.
#include "installer/controller/installer.h"
#include "installer/oplog/log_fields.h"

namespace aw {

namespace {

bool PathFits(const RegistryKey& key) {
    return key.Path.size() <= kLogFixedTextLength;
}

RegistryKey ParentOf(const RegistryKey& key) {
    const std::size_t slash = key.Path.rfind('\\');
    return {key.Root, slash == std::string::npos ? std::string() : key.Path.substr(0, slash)};
}

RegistryKey SubkeyOf(const RegistryKey& key, const std::string& name) {
    return {key.Root, key.Path.empty() ? name : key.Path + "\\" + name};
}

}  // namespace

bool Installer::CreateKeyLevels(const RegistryKey& key) {
    RegistryAccess& registry = services_.system.registry;
    if (registry.KeyExists(key)) {
        return true;
    }
    if (key.Path.empty() || !CreateKeyLevels(ParentOf(key)) || !registry.CreateKey(key)) {
        return false;
    }
    Log().KeyCreated(key);
    return true;
}

bool Installer::CreateKey(const RegistryKey& key) {
    if (!PathFits(key) || !CreateKeyLevels(key)) {
        ReportError("Unable to create registration key %s", KeyLongName(key).c_str());
        return false;
    }
    return true;
}

bool Installer::DeleteKeyTree(const RegistryKey& key) {
    RegistryAccess& registry = services_.system.registry;
    const std::optional<std::vector<std::string>> subkeys = registry.SubkeyNames(key);
    const std::optional<std::vector<NamedValue>> values = registry.Values(key);
    if (!subkeys || !values) {
        ReportError("Unable to open registration key %s", KeyLongName(key).c_str());
        return false;
    }
    for (const std::string& name : *subkeys) {
        const RegistryKey subkey = SubkeyOf(key, name);
        if (!PathFits(subkey)) {
            ReportError("Unable to open registration key %s", KeyLongName(subkey).c_str());
            return false;
        }
        if (!DeleteKeyTree(subkey)) {
            return false;
        }
    }
    for (const NamedValue& value : *values) {
        if (!registry.DeleteValue(key, value.Name)) {
            ReportError("Unable to delete registration key %s", KeyLongName(key).c_str());
            return false;
        }
        Log().ValueDeleted(key, value.Name, value.Value.Type, value.Value.Data);
    }
    if (!registry.DeleteKey(key)) {
        ReportError("Unable to delete registration key %s", KeyLongName(key).c_str());
        return false;
    }
    Log().KeyDeleted(key);
    return true;
}

bool Installer::DeleteKey(const RegistryKey& key) {
    // An empty path names a whole root, which is never the installer's to remove.
    if (key.Path.empty() || !PathFits(key)) {
        ReportError("Unable to delete registration key %s", KeyLongName(key).c_str());
        return false;
    }
    if (!services_.system.registry.KeyExists(key)) {
        return true;
    }
    return DeleteKeyTree(key);
}

bool Installer::SetValue(const RegistryKey& key, const std::string& name,
                         const RegistryValue& value) {
    RegistryAccess& registry = services_.system.registry;
    std::optional<RegistryValue> old;
    bool written = PathFits(key);
    if (written) {
        if (registry.KeyExists(key)) {
            old = registry.ReadValue(key, name);
        } else {
            written = CreateKeyLevels(key);
        }
    }
    if (!written || !registry.WriteValue(key, name, value)) {
        ReportError("Unable to set or create registration key %s", KeyLongName(key).c_str());
        return false;
    }
    if (old) {
        Log().ValueChanged(key, name, old->Type, old->Data);
    } else {
        Log().ValueCreated(key, name);
    }
    return true;
}

bool Installer::SetTextValue(const RegistryKey& key, const std::string& name,
                             const std::string& text) {
    RegistryValue value{kRegText, {text.begin(), text.end()}};
    value.Data.push_back(0);
    return SetValue(key, name, value);
}

bool Installer::DeleteValue(const RegistryKey& key, const std::string& name) {
    const std::optional<RegistryValue> old = ReadValue(key, name);
    if (!old) {
        return true;
    }
    if (!services_.system.registry.DeleteValue(key, name)) {
        ReportError("Unable to set or create registration key %s", KeyLongName(key).c_str());
        return false;
    }
    Log().ValueDeleted(key, name, old->Type, old->Data);
    return true;
}

std::optional<RegistryValue> Installer::ReadValue(const RegistryKey& key, const std::string& name) {
    return services_.system.registry.ReadValue(key, name);
}

bool Installer::KeyHasSubkeys(const RegistryKey& key) {
    const std::optional<std::vector<std::string>> subkeys =
        services_.system.registry.SubkeyNames(key);
    return subkeys && !subkeys->empty();
}

bool Installer::WriteRegistryValue(const RegistryValueRequest& request) {
    if (request.Type == kRegNone) {
        return CreateKey(request.Key);
    }
    const std::optional<RegistryValue> value = RequestedValue(request);
    return !value || SetValue(request.Key, request.Name, *value);
}

}  // namespace aw
