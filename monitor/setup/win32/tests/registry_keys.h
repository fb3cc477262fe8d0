// Keys of the test prefix's registry, made and removed around each test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lw::testing {

// Makes the key if need be and sets a string value in it.
inline void SetRegistryString(HKEY root, const std::string& path, const std::string& name,
                              const std::string& text) {
    HKEY key = nullptr;
    RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

// Removes a value of a key, if both are there.
inline void RemoveRegistryValue(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name.c_str());
        RegCloseKey(key);
    }
}

// True when the key is there and holds neither keys nor values.
inline bool KeyIsEmpty(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD subkeys = 0;
    DWORD values = 0;
    const bool read =
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return read && subkeys == 0 && values == 0;
}

// Removes each key, then the keys above it that are left empty. A key above is asked to go
// only when it is empty: the Windows 95 family, which the test prefix reports, deletes a key
// with everything below it (asked of "...\Services", that took the system's services away).
inline void RemoveRegistryKeys(HKEY root, const std::vector<std::string>& paths) {
    for (std::string path : paths) {
        if (RegDeleteKeyA(root, path.c_str()) != ERROR_SUCCESS) {
            continue;
        }
        for (auto parent = path.rfind('\\'); parent != std::string::npos;
             parent = path.rfind('\\')) {
            path.resize(parent);
            if (!KeyIsEmpty(root, path) || RegDeleteKeyA(root, path.c_str()) != ERROR_SUCCESS) {
                break;
            }
        }
    }
}

}  // namespace lw::testing
