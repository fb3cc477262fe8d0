#include "installer/controller/win32/win32_registry_access.h"

#include <windows.h>

namespace aw {

namespace {

HKEY RootHandle(std::int32_t root) {
    switch (root) {
        case kLocalMachine:
            return HKEY_LOCAL_MACHINE;
        case kClassesRoot:
            return HKEY_CLASSES_ROOT;
        case kCurrentUser:
            return HKEY_CURRENT_USER;
        case kUsers:
            return HKEY_USERS;
        case kCurrentConfig:
            return HKEY_CURRENT_CONFIG;
        default:
            return nullptr;
    }
}

// An open key, closed when it goes.
class OpenKey {
  public:
    OpenKey(const RegistryKey& key, REGSAM access) {
        const HKEY root = RootHandle(key.Root);
        if (root == nullptr ||
            RegOpenKeyExA(root, key.Path.c_str(), 0, access, &handle_) != ERROR_SUCCESS) {
            handle_ = nullptr;
        }
    }
    ~OpenKey() {
        if (handle_ != nullptr) {
            RegCloseKey(handle_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    HKEY Handle() const { return handle_; }

  private:
    HKEY handle_ = nullptr;
};

}  // namespace

bool Win32RegistryAccess::KeyExists(const RegistryKey& key) {
    return static_cast<bool>(OpenKey(key, KEY_READ));
}

bool Win32RegistryAccess::CreateKey(const RegistryKey& key) {
    const HKEY root = RootHandle(key.Root);
    HKEY handle = nullptr;
    if (root == nullptr ||
        RegCreateKeyExA(root, key.Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

bool Win32RegistryAccess::DeleteKey(const RegistryKey& key) {
    const HKEY root = RootHandle(key.Root);
    return root != nullptr && !key.Path.empty() &&
           RegDeleteKeyA(root, key.Path.c_str()) == ERROR_SUCCESS;
}

std::optional<std::vector<std::string>> Win32RegistryAccess::SubkeyNames(const RegistryKey& key) {
    const OpenKey open(key, KEY_READ);
    if (!open) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[MAX_PATH];
        DWORD length = sizeof name;
        const LONG result =
            RegEnumKeyExA(open.Handle(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) {
            return names;
        }
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        names.emplace_back(name, length);
    }
}

std::optional<std::vector<NamedValue>> Win32RegistryAccess::Values(const RegistryKey& key) {
    const OpenKey open(key, KEY_READ);
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (!open ||
        RegQueryInfoKeyA(open.Handle(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<NamedValue> values;
    std::vector<char> name(longestName + 1);
    std::vector<BYTE> data(longestData + 1);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG result = RegEnumValueA(open.Handle(), index, name.data(), &nameLength, nullptr,
                                          &type, data.data(), &dataLength);
        if (result == ERROR_NO_MORE_ITEMS) {
            return values;
        }
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        values.push_back({std::string(name.data(), nameLength),
                          {static_cast<std::int32_t>(type),
                           std::vector<std::uint8_t>(data.begin(), data.begin() + dataLength)}});
    }
}

std::optional<RegistryValue> Win32RegistryAccess::ReadValue(const RegistryKey& key,
                                                            const std::string& name) {
    const OpenKey open(key, KEY_READ);
    DWORD type = 0;
    DWORD length = 0;
    if (!open || RegQueryValueExA(open.Handle(), name.c_str(), nullptr, &type, nullptr, &length) !=
                     ERROR_SUCCESS) {
        return std::nullopt;
    }
    RegistryValue value{static_cast<std::int32_t>(type), std::vector<std::uint8_t>(length)};
    if (RegQueryValueExA(open.Handle(), name.c_str(), nullptr, &type, value.Data.data(), &length) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.Data.resize(length);
    return value;
}

bool Win32RegistryAccess::WriteValue(const RegistryKey& key, const std::string& name,
                                     const RegistryValue& value) {
    const OpenKey open(key, KEY_SET_VALUE);
    return open && RegSetValueExA(open.Handle(), name.c_str(), 0, static_cast<DWORD>(value.Type),
                                  value.Data.data(),
                                  static_cast<DWORD>(value.Data.size())) == ERROR_SUCCESS;
}

bool Win32RegistryAccess::DeleteValue(const RegistryKey& key, const std::string& name) {
    const OpenKey open(key, KEY_SET_VALUE);
    return open && RegDeleteValueA(open.Handle(), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace aw
