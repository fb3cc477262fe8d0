// The Installer's SharedDLLs counts. Neither change is logged: increments happen under an
// unlogged scope, and decrements belong to the uninstaller.
#include "installer/controller/installer.h"

namespace aw {

std::int32_t Installer::IncrementSharedCount(const std::string& path) {
    return ChangeSharedCount(path, +1);
}

std::int32_t Installer::DecrementSharedCount(const std::string& path) {
    return ChangeSharedCount(path, -1);
}

std::int32_t Installer::ChangeSharedCount(const std::string& path, std::int32_t change) {
    SharedCountValues& values = services_.sharedCounts;
    const std::string system = services_.files.SystemDirectory();
    const std::string common =
        CommonFilesDirectory(values.Read(kCurrentVersionKey, kCommonFilesValue), system);
    if (!CountedLocation(path, system, common)) {
        return -1;
    }
    const std::optional<RegistryData> old = values.Read(kSharedDllsKey, path);
    const std::optional<std::uint32_t> count = SharedCountOf(old);
    if (!count) {
        return -1;
    }
    const auto next = static_cast<std::int64_t>(*count) + change;
    if (next <= 0) {
        if (old && !values.Delete(kSharedDllsKey, path)) {
            return -1;
        }
        return 0;
    }
    if (next > INT32_MAX ||
        !values.Write(kSharedDllsKey, path,
                      SharedCountValue(static_cast<std::uint32_t>(next), old))) {
        return -1;
    }
    return static_cast<std::int32_t>(next);
}

}  // namespace aw
