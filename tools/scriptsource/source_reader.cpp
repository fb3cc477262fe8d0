#include "tools/scriptsource/source_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "tools/scriptsource/file_groups.h"

namespace aw {

namespace {

using Json = nlohmann::ordered_json;

// The installer's languages by index; their libraries are named "aw" + code + ".dll".
constexpr std::array<const char*, 15> kLanguageCodes = {"dan", "deu", "eng", "enu", "esn",
                                                        "fra", "ita", "nld", "nor", "sve",
                                                        "jpn", "fin", "plk", "rus", "ptg"};

std::int32_t LanguageIndex(const std::string& code) {
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (code == kLanguageCodes[i]) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

const char* KindName(const Json& value) {
    return value.is_string()           ? "a string"
           : value.is_number_integer() ? "an integer"
           : value.is_array()          ? "an array"
           : value.is_object()         ? "an object"
                                       : "another kind of value";
}

bool SameKind(const Json& a, const Json& b) {
    return (a.is_string() && b.is_string()) || (a.is_number_integer() && b.is_number_integer()) ||
           (a.is_array() && b.is_array()) || (a.is_object() && b.is_object());
}

}  // namespace

std::string SourceMember(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
}

std::string SourceElement(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string SourcePlan::SourcePlaceOf(const std::string& canonicalPath) const {
    const std::pair<std::string, std::string>* best = nullptr;
    for (const auto& place : Places) {
        const std::string& prefix = place.first;
        if (!canonicalPath.starts_with(prefix)) {
            continue;
        }
        const bool bounded = canonicalPath.size() == prefix.size() ||
                             canonicalPath[prefix.size()] == '.' ||
                             canonicalPath[prefix.size()] == '[';
        if (bounded && (best == nullptr || prefix.size() > best->first.size())) {
            best = &place;
        }
    }
    if (best == nullptr) {
        return "(script) " + canonicalPath;
    }
    return best->second + canonicalPath.substr(best->first.size());
}

std::string ReadSource(const Json& source, const SourceContext& context,
                       const ScriptTemplates& templates, SourcePlan& plan) {
    SourceReader reader(context, templates, plan);
    return reader.Read(source);
}

bool SourceReader::Fail(const std::string& path, const std::string& problem) {
    if (error_.empty()) {
        error_ = path.empty() ? problem : path + ": " + problem;
    }
    return false;
}

bool SourceReader::Object(const Json& value, const std::string& path) {
    return value.is_object() || Fail(path, "expected an object");
}

bool SourceReader::Array(const Json& value, const std::string& path) {
    return value.is_array() || Fail(path, "expected an array");
}

bool SourceReader::CheckKeys(const Json& object, const std::string& path,
                             std::initializer_list<const char*> keys) {
    if (!Object(object, path)) {
        return false;
    }
    for (const auto& [key, value] : object.items()) {
        bool known = false;
        for (const char* allowed : keys) {
            known = known || key == allowed;
        }
        if (!known) {
            return Fail(SourceMember(path, key), "unknown key");
        }
    }
    return true;
}

bool SourceReader::String(const Json& object, const char* key, const std::string& path,
                          std::string& out) {
    const auto found = object.find(key);
    if (found == object.end()) {
        return true;
    }
    if (!found->is_string()) {
        return Fail(SourceMember(path, key), "expected a string");
    }
    out = found->get<std::string>();
    return true;
}

bool SourceReader::Integer(const Json& object, const char* key, const std::string& path,
                           std::int64_t min, std::int64_t max, std::int64_t& out) {
    const auto found = object.find(key);
    if (found == object.end()) {
        return true;
    }
    if (!found->is_number_integer()) {
        return Fail(SourceMember(path, key), "expected an integer");
    }
    const bool tooLarge = found->is_number_unsigned() &&
                          found->get<std::uint64_t>() > static_cast<std::uint64_t>(max);
    if (tooLarge || found->get<std::int64_t>() < min || found->get<std::int64_t>() > max) {
        return Fail(SourceMember(path, key), found->dump() + " is out of range (" +
                                                 std::to_string(min) + " to " +
                                                 std::to_string(max) + ")");
    }
    out = found->get<std::int64_t>();
    return true;
}

bool SourceReader::Flag(const Json& object, const char* key, const std::string& path, bool& out) {
    const auto found = object.find(key);
    if (found == object.end()) {
        return true;
    }
    if (!found->is_boolean()) {
        return Fail(SourceMember(path, key), "expected true or false");
    }
    out = found->get<bool>();
    return true;
}

// A number of bytes, or a text with a K or M suffix ("1440K").
bool SourceReader::Size(const Json& object, const char* key, const std::string& path,
                        std::uint64_t& out) {
    const auto found = object.find(key);
    if (found == object.end()) {
        return true;
    }
    constexpr std::uint64_t kLimit = std::numeric_limits<std::uint32_t>::max();
    if (found->is_number_unsigned() && found->get<std::uint64_t>() <= kLimit) {
        out = found->get<std::uint64_t>();
        return true;
    }
    const std::string text = found->is_string() ? found->get<std::string>() : "";
    std::uint64_t value = 0;
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const std::string suffix(rest, text.data() + text.size());
    const std::uint64_t unit = suffix == "K" ? 1024 : suffix == "M" ? 1024 * 1024 : 0;
    if (error != std::errc() || rest == text.data() || unit == 0 || value > kLimit / unit) {
        return Fail(SourceMember(path, key),
                    "expected a size in bytes up to 4 GiB: a number, or a text such as "
                    "\"1440K\" or \"2M\"");
    }
    out = value * unit;
    return true;
}

bool SourceReader::Overlay(Json& target, const Json& source, const std::string& path) {
    if (!Object(source, path)) {
        return false;
    }
    for (const auto& [key, value] : source.items()) {
        const std::string place = SourceMember(path, key);
        const auto slot = target.find(key);
        if (slot == target.end()) {
            return Fail(place, "unknown field");
        }
        if (!SameKind(*slot, value)) {
            return Fail(place, std::string("expected ") + KindName(*slot));
        }
        if (slot->is_object()) {
            if (!Overlay(*slot, value, place)) {
                return false;
            }
        } else {
            *slot = value;
        }
    }
    return true;
}

// Group names, each standing for the distribution-file entries of its files.
bool SourceReader::FileReferences(const Json& value, const std::string& path, Json& list,
                                  std::vector<const Group*>* referenced) {
    if (!Array(value, path)) {
        return false;
    }
    Json positions = Json::array();
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string place = SourceElement(path, i);
        if (!value[i].is_string()) {
            return Fail(place, "expected the id of a file group");
        }
        const auto group = groups_.find(value[i].get<std::string>());
        if (group == groups_.end()) {
            return Fail(place, "no file group has the id " + value[i].dump());
        }
        for (std::int32_t position : group->second.Positions) {
            positions.push_back(position);
        }
        if (referenced != nullptr) {
            referenced->push_back(&group->second);
        }
    }
    list = Json{{"IFLIST", positions}};
    return true;
}

std::string SourceReader::Read(const Json& source) {
    const bool read = CheckKeys(source, "",
                                {"width", "version", "product", "productVersion", "shellClose",
                                 "controls3D", "customHandler", "languages", "screen", "packaging",
                                 "files", "dialogs", "events", "components"}) &&
                      Header(source) && Product(source) && Packaging(source) && Files(source) &&
                      Languages(source) && Screen(source) && Dialogs(source) && Events(source) &&
                      Components(source) && FitVersion();
    (void)read;
    return error_;
}

bool SourceReader::Header(const Json& source) {
    plan_.Script = templates_.Script;
    plan_.Places = {{"width", "width"},
                    {"version", "version"},
                    {"EVENT", "events"},
                    {"CMLIST", "components"},
                    {"UDLIST", "dialogs"},
                    {"ScreenLayout", "screen"},
                    {"ScreenLayout.titles", "screen.titles"},
                    {"LanguageSet", "languages"},
                    {"ScriptInfo.productName", "product"}};
    for (const char* key : {"width", "version"}) {
        if (source.contains(key)) {
            script()[key] = source[key];
        }
    }
    return Flag(source, "customHandler", "", plan_.CustomHandler);
}

bool SourceReader::Product(const Json& source) {
    Json& info = script()["ScriptInfo"];
    std::string name;
    if (!String(source, "product", "", name)) {
        return false;
    }
    if (name.empty()) {
        return Fail("product", "the product needs a name: it names the Uninstall entry");
    }
    info["productName"] = name;
    for (const char* key : {"shellClose", "controls3D"}) {
        bool flag = false;
        if (!Flag(source, key, "", flag)) {
            return false;
        }
        info[key] = flag ? 1 : 0;
    }
    // Four parts of 0..65535: the script's two longs hold two each.
    std::string version = "0.0.0.0";
    if (!String(source, "productVersion", "", version)) {
        return false;
    }
    std::array<std::uint32_t, 4> parts{};
    const char* at = version.data();
    const char* end = version.data() + version.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto [rest, error] = std::from_chars(at, end, parts[i]);
        const bool separated = i + 1 < parts.size() ? rest != end && *rest == '.' : rest == end;
        if (error != std::errc() || rest == at || parts[i] > 0xFFFF || !separated) {
            return Fail("productVersion",
                        "expected four numbers of 0 to 65535 joined by dots, such as \"1.2.0.0\"");
        }
        at = rest + 1;
    }
    info["logValue1"] = static_cast<std::int32_t>(parts[0] << 16 | parts[1]);
    info["logValue2"] = static_cast<std::int32_t>(parts[2] << 16 | parts[3]);
    return true;
}

bool SourceReader::Packaging(const Json& source) {
    const auto found = source.find("packaging");
    if (found == source.end()) {
        return true;
    }
    const Json& packaging = *found;
    MediaOptions& media = plan_.Media;
    bool volumes = false;
    if (!CheckKeys(
            packaging, "packaging",
            {"diskFolders", "volumes", "diskSize", "clusterSize", "reserve", "compressed"}) ||
        !Flag(packaging, "diskFolders", "packaging", media.DiskFolders) ||
        !Flag(packaging, "volumes", "packaging", volumes) ||
        !Size(packaging, "diskSize", "packaging", media.DiskSize) ||
        !Size(packaging, "clusterSize", "packaging", media.ClusterSize) ||
        !Size(packaging, "reserve", "packaging", media.Reserve) ||
        !Flag(packaging, "compressed", "packaging", compressedByDefault_)) {
        return false;
    }
    if (media.ClusterSize == 0) {
        return Fail("packaging.clusterSize", "must not be 0");
    }
    // The launcher starts the installation, so the volumes are named after it.
    media.StartFile = volumes ? "setup.exe" : "";
    plan_.ReserveGiven = packaging.contains("reserve");
    return true;
}

bool SourceReader::Files(const Json& source) {
    const auto found = source.find("files");
    if (found == source.end()) {
        return true;
    }
    if (!Array(*found, "files")) {
        return false;
    }
    for (std::size_t i = 0; i < found->size(); ++i) {
        if (!FileGroup((*found)[i], SourceElement("files", i))) {
            return false;
        }
    }
    AuxiliaryFirst();
    return true;
}

// The installer copies the auxiliary files before anything else: packed first, they lie on the
// first disk, and a disk set does not start by asking for its last disk.
void SourceReader::AuxiliaryFirst() {
    std::vector<std::size_t> order(plan_.Files.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_partition(order.begin(), order.end(),
                          [this](std::size_t file) { return plan_.Files[file].Input.Auxiliary; });
    std::vector<std::int32_t> position(order.size());
    std::vector<SourceFile> files;
    for (std::size_t i = 0; i < order.size(); ++i) {
        position[order[i]] = static_cast<std::int32_t>(i);
        files.push_back(std::move(plan_.Files[order[i]]));
    }
    plan_.Files = std::move(files);
    for (auto& [id, group] : groups_) {
        for (std::int32_t& file : group.Positions) {
            file = position[static_cast<std::size_t>(file)];
        }
    }
}

bool SourceReader::FileGroup(const Json& group, const std::string& path) {
    std::string id;
    std::string folder = ".";
    std::string name;
    Group made;
    made.Compressed = compressedByDefault_;
    if (!CheckKeys(group, path, {"id", "folder", "pattern", "name", "compressed", "auxiliary"}) ||
        !String(group, "id", path, id) || !String(group, "folder", path, folder) ||
        !String(group, "name", path, name) || !Flag(group, "compressed", path, made.Compressed) ||
        !Flag(group, "auxiliary", path, made.Auxiliary)) {
        return false;
    }
    if (id.empty()) {
        return Fail(SourceMember(path, "id"), "a file group needs an id, by which events name it");
    }
    if (groups_.contains(id)) {
        return Fail(SourceMember(path, "id"), "another file group has the id \"" + id + "\"");
    }
    std::vector<std::string> patterns;
    std::vector<FoundFile> found;
    if (!Patterns(group, path, patterns) || !FindGroupFiles(folder, patterns, path, found)) {
        return false;
    }
    if (!name.empty() && found.size() != 1) {
        return Fail(SourceMember(path, "name"), "a name on the media needs a group of one file");
    }
    for (const FoundFile& file : found) {
        made.Positions.push_back(static_cast<std::int32_t>(plan_.Files.size()));
        SourceFile packed;
        packed.Input = {file.Path, name, made.Compressed, made.Auxiliary};
        packed.Shown = folder + "\\" + file.Name;
        plan_.Files.push_back(std::move(packed));
    }
    groups_[id] = std::move(made);
    return true;
}

bool SourceReader::Patterns(const Json& group, const std::string& path,
                            std::vector<std::string>& patterns) {
    const auto pattern = group.find("pattern");
    if (pattern != group.end() && pattern->is_string()) {
        patterns.push_back(pattern->get<std::string>());
        return true;
    }
    if (pattern == group.end() || !pattern->is_array()) {
        return Fail(SourceMember(path, "pattern"),
                    "expected a name or pattern, or an array of them");
    }
    for (const Json& one : *pattern) {
        if (!one.is_string()) {
            return Fail(SourceMember(path, "pattern"), "expected names or patterns");
        }
        patterns.push_back(one.get<std::string>());
    }
    return true;
}

// Every pattern must match: a file that is not there is a fault of the source or the build.
bool SourceReader::FindGroupFiles(const std::string& folder,
                                  const std::vector<std::string>& patterns, const std::string& path,
                                  std::vector<FoundFile>& found) {
    constexpr std::string_view kPrograms = "{programs}";
    const std::filesystem::path directory =
        folder.starts_with(kPrograms)
            ? context_.ProgramsDirectory /
                  std::filesystem::path(folder.substr(kPrograms.size())).relative_path()
            : context_.SourceDirectory / folder;
    for (const std::string& one : patterns) {
        const std::size_t before = found.size();
        if (!FindFiles(directory, one, found)) {
            return Fail(SourceMember(path, "folder"),
                        "the folder " + directory.string() + " cannot be listed");
        }
        if (found.size() == before) {
            return Fail(SourceMember(path, "pattern"),
                        "no file in " + directory.string() + " matches \"" + one + "\"");
        }
    }
    return true;
}

bool SourceReader::Languages(const Json& source) {
    std::string fallback = "enu";
    Json available = Json::array({"enu"});
    const auto found = source.find("languages");
    if (found != source.end()) {
        if (!CheckKeys(*found, "languages", {"default", "available"}) ||
            !String(*found, "default", "languages", fallback)) {
            return false;
        }
        available = found->value("available", Json::array({fallback}));
        if (!Array(available, "languages.available")) {
            return false;
        }
    }
    const std::int32_t first = LanguageIndex(fallback);
    if (first < 0) {
        return Fail("languages.default",
                    "\"" + fallback + "\" is no language code of the installer");
    }
    plan_.Languages = {fallback};
    Json flags = Json::array();
    for (std::size_t i = 0; i < 20; ++i) {
        flags.push_back(0);
    }
    for (std::size_t i = 0; i < available.size(); ++i) {
        const std::string code = available[i].is_string() ? available[i].get<std::string>() : "";
        const std::int32_t index = LanguageIndex(code);
        if (index < 0) {
            return Fail(SourceElement("languages.available", i),
                        available[i].dump() + " is no language code of the installer (" +
                            "dan, deu, eng, enu, esn, fra, ita, nld, nor, sve, jpn, fin, plk, "
                            "rus, ptg)");
        }
        flags[static_cast<std::size_t>(index)] = 1;
        if (code != fallback) {
            plan_.Languages.push_back(code);
        }
    }
    script()["LanguageSet"] = Json{{"first", first}, {"flag", flags}};
    return true;
}

bool SourceReader::Screen(const Json& source) {
    const auto found = source.find("screen");
    if (found == source.end()) {
        return true;
    }
    Json screen = *found;
    if (!Object(screen, "screen")) {
        return false;
    }
    Json& layout = script()["ScreenLayout"];
    if (const auto titles = screen.find("titles"); titles != screen.end()) {
        if (!Array(*titles, "screen.titles")) {
            return false;
        }
        Json& texts = layout["titles"]["texts"];
        for (std::size_t i = 0; i < titles->size(); ++i) {
            Json title = templates_.Title;
            if (!Overlay(title, (*titles)[i], SourceElement("screen.titles", i))) {
                return false;
            }
            texts.push_back(std::move(title));
        }
        screen.erase("titles");
    }
    if (const auto files = screen.find("files"); files != screen.end()) {
        if (!FileReferences(*files, "screen.files", layout["files"])) {
            return false;
        }
        screen.erase("files");
    }
    return Overlay(layout, screen, "screen");
}

// What a version's file holds: components and dialogs from 301, the dialogs' file list and 20
// language flags in 302.
bool SourceReader::FitVersion() {
    const Json version = script()["version"];
    if (!version.is_number_integer() || version.get<std::int64_t>() >= 302) {
        return true;
    }
    Json& flags = script()["LanguageSet"]["flag"];
    for (std::size_t i = 11; i < flags.size(); ++i) {
        if (flags[i] != 0) {
            return Fail("languages.available",
                        "version " + version.dump() + " knows only the first 11 languages");
        }
    }
    flags.erase(flags.begin() + 11, flags.end());
    script()["UDLIST"].erase("files");
    if (version.get<std::int64_t>() >= 301) {
        return true;
    }
    if (!script()["CMLIST"].empty() || !script()["UDLIST"]["dialogs"].empty()) {
        return Fail("version", "components and dialogs need version 301 or 302");
    }
    script().erase("CMLIST");
    script().erase("UDLIST");
    return true;
}

}  // namespace aw
