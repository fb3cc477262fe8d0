#include "monitor/setup/win32/registry.h"

#include <windows.h>

namespace lw {
namespace {

// The longest value name the system allows, and its terminator.
constexpr DWORD kMaxValueName = 16384;

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::DynData:
            return HKEY_DYN_DATA;
    }
    return HKEY_LOCAL_MACHINE;
}

class Win32RegistryKey : public RegistryKey {
  public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}
    ~Win32RegistryKey() override { RegCloseKey(key_); }
    Win32RegistryKey(const Win32RegistryKey&) = delete;
    Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

    std::optional<RegistryValue> Read(const std::string& name) override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        RegistryValue value{type, std::vector<std::uint8_t>(size)};
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, value.data.data(), &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        value.type = type;
        value.data.resize(size);
        return value;
    }

    bool Write(const std::string& name, const RegistryValue& value) override {
        return RegSetValueExA(key_, name.c_str(), 0, value.type, value.data.data(),
                              static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    }

    bool Delete(const std::string& name) override {
        return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        std::string name(kMaxValueName + 1, '\0');
        for (DWORD index = 0;; ++index) {
            DWORD length = kMaxValueName + 1;
            const LONG result = RegEnumValueA(key_, index, name.data(), &length, nullptr, nullptr,
                                              nullptr, nullptr);
            if (result == ERROR_NO_MORE_ITEMS) {
                break;
            }
            if (result == ERROR_SUCCESS) {
                names.emplace_back(name.data(), length);
            } else if (result != ERROR_MORE_DATA) {
                break;
            }
        }
        return names;
    }

  private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::Open(RegistryRoot root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ | KEY_WRITE, &key) !=
            ERROR_SUCCESS &&
        RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(key);
}

}  // namespace lw
