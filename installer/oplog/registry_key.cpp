#include "installer/oplog/registry_key.h"

#include "installer/oplog/log_fields.h"

namespace aw {

namespace {

struct RootNames {
    const char* Long;
    const char* Short;
};

constexpr RootNames kRootNames[] = {
    {"HKEY_LOCAL_MACHINE", "HKLM"}, {"HKEY_CLASSES_ROOT", "HKCR"},   {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_USERS", "HKUS"},         {"HKEY_CURRENT_CONFIG", "HKCF"},
};

const RootNames* NamesOf(std::int32_t root) {
    if (root < 0 || root >= static_cast<std::int32_t>(std::size(kRootNames))) {
        return nullptr;
    }
    return &kRootNames[root];
}

}  // namespace

void RegistryKey::Fields(LogFieldVisitor& v) {
    v.FixedText("path", Path);
    v.Int("root", Root);
}

const char* RootLongName(std::int32_t root) {
    const RootNames* names = NamesOf(root);
    return names != nullptr ? names->Long : "Unknown";
}

const char* RootShortName(std::int32_t root) {
    const RootNames* names = NamesOf(root);
    return names != nullptr ? names->Short : "Unknown";
}

std::string KeyLongName(const RegistryKey& key) {
    return std::string(RootLongName(key.Root)) + "\\" + key.Path;
}

std::string KeyShortName(const RegistryKey& key) {
    return std::string(RootShortName(key.Root)) + "\\" + key.Path;
}

}  // namespace aw
