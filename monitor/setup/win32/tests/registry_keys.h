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

// Removes each key, then the keys above it that are left empty.
inline void RemoveRegistryKeys(HKEY root, const std::vector<std::string>& paths) {
    for (std::string path : paths) {
        while (!path.empty() && RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS) {
            const auto parent = path.rfind('\\');
            path = parent == std::string::npos ? "" : path.substr(0, parent);
        }
    }
}

}  // namespace lw::testing
