#include "tools/scriptsource/distribution_build.h"

#include <ostream>
#include <system_error>
#include <vector>

#include "tools/common/file_bytes.h"
#include "tools/distpack/build_style.h"
#include "tools/distpack/packer.h"
#include "tools/scriptbuild/script_writer.h"
#include "tools/scriptdump/script_json.h"
#include "tools/scriptsource/script_templates.h"
#include "tools/scriptsource/source_lines.h"

namespace aw {

namespace fs = std::filesystem;

namespace {

// A program that goes beside the script, and what it is, for messages.
struct Companion {
    fs::path Path;
    std::string What;
};

std::vector<Companion> Companions(const BuildRequest& request, const SourcePlan& plan) {
    std::vector<Companion> companions = {
        {request.Programs / "awmain.exe", "the installer"},
        {request.Programs / "lzpunz2.dll", "the decompression library"}};
    for (const std::string& code : plan.Languages) {
        companions.push_back(
            {request.Programs / ("aw" + code + ".dll"), "the language library for " + code});
    }
    companions.push_back(
        {request.Launcher.empty() ? request.Programs / "setup.exe" : request.Launcher,
         "the launcher"});
    return companions;
}

std::string MissingCompanions(const std::vector<Companion>& companions) {
    std::string missing;
    for (const Companion& companion : companions) {
        std::error_code error;
        if (!fs::is_regular_file(companion.Path, error)) {
            missing += "\n  " + companion.Path.string() + " (" + companion.What + ")";
        }
    }
    if (missing.empty()) {
        return "";
    }
    return "missing input:" + missing +
           "\n(build them, or name their folder with --programs and the launcher with "
           "--launcher)";
}

std::uint64_t Clustered(std::uint64_t size, std::uint64_t cluster) {
    return (size + cluster - 1) / cluster * cluster;
}

// The entries a pack of these files will add, with the texts they will hold; their numbers
// have fixed widths, so the script's size is known before packing.
PackResult Unpacked(const SourcePlan& plan) {
    PackResult result;
    for (const SourceFile& file : plan.Files) {
        PackedFile packed;
        packed.Source = file.Shown;
        packed.Name =
            file.Input.Name.empty() ? file.Input.Source.filename().string() : file.Input.Name;
        result.Files.push_back(packed);
    }
    return result;
}

void AddFiles(InstallScript& script, const SourcePlan& plan, PackResult packed) {
    for (std::size_t i = 0; i < packed.Files.size(); ++i) {
        packed.Files[i].Source = plan.Files[i].Shown;
    }
    AddBuildStyle(script, packed, !plan.Media.StartFile.empty(), "scriptsource");
    script.Build.Current()->CustomHandler = plan.CustomHandler ? 1 : 0;
}

// The space the script and the programs beside it take on the first disk.
std::string Reserve(const BuildRequest& request, const SourcePlan& plan,
                    const std::vector<Companion>& companions, const EventRegistry& registry,
                    std::uint64_t& reserve) {
    InstallScript script;
    ScriptFormat format;
    if (!BuildScript(plan.Script, registry, script, format).empty()) {
        return request.Source.string() + ": the script cannot be built again";
    }
    AddFiles(script, plan, Unpacked(plan));
    const auto bytes = WriteScript(script, format.ShortInts, format.Version);
    if (!bytes) {
        return request.Source.string() + ": a value cannot be encoded in the script";
    }
    const std::uint64_t cluster = plan.Media.ClusterSize;
    reserve = Clustered(bytes->size(), cluster);
    for (std::size_t i = 0; i < companions.size(); ++i) {
        // With volumes the launcher is the first volume itself.
        const bool inVolume = i + 1 == companions.size() && !plan.Media.StartFile.empty();
        if (!inVolume) {
            reserve += Clustered(fs::file_size(companions[i].Path), cluster);
        }
    }
    return "";
}

// Removes the scratch folder unless the build reached its end.
class Scratch {
  public:
    explicit Scratch(fs::path path) : path_(std::move(path)) {}
    ~Scratch() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

fs::path ScratchPath(const fs::path& output) {
    return output.string() + ".partial";
}

std::string OutputProblem(const fs::path& output) {
    std::error_code error;
    if (fs::exists(output, error) &&
        !(fs::is_directory(output, error) && fs::is_empty(output, error))) {
        return output.string() + ": already exists; remove it or name another output folder";
    }
    // Only a build that was killed leaves one; what it holds is not known, so it stays.
    if (fs::exists(ScratchPath(output), error)) {
        return ScratchPath(output).string() +
               ": already exists (left by a build that did not end?); remove it";
    }
    return "";
}

std::string WriteFirstDisk(const fs::path& firstDisk, const std::vector<std::uint8_t>& script,
                           const std::vector<Companion>& companions, bool launcherInVolume) {
    std::error_code error;
    fs::create_directories(firstDisk, error);
    if (error || !WriteFileBytes(firstDisk / "install.inf", script)) {
        return (firstDisk / "install.inf").string() + ": cannot be written";
    }
    for (std::size_t i = 0; i < companions.size(); ++i) {
        const bool launcher = i + 1 == companions.size();
        if (launcher && launcherInVolume) {
            continue;
        }
        const fs::path target =
            firstDisk / (launcher ? fs::path("setup.exe") : companions[i].Path.filename());
        if (fs::exists(target, error)) {
            return target.string() + ": a packed file has the name of this program";
        }
        if (!fs::copy_file(companions[i].Path, target, error)) {
            return target.string() + ": cannot be written (" + error.message() + ")";
        }
    }
    return "";
}

}  // namespace

std::string ScriptFromSource(const fs::path& source, const SourceContext& context,
                             const EventRegistry& registry, SourcePlan& plan, InstallScript& script,
                             ScriptFormat& format) {
    const auto text = ReadFileBytes(source);
    if (!text) {
        return source.string() + ": cannot be read";
    }
    nlohmann::ordered_json json;
    try {
        json = nlohmann::ordered_json::parse(text->begin(), text->end());
    } catch (const nlohmann::ordered_json::exception& error) {
        return source.string() + ": " + error.what();
    }
    std::string problem = ReadSource(json, context, MakeScriptTemplates(registry), plan);
    if (problem.empty()) {
        problem = BuildScript(plan.Script, registry, script, format);
        // The builder names the canonical document's path; the author wrote the source's.
        const std::size_t colon = problem.find(": ");
        if (colon != std::string::npos) {
            problem = plan.SourcePlaceOf(problem.substr(0, colon)) + problem.substr(colon);
        }
    }
    if (problem.empty()) {
        return "";
    }
    const std::size_t colon = problem.find(": ");
    const int line = colon == std::string::npos
                         ? 0
                         : SourceLine(std::string_view(reinterpret_cast<const char*>(text->data()),
                                                       text->size()),
                                      problem.substr(0, colon));
    return source.string() + (line == 0 ? "" : ":" + std::to_string(line)) + ": " + problem;
}

namespace {

// Everything that can be known before a byte is written: the script, the programs beside it
// and the room they take on the first disk.
std::string Check(const BuildRequest& request, const EventRegistry& registry, SourcePlan& plan,
                  InstallScript& script, ScriptFormat& format, std::vector<Companion>& companions,
                  MediaOptions& media) {
    const SourceContext context{request.Source.parent_path(), request.Programs};
    std::string problem = ScriptFromSource(request.Source, context, registry, plan, script, format);
    companions = Companions(request, plan);
    if (problem.empty()) {
        problem = MissingCompanions(companions);
    }
    if (problem.empty()) {
        problem = OutputProblem(request.Output);
    }
    media = plan.Media;
    if (problem.empty() && media.DiskSize != 0 && !plan.ReserveGiven) {
        problem = Reserve(request, plan, companions, registry, media.Reserve);
    }
    const std::uint64_t capacity = media.DiskSize / media.ClusterSize * media.ClusterSize;
    if (problem.empty() && media.DiskSize != 0 && media.Reserve > capacity) {
        problem = request.Source.string() + ": packaging.diskSize: the first disk holds " +
                  std::to_string(capacity) + " bytes, less than the " +
                  std::to_string(media.Reserve) + " that the script and the programs beside it " +
                  (plan.ReserveGiven ? "are to keep free" : "take");
    }
    return problem;
}

void Summarise(const PackResult& packed, std::size_t programs, const fs::path& firstDisk,
               std::ostream& progress) {
    std::uint64_t size = 0;
    std::uint64_t stored = 0;
    for (const PackedFile& file : packed.Files) {
        size += file.Size;
        stored += file.StoredSize;
    }
    progress << packed.Files.size() << (packed.Files.size() == 1 ? " file, " : " files, ") << size
             << " bytes stored in " << stored << " on " << packed.Disks
             << (packed.Disks == 1 ? " disk" : " disks") << "; install.inf and " << programs
             << " programs beside them in " << firstDisk.string() << '\n';
}

}  // namespace

std::string BuildDistribution(const BuildRequest& request, const EventRegistry& registry,
                              std::ostream& progress) {
    progress << "Reading " << request.Source.string() << '\n';
    SourcePlan plan;
    InstallScript script;
    ScriptFormat format;
    std::vector<Companion> companions;
    MediaOptions media;
    if (std::string problem = Check(request, registry, plan, script, format, companions, media);
        !problem.empty()) {
        return problem;
    }

    Scratch scratch(ScratchPath(request.Output));
    progress << "Packing " << plan.Files.size() << " files\n";
    std::vector<PackInput> inputs;
    for (const SourceFile& file : plan.Files) {
        inputs.push_back(file.Input);
    }
    const bool volumes = !media.StartFile.empty();
    const PackResult packed =
        PackMedia(inputs, media, scratch.Path(), volumes ? companions.back().Path : fs::path());
    if (!packed.Error.empty()) {
        return packed.Error;
    }
    AddFiles(script, plan, packed);
    const auto bytes = WriteScript(script, format.ShortInts, format.Version);
    if (!bytes) {
        return request.Source.string() + ": a value cannot be encoded in the script";
    }
    const fs::path firstDisk = media.DiskFolders ? fs::path("disk001") : fs::path();
    if (std::string problem =
            WriteFirstDisk(scratch.Path() / firstDisk, *bytes, companions, volumes);
        !problem.empty()) {
        return problem;
    }
    std::error_code error;
    fs::remove(request.Output, error);
    fs::rename(scratch.Path(), request.Output, error);
    if (error) {
        return request.Output.string() + ": cannot be made (" + error.message() + ")";
    }
    Summarise(packed, companions.size(),
              firstDisk.empty() ? request.Output : request.Output / firstDisk, progress);
    return "";
}

}  // namespace aw
