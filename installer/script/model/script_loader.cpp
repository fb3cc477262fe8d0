#include "installer/script/model/script_loader.h"

#include <new>
#include <vector>

#include "installer/script/model/error_report.h"
#include "installer/script/model/event.h"
#include "installer/script/model/reference_resolver.h"
#include "installer/script/model/script_files.h"
#include "installer/script/model/script_reader.h"

namespace aw {

namespace {

constexpr std::int32_t kCurrentVersion = 302;

bool ReadHeader(ScriptReader& reader, InstallScript& script) {
    std::uint8_t tag = 0;
    if (!reader.ReadBytes(&tag, 1) || (tag != 0x10 && tag != 0x20)) {
        return false;
    }
    reader.SetShortInts(tag == 0x10);
    if (!reader.ReadInt(script.Version)) {
        return false;
    }
    reader.SetVersion(script.Version);
    return script.Version >= 300 && script.Version <= kCurrentVersion;
}

// The installer never writes the script back: the new version and the counted change only
// mark the model as upgraded.
void MarkUpgraded(InstallScript& script) {
    if (script.Version != kCurrentVersion) {
        script.Version = kCurrentVersion;
        ++script.Revision.ChangeCounter();
    }
}

ScriptReadResult ReadModel(std::span<const std::uint8_t> bytes, InstallScript& script,
                           const EventFactory& events) {
    ScriptReader reader(bytes, script, events);
    const bool headerRead = ReadHeader(reader, script);
    if (headerRead) {
        script.Fields(reader);
    }
    const bool unknownEvent = reader.UnknownEventCode().has_value();
    if (!headerRead || reader.Failed()) {
        script = InstallScript();
        return unknownEvent ? ScriptReadResult::UnknownEvent : ScriptReadResult::Malformed;
    }
    ResolveReferences(script);
    script.LoadedRevision = script.Revision;
    MarkUpgraded(script);
    script.Loaded = true;
    return ScriptReadResult::Loaded;
}

std::string JoinPath(const std::string& directory, const char* name) {
    if (!directory.empty() && directory.back() == '\\') {
        return directory + name;
    }
    return directory + "\\" + name;
}

}  // namespace

ScriptReadResult ReadScript(std::span<const std::uint8_t> bytes, InstallScript& script,
                            const EventFactory& events) {
    script = InstallScript();
    if (bytes.size() > kLargestScript) {
        return ScriptReadResult::Malformed;
    }
    try {
        return ReadModel(bytes, script, events);
    } catch (const std::bad_alloc&) {
        // Given up whole: a script that does not fit in memory is as unusable as a damaged one.
        script = InstallScript();
        return ScriptReadResult::Malformed;
    }
}

std::optional<std::string> FindScript(ScriptFiles& files) {
    const std::string directory = files.OwnDirectory();
    // Without the program's directory the names would point at the current drive's root.
    if (directory.empty()) {
        return std::nullopt;
    }
    for (const char* name : {"install.inf", "setup.inf"}) {
        std::string path = JoinPath(directory, name);
        if (files.FileExists(path)) {
            return path;
        }
    }
    return std::nullopt;
}

bool LoadScript(ScriptFiles& files, const EventFactory& events, ErrorReport& report,
                InstallScript& script) {
    script = InstallScript();
    const std::optional<std::string> path = FindScript(files);
    if (!path) {
        report.ReportError("install.inf or setup.inf not found");
        return false;
    }
    ScriptReadResult result = ScriptReadResult::Malformed;
    try {
        std::vector<std::uint8_t> bytes;
        if (files.ReadWholeFile(*path, bytes)) {
            result = ReadScript(bytes, script, events);
        }
    } catch (const std::bad_alloc&) {
        // No room even for the file's bytes: unloadable like any other.
    }
    if (result == ScriptReadResult::Loaded) {
        return true;
    }
    if (result == ScriptReadResult::UnknownEvent) {
        report.CheckFailed("EVENT", __LINE__);
    }
    report.ReportError("Unable to load " + *path);
    return false;
}

}  // namespace aw
