// The Installer's SharedDLLs counts, through its registry operations. Neither change is logged:
// increments happen under an unlogged scope, and decrements belong to the uninstaller, whose
// Installer logs nothing. A file is counted under its full long path, whatever the spelling asked.
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"
#include "installer/controller/shared_counts.h"
#include "installer/controller/text_case.h"

namespace aw {

std::int32_t Installer::IncrementSharedCount(const std::string& path) {
    return ChangeSharedCount(path, +1);
}

std::int32_t Installer::DecrementSharedCount(const std::string& path) {
    return ChangeSharedCount(path, -1);
}

// The counter's name: the file's full long path, or the name of a counter it already has under
// another spelling, so that each file has one counter.
std::string Installer::SharedCountName(const std::string& file) {
    ShortPaths& paths = services_.system.shortPaths;
    const std::optional<std::vector<NamedValue>> values =
        services_.system.registry.Values({kLocalMachine, kSharedDllsKey});
    if (!values) {
        return file;
    }
    const std::string shortName = FileNamePart(paths.ShortForm(file));
    for (const NamedValue& value : *values) {
        const std::string name = FileNamePart(value.Name);
        if ((EqualIgnoringCase(name, FileNamePart(file)) || EqualIgnoringCase(name, shortName)) &&
            EqualIgnoringCase(paths.LongForm(NormalisedPath(value.Name)), file)) {
            return value.Name;
        }
    }
    return file;
}

std::int32_t Installer::ChangeSharedCount(const std::string& path, std::int32_t change) {
    ShortPaths& paths = services_.system.shortPaths;
    const std::string file = paths.LongForm(NormalisedPath(path));
    const std::string system = paths.LongForm(NormalisedPath(services_.files.SystemDirectory()));
    const std::string common = paths.LongForm(NormalisedPath(CommonFilesDirectory(
        ReadValue({kLocalMachine, kCurrentVersionKey}, kCommonFilesValue), system)));
    if (!CountedLocation(file, system, common)) {
        return -1;
    }
    const RegistryKey counts{kLocalMachine, kSharedDllsKey};
    const std::string name = SharedCountName(file);
    const std::optional<RegistryValue> old = ReadValue(counts, name);
    const std::optional<std::uint32_t> count = SharedCountOf(old);
    if (!count) {
        return -1;
    }
    const auto next = static_cast<std::int64_t>(*count) + change;
    if (next <= 0) {
        return DeleteValue(counts, name) ? 0 : -1;
    }
    if (next > INT32_MAX ||
        !SetValue(counts, name, SharedCountValue(static_cast<std::uint32_t>(next), old))) {
        return -1;
    }
    return static_cast<std::int32_t>(next);
}

}  // namespace aw
