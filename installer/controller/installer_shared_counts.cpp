// The Installer's SharedDLLs counts, through its registry operations. Neither change is logged:
// increments happen under an unlogged scope, and decrements belong to the uninstaller, whose
// Installer logs nothing.
#include "installer/controller/installer.h"
#include "installer/controller/shared_counts.h"

namespace aw {

std::int32_t Installer::IncrementSharedCount(const std::string& path) {
    return ChangeSharedCount(path, +1);
}

std::int32_t Installer::DecrementSharedCount(const std::string& path) {
    return ChangeSharedCount(path, -1);
}

std::int32_t Installer::ChangeSharedCount(const std::string& path, std::int32_t change) {
    const std::string system = services_.files.SystemDirectory();
    const std::string common = CommonFilesDirectory(
        ReadValue({kLocalMachine, kCurrentVersionKey}, kCommonFilesValue), system);
    if (!CountedLocation(path, system, common)) {
        return -1;
    }
    const RegistryKey counts{kLocalMachine, kSharedDllsKey};
    const std::optional<RegistryValue> old = ReadValue(counts, path);
    const std::optional<std::uint32_t> count = SharedCountOf(old);
    if (!count) {
        return -1;
    }
    const auto next = static_cast<std::int64_t>(*count) + change;
    if (next <= 0) {
        return DeleteValue(counts, path) ? 0 : -1;
    }
    if (next > INT32_MAX ||
        !SetValue(counts, path, SharedCountValue(static_cast<std::uint32_t>(next), old))) {
        return -1;
    }
    return static_cast<std::int32_t>(next);
}

}  // namespace aw
