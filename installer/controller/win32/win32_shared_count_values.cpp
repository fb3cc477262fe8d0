#include "installer/controller/win32/win32_shared_count_values.h"

#include <windows.h>

namespace aw {

namespace {

// Owns an open registry key.
class Key {
  public:
    Key() = default;
    ~Key() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Out() { return &key_; }
    operator HKEY() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

std::optional<RegistryData> Win32SharedCountValues::Read(const std::string& key,
                                                         const std::string& name) {
    Key open;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, open.Out()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(open, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RegistryData data;
    data.Type = type;
    data.Bytes.resize(size);
    if (RegQueryValueExA(open, name.c_str(), nullptr, &type, data.Bytes.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.Bytes.resize(size);
    return data;
}

bool Win32SharedCountValues::Write(const std::string& key, const std::string& name,
                                   const RegistryData& data) {
    Key open;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, open.Out(), &disposition) != ERROR_SUCCESS) {
        return false;
    }
    return RegSetValueExA(open, name.c_str(), 0, data.Type, data.Bytes.data(),
                          static_cast<DWORD>(data.Bytes.size())) == ERROR_SUCCESS;
}

bool Win32SharedCountValues::Delete(const std::string& key, const std::string& name) {
    Key open;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE, open.Out()) !=
        ERROR_SUCCESS) {
        return false;
    }
    return RegDeleteValueA(open, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace aw
